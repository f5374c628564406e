// Forsyth-Edwards Notation of a position: the one reader and writer of the
// program. Reading checks the syntax of the six fields (ReadFenSyntax);
// whether the position read could stand on a board is judged apart
// (CheckPosition, core/PositionCheck.h). ReadFen does both, so that a
// loaded position can never make castling conjure a rook, en passant take a
// piece that is not there, or a search take a king. A refusal says why as
// a NotationError.
#pragma once

#include "core/GameState.h"
#include "core/NotationError.h"
#include "core/PositionCheck.h"

#include <string>
#include <string_view>

inline constexpr std::string_view StandardStartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// The highest move number a FEN may carry: far beyond any real game, low
// enough that a move count never overflows.
inline constexpr int MaxFenMoveNumber = 100000;

// A position with the half-move clock that GameState does not keep; the
// full-move number is the state's CurrentMove.
struct FenPosition {
    GameState State;
    int HalfMoveClock = 0;
};

// Reads the six fields (the two counters may be left out together; they
// are then 0 and 1), checking their syntax alone: eight ranks of eight
// squares, 'w' or 'b', castling letters "KQkq" each at most once, "-" or a
// square for en passant, counters in range. Returns false and says why in
// `error`; `position` is then unchanged.
// Chess960: with `chess960` (the game is one), or when the castling field
// names rook files as Shredder-FEN does ("HAha", "Bg"), the state is a
// Chess960 one and X-FEN's K and Q name the outermost rook of their side.
bool ReadFenSyntax(std::string_view text, FenPosition& position, NotationError& error, bool chess960 = false);

// ReadFenSyntax, then CheckPosition: a possible position or a reason.
bool ReadFen(std::string_view text, FenPosition& position, NotationError& error, bool chess960 = false);
// The same with the reason in Portuguese.
bool ReadFen(std::string_view text, FenPosition& position, std::string& error, bool chess960 = false);

// For a text that does not say which castling rules it follows (X-FEN's
// KQkq reads the same in both): the standard rules, unless its castling
// rights fit the placement only under Chess960's, as a Chess960 start
// written in X-FEN does. ReadFenSyntax or ReadFen with that choice.
bool ReadFenSyntaxEitherRules(std::string_view text, FenPosition& position, NotationError& error);
bool ReadFenEitherRules(std::string_view text, FenPosition& position, NotationError& error);

// The six fields; the move number is the state's CurrentMove. A castling
// right whose king or rook has left home, and an en passant square that
// does not follow a double step, are written as absent. A Chess960 state
// is written in X-FEN: K, Q, k, q, or the rook's file (Shredder-FEN's
// letter) where another rook stands beyond the castling one.
std::string WriteFen(const GameState& state, int halfMoveClock = 0);

// The placement field alone ("rnbqkbnr/pppppppp/8/...").
std::string FenPlacement(const BoardArray& board);
// Reads a placement field alone, with ReadFenSyntax's checks; `board` is
// unchanged on a refusal.
bool ReadFenPlacement(std::string_view field, BoardArray& board, NotationError& error);
