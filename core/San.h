// Standard Algebraic Notation: writing a legal move as SAN (with English or
// Portuguese piece letters) and reading SAN as people and real game files
// write it, plus coordinate moves typed as "e2e4", "e2-e4" or "e7e8q".
#pragma once

#include "core/MoveList.h"
#include "core/NotationError.h"

#include <string>
#include <string_view>

// The letters of king, queen, rook, bishop and knight. Which letters mean
// what depends on the language: R is the English rook but the Portuguese
// king, so a reader is always given its set.
struct PieceLetters {
    char King, Queen, Rook, Bishop, Knight;
};
inline constexpr PieceLetters EnglishLetters{'K', 'Q', 'R', 'B', 'N'};
inline constexpr PieceLetters PortugueseLetters{'R', 'D', 'T', 'B', 'C'};

// The SAN of a legal move of the state's side to move: "Nbd7", "exd6",
// "e8=Q+", "O-O-O", "Qh4#".
std::string MoveToSan(const GameState& state, const ChessMove& move, const PieceLetters& letters = EnglishLetters);

// Reads a SAN move of the side to move. Accepts 0-0 for O-O, a promotion
// without "=", annotation marks (!, ?, !?, ...), check marks (not checked)
// and a disambiguation that is not needed. Returns false with the reason
// when the text is no move, names no legal move or more than one. Each
// reader also comes with the reason in Portuguese (a std::string).
bool ReadSan(const GameState& state, std::string_view text, ChessMove& move, NotationError& error,
             const PieceLetters& letters = EnglishLetters);
bool ReadSan(const GameState& state, std::string_view text, ChessMove& move, std::string& error,
             const PieceLetters& letters = EnglishLetters);

// Reads a coordinate move: "e2e4", "e2-e4", "e7e8q", "e7e8=Q" (the
// promotion letter from the given set, either case). Castling is the king's
// move ("e1g1").
bool ReadCoordinateMove(const GameState& state, std::string_view text, ChessMove& move, NotationError& error,
                        const PieceLetters& letters = EnglishLetters);
bool ReadCoordinateMove(const GameState& state, std::string_view text, ChessMove& move, std::string& error,
                        const PieceLetters& letters = EnglishLetters);

// Typed input: a coordinate move when the text looks like one, else SAN.
bool ReadMoveText(const GameState& state, std::string_view text, ChessMove& move, NotationError& error,
                  const PieceLetters& letters = EnglishLetters);
bool ReadMoveText(const GameState& state, std::string_view text, ChessMove& move, std::string& error,
                  const PieceLetters& letters = EnglishLetters);

// The coordinate form "e2e4", "e7e8q".
std::string MoveToCoordinates(const ChessMove& move);
