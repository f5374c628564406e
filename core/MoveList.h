// Every legal move of a position, with a pawn's promotions listed once per
// piece it may become. Notation needs the full list: SAN's disambiguation
// and its check and mate marks depend on what else the pieces could do.
#pragma once

#include "core/GameState.h"

#include <vector>

// A move of the side to move; `promotion` is the upper-case letter of the
// piece a pawn reaching its last rank becomes (Q, R, B, N), else
// EmptySquare.
struct ChessMove {
    Square From = Square::None;
    Square To = Square::None;
    char Promotion = EmptySquare;

    friend bool operator==(const ChessMove&, const ChessMove&) = default;
};

// The legal moves of the side to move, by origin square from A8 to H1 and,
// for one origin, by destination; promotions in the order Q, R, B, N.
std::vector<ChessMove> LegalMoves(const GameState& state);

// The legal moves of the piece on `from` only.
void AppendLegalMovesFrom(const GameState& state, Square from, std::vector<ChessMove>& moves);

// The side to move's king is attacked.
bool SideToMoveInCheck(const GameState& state);

// The move is one of LegalMoves(state): a promotion names its piece and a
// move that is none names no piece.
bool IsLegalMove(const GameState& state, const ChessMove& move);

// The position after a legal move.
GameState PositionAfter(const GameState& state, const ChessMove& move);
