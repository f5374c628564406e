// The game's take-back line: how many half-moves of the recorded game can
// be taken back from the current position, taking them back (the position
// of an earlier slot returns and the recorded game ends there), and the
// half-moves taken back, which wait to be played again while the game still
// stands where the last take-back or replay left it. No Qt.
#pragma once

#include "core/GameHistory.h"
#include "core/GameState.h"
#include "core/Square.h"

#include <string>
#include <vector>

class TakeBackLine {
public:
    struct Move {
        Square OldSq = Square::None;
        Square NewSq = Square::None;
        // The piece a pawn became (EmptySquare for no promotion).
        char Promotion = EmptySquare;
    };

    // Half-moves of the recorded game that lead to the current position and
    // can be taken back, one by one, down to the game's first position.
    static int TakeBackCount(const GameState& game, const GameHistory& history);
    // Half-moves taken back that can be played again from here: none once
    // the game has left the place where the last TakeBack or Keep left it.
    int RedoCount(const GameState& game, const GameHistory& history) const;

    // Takes halfMoves back (1 to TakeBackCount): the game returns to that
    // slot's position, the history's end marker moves there, and the moves
    // wait, before any that were still waiting.
    void TakeBack(GameState& game, GameHistory& history, int halfMoves);
    // Hands the waiting moves over for replay; none wait afterwards.
    std::vector<Move> Release();
    // After a replay: these moves wait from the position the game stands at.
    void Keep(std::vector<Move> moves, const GameState& game, const GameHistory& history);

private:
    bool Valid(const GameState& game, const GameHistory& history) const;
    void Anchor(const GameState& game, const GameHistory& history);

    std::vector<Move> moves_;
    long long anchor_ = -1;
    unsigned long long revision_ = 0;
    std::string placement_;
};
