// Forsyth-Edwards Notation of a position: all six fields written, and read
// with a check that the position could stand on a board (one king a side,
// no pawn on its first or last rank, the side that just moved not in check)
// and that its castling rights and en passant square are possible, so that
// a loaded position can never make castling conjure a rook or en passant
// take a piece that is not there. A refusal says why as a NotationError.
#pragma once

#include "core/GameState.h"
#include "core/NotationError.h"

#include <string>
#include <string_view>

inline constexpr std::string_view StandardStartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// The highest move number a FEN may carry: far beyond any real game, low
// enough that a move count never overflows.
inline constexpr int MaxFenMoveNumber = 100000;

// A position with the half-move clock that GameState does not keep.
struct FenPosition {
    GameState State;
    int HalfMoveClock = 0;
};

// Reads the six fields (the two counters may be left out together; they
// are then 0 and 1). Returns false and says why in `error` when the text is
// malformed or the position impossible; `position` is then unchanged.
bool ReadFen(std::string_view text, FenPosition& position, NotationError& error);
// The same with the reason in Portuguese.
bool ReadFen(std::string_view text, FenPosition& position, std::string& error);

// The six fields; the move number is the state's CurrentMove.
std::string WriteFen(const GameState& state, int halfMoveClock = 0);

// The placement field alone ("rnbqkbnr/pppppppp/8/...").
std::string FenPlacement(const BoardArray& board);
