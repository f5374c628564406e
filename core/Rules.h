// The rules of movement on a GameState: the movement rule of each piece,
// castling, en passant, the king-attack tests and mobility. Plain C++, no Qt.
// A move is only its two squares; promotion is not a matter of legality.
#pragma once

#include "core/GameState.h"

// Movement rules: the piece on from may go to to by its own rule (the king's
// includes castling); the mover's own king is not considered.
bool ValidPawnMove(const GameState& state, Square from, Square to);
bool ValidKnightMove(const GameState& state, Square from, Square to);
bool ValidBishopMove(const GameState& state, Square from, Square to);
bool ValidRookMove(const GameState& state, Square from, Square to);
bool ValidQueenMove(const GameState& state, Square from, Square to);
bool ValidKingMove(const GameState& state, Square from, Square to);

// A pawn moving diagonally onto the empty en passant square with an enemy
// pawn beside it, on its own rank, that passed over that square.
bool IsEnPassantCapture(const GameState& state, Square from, Square to);
// The square of the pawn an en passant capture removes.
Square EnPassantVictimSquare(Square from, Square to);

// The king is attacked after the piece on from goes to to on a copy of the
// placement (from == to: the position as it stands). A missing Black king
// counts as attacked, a missing White king as not attacked.
bool WhiteKingAttacked(const GameState& state, Square from, Square to);
bool BlackKingAttacked(const GameState& state, Square from, Square to);

// Legal by the rules of movement for the side to move: squares on the board,
// the mover's own piece, not onto its own colour, the piece's rule, and its
// own king not left attacked.
bool IsMoveAllowed(const GameState& state, Square from, Square to);
// The side to move has at least one such move.
bool HasMobility(const GameState& state);
// The en passant square when the side to move can take en passant there,
// else None.
Square CapturableEnPassant(const GameState& state);
// 3 per bishop, 2 per knight, 5 per pawn, rook or queen of one side; a total
// below 5 cannot mate.
int MatingMaterial(const BoardArray& board, bool white);
