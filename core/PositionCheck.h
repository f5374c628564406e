// Whether a position could stand on a board in a game of chess: one king a
// side, no pawn on its first or last rank, no more pawns and promoted pieces
// than a side's eight pawns allow, castling rights whose king and rook are
// at home, an en passant square that follows a pawn's double step, and the
// side that has just moved not in check. Reading a FEN checks only its
// syntax; this is the separate judgement, so that a position editor can
// hold a position that is not yet possible and say why.
#pragma once

#include "core/GameState.h"
#include "core/NotationError.h"

#include <vector>

// The first reason that makes the position impossible (a FEN reason code,
// with the square or letter concerned in Text), or None.
NotationError CheckPosition(const GameState& state);
// Every reason, in the same order (CheckPosition's is the first): one for
// each side's kings, each pawn on an edge rank (its square), each side's
// pawns or promoted pieces, each castling right that does not fit (its
// letter), the en passant square, and the side not to move in check, which
// is asked only when each side has exactly one king. Empty for a possible
// position.
std::vector<NotationError> PositionProblems(const GameState& state);

// The king and the rook of the right stand on their home squares (in
// Chess960: the king on its first rank, the right's rook there on the
// right's side of it).
bool CastlingRightFits(const GameState& state, CanStillCastle right);
// Every right the state holds fits.
bool CastlingRightsFit(const GameState& state);
// The state's en passant square (not None) lies behind a pawn of the side
// that has just moved, which stands where its double step put it, with the
// square it passed over and the one it came from empty.
bool EnPassantFits(const GameState& state);
