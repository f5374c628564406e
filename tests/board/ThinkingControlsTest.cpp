// The board's computer-player properties as they behave without a search
// thread (design mode): stored values, the depth's range, and the stop and
// resume operations returning at once.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

using namespace boardtest;

namespace {

TEST(ThinkingControls, Defaults)
{
    TChessBoard board(nullptr, true);
    EXPECT_FALSE(board.ComputerPlaysWhite());
    EXPECT_FALSE(board.ComputerPlaysBlack());
    EXPECT_EQ(board.SearchDepth(), 1);
    EXPECT_EQ(board.ThinkingPriority(), TThreadPriority::tpNormal);
    EXPECT_FALSE(board.Thinking());
}

TEST(ThinkingControls, SearchDepthIsKeptInRange)
{
    TChessBoard board(nullptr, true);
    const std::pair<int, int> cases[] = {
        {0, 1}, {-5, 1}, {3, 3}, {1, 1}, {7, 7}, {8, 8}, {9, 8}, {1000, 8}, {-2147483647 - 1, 1}, {2147483647, 8}};
    for (const auto& [written, stored] : cases) {
        board.SetSearchDepth(written);
        EXPECT_EQ(board.SearchDepth(), stored) << written;
    }
}

TEST(ThinkingControls, WithoutThreadWritersOnlyStore)
{
    TChessBoard board(nullptr, true);
    board.SetComputerPlaysWhite(true);
    board.SetComputerPlaysBlack(true);
    board.SetThinkingPriority(TThreadPriority::tpLowest);
    board.SetThinking(true);
    EXPECT_TRUE(board.ComputerPlaysWhite());
    EXPECT_TRUE(board.ComputerPlaysBlack());
    EXPECT_EQ(board.ThinkingPriority(), TThreadPriority::tpLowest);
    EXPECT_FALSE(board.Thinking());
    board.StopThinking();
    board.ResumeThinking();
    board.ThinkingPassDone();
    // The computer plays nothing without a thread: the position stays.
    EXPECT_EQ(board.Position(), PlacementFromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR"));
}

TEST(ThinkingControls, OperationsThatStopDoNotHangWithoutThread)
{
    TChessBoard board(nullptr, true);
    board.SetPosition("init");
    board.SetWhiteToMove(true);
    board.SetEnPassant(Square::E3);
    board.NewGame();
    ASSERT_TRUE(board.PlayerMove(Square::E2, Square::E4));
    EXPECT_TRUE(board.GotoMove(1, true));
}

} // namespace
