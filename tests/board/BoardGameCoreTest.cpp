// The board's game on its own, without a widget: what its steps write into
// the record, when a move is legal on the board, going back to a recorded
// position, taking moves back, and what a new game or placement restores.
#include "board/BoardGameCore.h"

#include "Placement.h"

#include "core/MoveExecution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A move through the game's steps, as the board plays it (the core's
// ApplyMove standing for the board's steps between its drawing calls).
void Play(BoardGameCore& game, const std::string& move)
{
    const Square from = Sq(move.c_str());
    const Square to = Sq(move.c_str() + 2);
    ASSERT_TRUE(game.IsLegalMove(from, to)) << move;
    game.BeginMove(from, to);
    const char promotion = move.size() > 4 ? move[4] : 'q';
    const MoveOutcome outcome = ApplyMove(game.MutableState(), from, to, promotion);
    game.TurnPassed();
    if (outcome.promotedTo != EmptySquare)
        game.NotePromotion(to);
    game.EndMove();
}

void PlayAll(BoardGameCore& game, const std::vector<std::string>& moves)
{
    for (const std::string& move : moves)
        Play(game, move);
}

std::vector<std::string> MoveList(const BoardGameCore& game)
{
    std::vector<std::string> list;
    game.History().GetMoveList(list);
    return list;
}

TEST(BoardGameCore, TheStepsRecordEachMoveAndItsPromotionInTheSlotItWasPlayedFrom)
{
    BoardGameCore game;
    game.Reset();
    game.SetPlacement(std::string("k       ") + "   P    " + std::string(32, ' ') + "    p   " + "K       ");
    PlayAll(game, {"d7d8n", "e2e1r", "a1a2"});
    EXPECT_EQ(MoveList(game), (std::vector<std::string>{"1. D7-D8", std::string(14, ' ') + "E2-E1", "2. A1-A2"}));
    // White's promotion is noted in (1, White), Black's in (1, Black).
    EXPECT_EQ(game.History().Slot(1, true)->Promotion, 'N');
    EXPECT_EQ(game.History().Slot(1, false)->Promotion, 'r');
    EXPECT_EQ(game.History().Slot(2, true)->Promotion, ' ');
    // The record ends at the position reached, which its slot holds.
    EXPECT_EQ(game.History().LastMoveNumber(), 2);
    EXPECT_FALSE(game.History().LastWhiteToMove());
    EXPECT_EQ(game.History().Slot(2, false)->Placement, PositionString(game.State().Board));
}

TEST(BoardGameCore, NoMoveIsLegalWhileHeldOrOnceARepetitionEndsTheGame)
{
    BoardGameCore game;
    game.Reset();
    EXPECT_FALSE(game.IsLegalMove(Square::None, Sq("e4")));
    game.AcceptsMoves = false;
    EXPECT_FALSE(game.IsLegalMove(Sq("e2"), Sq("e4")));
    game.SetPlacement("init");
    EXPECT_TRUE(game.AcceptsMoves);

    PlayAll(game, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"});
    EXPECT_TRUE(game.ThreefoldRepetition());
    EXPECT_FALSE(game.IsLegalMove(Sq("e2"), Sq("e4")));
    game.ThreefoldEndsGame = false;
    EXPECT_TRUE(game.IsLegalMove(Sq("e2"), Sq("e4")));

    game.AcceptsMoves = false;
    game.Reset();
    EXPECT_TRUE(game.AcceptsMoves);
    EXPECT_FALSE(game.ThreefoldRepetition());
    EXPECT_TRUE(MoveList(game).empty());
}

TEST(BoardGameCore, GotoRestoresARecordedPositionWithItsRightsAndEnPassantSquare)
{
    BoardGameCore game;
    game.Reset();
    PlayAll(game, {"e2e4", "e7e5", "e1e2", "d7d5"});
    const GameState afterE4 = [] {
        GameState state;
        ApplyMove(state, Sq("e2"), Sq("e4"));
        return state;
    }();

    ASSERT_TRUE(game.Goto(1, false));
    EXPECT_EQ(game.State(), afterE4);
    EXPECT_EQ(game.State().EnPassant, Sq("e3"));
    EXPECT_EQ(game.State().CastlingAllowed, CastleSet::All());
    EXPECT_EQ(game.State().CurrentMove, 1);

    // Beyond the record's end, or before its start: nothing changes.
    EXPECT_FALSE(game.Goto(3, false));
    EXPECT_FALSE(game.Goto(0, false));
    EXPECT_EQ(game.State(), afterE4);

    ASSERT_TRUE(game.Goto(2, false));
    EXPECT_FALSE(game.State().CastlingAllowed.Contains(CanStillCastle::WhiteKingSide));
    EXPECT_TRUE(game.State().CastlingAllowed.Contains(CanStillCastle::BlackKingSide));
    EXPECT_EQ(game.State().EnPassant, Square::None);
    EXPECT_EQ(game.State().Board[Ord(Sq("e2"))], 'K');
    ASSERT_TRUE(game.Goto(3, true));
    EXPECT_EQ(game.State().EnPassant, Sq("d6"));
    EXPECT_EQ(game.State().CurrentMove, 3);
}

TEST(BoardGameCore, MovesTakenBackWaitUntilAnotherMoveEntersTheGame)
{
    BoardGameCore game;
    game.Reset();
    PlayAll(game, {"e2e4", "e7e5", "g1f3"});
    ASSERT_EQ(game.TakeBackCount(), 3);
    game.TakeBack(2);
    EXPECT_EQ(game.TakeBackCount(), 1);
    EXPECT_EQ(game.RedoCount(), 2);
    EXPECT_EQ(MoveList(game), std::vector<std::string>{"1. E2-E4"});

    std::vector<TakeBackLine::Move> line = game.ReleaseRedo();
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[0].OldSq, Sq("e7"));
    EXPECT_EQ(game.RedoCount(), 0);
    Play(game, "e7e5");
    game.KeepRedo({line.begin() + 1, line.end()});
    EXPECT_EQ(game.RedoCount(), 1);

    // Another move than the one waiting ends the line.
    Play(game, "b1c3");
    EXPECT_EQ(game.RedoCount(), 0);
    EXPECT_EQ(game.TakeBackCount(), 3);
}

TEST(BoardGameCore, TheCastlingRulesReachTheRecordAndANewGameEndsThem)
{
    BoardGameCore game;
    game.Reset();
    game.SetChess960(true);
    game.SetCastlingRookFiles({7, 2, 7, 2});
    Play(game, "e2e4");
    const GameState slot = game.History().SlotState(*game.History().Slot(1, true), true);
    EXPECT_TRUE(slot.Chess960);
    EXPECT_EQ(slot.CastlingRookFile, (std::array<std::uint8_t, 4>{7, 2, 7, 2}));

    game.Reset();
    EXPECT_EQ(game.State(), GameState());
    EXPECT_FALSE(game.State().Chess960);
    EXPECT_EQ(game.State().CastlingRookFile, GameState().CastlingRookFile);
    Play(game, "e2e4");
    EXPECT_FALSE(game.History().SlotState(*game.History().Slot(1, true), true).Chess960);
}

} // namespace
