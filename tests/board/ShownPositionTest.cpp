// OnShownPositionChanged: fired once after every change of the shown
// position (a move, GotoMove, SetPosition, NewGame), after the move's own
// events, and never for a refused move or a slot outside the game.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

using namespace boardtest;

TEST(ShownPosition, EveryChangeOfTheShownPositionIsAnnouncedOnce)
{
    TChessBoard board(nullptr, true);
    board.SetAnimateMoves(false);
    EventLog log(board);
    std::vector<std::string> seen; // the position each announcement shows
    board.OnShownPositionChanged = [&](QObject* sender) {
        EXPECT_EQ(sender, &board);
        log.events.push_back("Shown");
        seen.push_back(board.Position());
    };

    ASSERT_TRUE(board.MakeMove(Sq("e2"), Sq("e4")));
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"LegalMove e2e4", "Paint", "Shown"}));
    EXPECT_EQ(seen.back(), board.Position());
    EXPECT_FALSE(board.MakeMove(Sq("e2"), Sq("e4")));
    EXPECT_TRUE(log.Take().empty());

    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(log.Take(), std::vector<std::string>{"Shown"});
    EXPECT_EQ(seen.back(), PlacementFromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR"));
    EXPECT_FALSE(board.GotoMove(7, true));
    EXPECT_TRUE(log.Take().empty());

    board.SetPosition(PlacementFromFen("4k3/8/8/8/8/8/8/4K3"));
    board.NewGame();
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"Shown", "Shown"}));
    EXPECT_EQ(seen.back(), board.Position());

    // A take-back shows an earlier position; a replay is a move.
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5"}));
    log.Take();
    board.SetHintMove(Sq("g1"), Sq("f3"));
    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_EQ(log.Take(), std::vector<std::string>{"Shown"});
    EXPECT_EQ(board.HintFrom(), Square::None);
    ASSERT_TRUE(board.Redo(1));
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"LegalMove e7e5", "Paint", "Shown"}));

    // A handler may clear its own slot while it runs.
    board.OnShownPositionChanged = [&](QObject*) { board.OnShownPositionChanged = nullptr; };
    ASSERT_TRUE(board.MakeMove(Sq("d2"), Sq("d4")));
    EXPECT_FALSE(board.OnShownPositionChanged);
}

TEST(ShownPosition, TheHintGoesWithThePosition)
{
    TChessBoard board(nullptr, true);
    board.SetAnimateMoves(false);
    board.SetHintMove(Sq("g1"), Sq("f3"));
    EXPECT_EQ(board.HintFrom(), Sq("g1"));
    ASSERT_TRUE(board.MakeMove(Sq("e2"), Sq("e4")));
    EXPECT_EQ(board.HintFrom(), Square::None);
    EXPECT_EQ(board.HintTo(), Square::None);
    board.SetHintMove(Sq("e7"), Sq("e5"));
    EXPECT_FALSE(board.MakeMove(Sq("e2"), Sq("e4"))); // refused: it stays
    EXPECT_EQ(board.HintTo(), Sq("e5"));
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(board.HintTo(), Square::None);
}
