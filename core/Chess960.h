// Chess960 (Fischer random chess): the 960 start positions by their
// standard number, and castling with the king and rooks anywhere on the
// first rank. A Chess960 castling is written as the king moving onto its
// own rook; afterwards king and rook stand where standard castling puts
// them (g and f, or c and d). Standard positions (GameState::Chess960
// false) keep the standard rules and never come here.
#pragma once

#include "core/GameState.h"

#include <optional>
#include <string>

inline constexpr int Chess960PositionCount = 960;
// The number of the usual array (RNBQKBNR).
inline constexpr int Chess960StandardNumber = 518;

// The first rank of start position `number` (0..959), eight upper-case
// letters from file a to h; empty for a number out of range.
std::string Chess960BackRank(int number);
// The number of a first rank ("RNBQKBNR" → 518), or -1 when it is no
// Chess960 start.
int Chess960Number(std::string_view backRank);
// Start position `number`: White to move, move 1, every castling right
// with the rooks' files, Chess960 on.
GameState Chess960StartPosition(int number);
// The number of a state's placement when it is a Chess960 start (pieces on
// ranks 1, 2, 7 and 8 as the start has them), else -1.
int Chess960NumberOfPlacement(const GameState& state);
// The number of a Chess960 game's start: a Chess960 state at move 1, White
// to move, with a start placement; else -1.
int Chess960StartNumber(const GameState& state);

// The right's colour: true for White.
bool IsWhiteRight(CanStillCastle right);
bool IsKingSideRight(CanStillCastle right);
// The home rank of a right's side (1 or 8).
int HomeRank(CanStillCastle right);
// The square of the right's rook, from CastlingRookFile.
Square CastlingRookSquare(const GameState& state, CanStillCastle right);
// The side's king on its home rank, else None.
Square HomeRankKing(const GameState& state, bool white);
// The king's and the rook's squares after the castling of the right.
Square CastledKingSquare(CanStillCastle right);
Square CastledRookSquare(CanStillCastle right);

// The right a Chess960 castling from -> to uses: the side to move's king
// on from, its own rook on to, on its home rank, with the right held.
std::optional<CanStillCastle> Chess960CastlingRight(const GameState& state, Square from, Square to);
// All the rules of a castling: the right held with king and rook on their
// squares, every square between the king and its destination and between
// the rook and its destination empty but for the two, the king not in
// check, not crossing or landing on an attacked square, and not attacked
// once king and rook stand on their new squares.
bool Chess960CastlingAllowed(const GameState& state, CanStillCastle right);
// Makes the castling on the state's placement (nothing else changes).
void PlaceChess960Castling(GameState& state, CanStillCastle right);
