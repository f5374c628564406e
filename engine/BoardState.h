// A board's game state in the form the engine reads through its links: the
// square array, the side to move, the castling rights and the en passant
// square. Programs that run the engine without the board component (the
// UCI front end, perft, the benchmark, the tests) keep their position here.
#pragma once

#include "board/Square.h"

#include <string_view>

struct TBoardState {
    BoardArray Board{};
    bool WhiteToMove = true;
    CastleSet CastlingAllowed = CastleSet::All();
    Square EnPassant = Square::None;

    // Empties every square (the None element holds a non-piece filler).
    void Clear();
    // Puts a piece letter (or a blank) on a square.
    void Put(Square s, char piece) { Board[Ord(s)] = piece; }
    char At(Square s) const { return Board[Ord(s)]; }

    static TBoardState Initial();
    // A state with the 64-character placement (A8 to H1) given; characters
    // other than piece letters leave their square empty.
    static TBoardState FromPlacement(std::string_view placement, bool whiteToMove = true,
                                     CastleSet castling = CastleSet(), Square enPassant = Square::None);
};
