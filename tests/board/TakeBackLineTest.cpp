// The game's take-back line on its own, over a core position and history
// recorded the way the board records its moves: what can be taken back,
// what taking back restores, and when the moves taken back stop waiting.
#include "board/TakeBackLine.h"

#include "core/MoveExecution.h"
#include "core/Rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Game {
    GameState state;
    GameHistory history;

    void Play(Square from, Square to)
    {
        history.RecordMoveFrom(state, from, to);
        ApplyMove(state, from, to);
        history.RecordReached(state);
    }
};

std::vector<std::string> Names(const std::vector<TakeBackLine::Move>& moves)
{
    std::vector<std::string> names;
    for (const TakeBackLine::Move& m : moves)
        names.push_back(LowerSquareName(m.OldSq) + LowerSquareName(m.NewSq));
    return names;
}

} // namespace

TEST(TakeBackLine, TakingBackRestoresTheSlotAndKeepsTheMovesInOrder)
{
    Game game;
    EXPECT_EQ(TakeBackLine::TakeBackCount(game.state, game.history), 0);
    game.Play(Square::E2, Square::E4);
    const GameState afterFirst = game.state;
    game.Play(Square::E7, Square::E5);
    game.Play(Square::G1, Square::F3);
    ASSERT_EQ(TakeBackLine::TakeBackCount(game.state, game.history), 3);

    TakeBackLine line;
    EXPECT_EQ(line.RedoCount(game.state, game.history), 0);
    line.TakeBack(game.state, game.history, 1);
    line.TakeBack(game.state, game.history, 1); // in steps: the line grows at its front
    EXPECT_EQ(PositionString(game.state.Board), PositionString(afterFirst.Board));
    EXPECT_FALSE(game.state.WhiteToMove);
    EXPECT_EQ(game.state.CurrentMove, 1);
    EXPECT_EQ(game.state.EnPassant, Square::E3);
    EXPECT_EQ(game.history.LastMoveNumber(), 1);
    EXPECT_FALSE(game.history.LastWhiteToMove());
    EXPECT_EQ(TakeBackLine::TakeBackCount(game.state, game.history), 1);
    EXPECT_EQ(line.RedoCount(game.state, game.history), 2);

    EXPECT_EQ(Names(line.Release()), (std::vector<std::string>{"e7e5", "g1f3"}));
    EXPECT_EQ(line.RedoCount(game.state, game.history), 0);
}

TEST(TakeBackLine, TheMovesStopWaitingOnceTheGameGoesElsewhere)
{
    Game game;
    game.Play(Square::E2, Square::E4);
    game.Play(Square::E7, Square::E5);
    TakeBackLine line;
    line.TakeBack(game.state, game.history, 1);
    ASSERT_EQ(line.RedoCount(game.state, game.history), 1);

    // Another placement at the same slot.
    GameState edited = game.state;
    edited.Put(Square::A7, EmptySquare);
    EXPECT_EQ(line.RedoCount(edited, game.history), 0);

    // Another move.
    game.Play(Square::D7, Square::D5);
    EXPECT_EQ(line.RedoCount(game.state, game.history), 0);
}

TEST(TakeBackLine, KeptMovesWaitFromWhereTheReplayStopped)
{
    Game game;
    game.Play(Square::E2, Square::E4);
    game.Play(Square::E7, Square::E5);
    game.Play(Square::G1, Square::F3);
    TakeBackLine line;
    line.TakeBack(game.state, game.history, 3);
    std::vector<TakeBackLine::Move> moves = line.Release();
    ASSERT_EQ(moves.size(), 3u);
    game.Play(moves[0].OldSq, moves[0].NewSq); // the replay of one of them
    line.Keep({moves.begin() + 1, moves.end()}, game.state, game.history);
    EXPECT_EQ(line.RedoCount(game.state, game.history), 2);
    EXPECT_EQ(Names(line.Release()), (std::vector<std::string>{"e7e5", "g1f3"}));
}
