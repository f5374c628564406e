// The board in words, for people who hear it instead of seeing it: a
// square with its piece ("e4, peão branco"), a move ("Pretas: cavalo g8
// para f6, xeque"), the pieces of one side, one rank. Used by the board's
// accessibility interface, the status line's announcement and spoken moves.
#pragma once

#include "core/GameState.h"

#include <QString>

// "peão branco", "dama preta"; empty for an empty square.
QString PieceWords(char piece);
// "e4, peão branco" or "e4, vazia".
QString SquareWords(const BoardArray& board, Square square);

// What a move did, as the board's events tell it.
struct MoveFacts {
    bool whiteMoved = true;
    char piece = EmptySquare; // the piece that moved, before promotion
    Square from = Square::None;
    Square to = Square::None;
    char captured = EmptySquare; // also en passant
    char promotedTo = EmptySquare;
    bool check = false;
    bool mate = false;
};
// "Brancas: peão e2 para e4", "Pretas: cavalo g8 toma bispo f6, xeque",
// "Brancas: roque pequeno", "Pretas: peão a2 para a1, promovido a dama,
// xeque-mate".
QString MoveWords(const MoveFacts& move);

// "Brancas: rei e1, dama d1, ..." in the order king, queen, rooks, bishops,
// knights, pawns; "Brancas: nenhuma peça" when none.
QString SideWords(const BoardArray& board, bool white);
// "Fileira 4: a4 vazia, b4 peão branco, ...".
QString RankWords(const BoardArray& board, int rank);
// "Vez das Brancas." or "Vez das Pretas."
QString TurnWords(bool whiteToMove);
