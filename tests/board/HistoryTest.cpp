// The game record: move list lines, going back with GotoMove, and the
// threefold repetition that freezes the game.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

using namespace boardtest;
using Lines = std::vector<std::string>;

namespace {

Lines MoveList(const TChessBoard& board)
{
    Lines lines;
    board.GetMoveList(lines);
    return lines;
}

TEST(MoveList, EmptyGameAppendsNothing)
{
    TChessBoard board(nullptr, true);
    Lines lines{"kept"};
    board.GetMoveList(lines);
    EXPECT_EQ(lines, Lines{"kept"});
}

TEST(MoveList, LineFormat)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5", "g1f3"}));
    Lines lines{"kept"};
    board.GetMoveList(lines);
    EXPECT_EQ(lines, (Lines{"kept", "1. E2-E4", "              E7-E5", "2. G1-F3"}));
}

TEST(MoveList, PromotionShowsOnlyItsSquares)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/4P3/8/8/8/8/8/K7 w - -");
    ASSERT_TRUE(board.MakeMove(Square::E7, Square::E8));
    EXPECT_EQ(MoveList(board), Lines{"1. E7-E8"});
}

TEST(MoveList, DoubleDigitMoveNumbersKeepFourteenBlanks)
{
    TChessBoard board(nullptr, true);
    std::vector<std::string> moves;
    // Knights wander without repeating a position.
    const char* tour[] = {"g1f3", "g8f6", "b1c3", "b8c6", "f3g5", "f6g4", "c3b5", "c6b4", "g5e4", "g4e5",
                          "b5d4", "b4d5", "e4g3", "e5g6", "d4f3", "d5f6", "g3h5", "g6h4", "f3h4"};
    for (const char* m : tour)
        moves.push_back(m);
    ASSERT_TRUE(Play(board, moves));
    const Lines lines = MoveList(board);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[17], "              G6-H4");
    EXPECT_EQ(lines[18], "10. F3-H4");
}

TEST(MoveList, SlotSkippedByWritingTheSideToMove)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5"}));
    board.SetWhiteToMove(false);
    ASSERT_TRUE(board.MakeMove(Square::D7, Square::D5));
    EXPECT_EQ(MoveList(board), (Lines{"1. E2-E4", "              E7-E5", "2. ...", "              D7-D5"}));
}

TEST(GotoMove, BackAndForwardThroughTheRecordedGame)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5", "g1f3", "b8c6"}));
    const std::string last = board.Position();
    EventLog log(board);

    ASSERT_TRUE(board.GotoMove(1, false));
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.EnPassant(), Square::E3);
    EXPECT_EQ(board.PieceAt(Square::E4), 'P');
    EXPECT_EQ(board.PieceAt(Square::E7), 'p');

    ASSERT_TRUE(board.GotoMove(3, true));
    EXPECT_EQ(board.Position(), last);
    EXPECT_EQ(board.CurrentMove(), 3);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.EnPassant(), Square::None);

    EXPECT_FALSE(board.GotoMove(3, false));
    EXPECT_FALSE(board.GotoMove(4, true));
    EXPECT_FALSE(board.GotoMove(0, true));
    EXPECT_FALSE(board.GotoMove(-7, false));
    EXPECT_FALSE(board.GotoMove(2147483647, true));
    EXPECT_EQ(board.Position(), last);
    EXPECT_TRUE(log.Take().empty()); // going back fires nothing
    EXPECT_EQ(MoveList(board).size(), 4u);
}

TEST(GotoMove, RestoresCastlingRights)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    ASSERT_TRUE(Play(board, {"e1g1", "a8b8"}));
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(board.CastlingAllowed(), CastleSet::All());
    EXPECT_EQ(board.PieceAt(Square::E1), 'K');
    EXPECT_TRUE(board.IsLegalMove(Square::E1, Square::C1));
}

TEST(GotoMove, PlayingOnFromAnEarlierPositionCutsTheList)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5", "g1f3", "b8c6"}));
    ASSERT_TRUE(board.GotoMove(1, false));
    ASSERT_TRUE(board.MakeMove(Square::C7, Square::C5));
    EXPECT_EQ(MoveList(board), (Lines{"1. E2-E4", "              C7-C5"}));
    EXPECT_FALSE(board.GotoMove(3, true));
}

TEST(GotoMove, LineIndexMappingOfTheMoveList)
{
    // The main window maps line i to GotoMove((i + 1) / 2 + 1, (i + 1) % 2 == 0):
    // the position right after that line's half-move.
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5", "g1f3"}));
    ASSERT_TRUE(board.GotoMove((1 + 1) / 2 + 1, (1 + 1) % 2 == 0));
    EXPECT_EQ(board.PieceAt(Square::E5), 'p');
    EXPECT_EQ(board.PieceAt(Square::G1), 'N');
    EXPECT_TRUE(board.WhiteToMove());
}

TEST(Repetition, KnightsOutAndBackTwice)
{
    TChessBoard board(nullptr, true);
    EventLog log(board);
    ASSERT_TRUE(Play(board, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1"}));
    EXPECT_FALSE(board.ThreefoldRepetition());
    log.Take();
    ASSERT_TRUE(board.MakeMove(Square::F6, Square::G8));
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"LegalMove f6g8", "Threefold", "Draw", "Paint"}));
    EXPECT_TRUE(board.ThreefoldRepetition());
    EXPECT_TRUE(board.EndEventGuard());
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::E4));
    EXPECT_FALSE(board.MakeMove(Square::E2, Square::E4));
    EXPECT_TRUE(log.Take().empty());
}

TEST(Repetition, PositionWriteDoesNotUnfreezeButGotoMoveAndNewGameDo)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"}));
    board.SetPosition("init");
    EXPECT_FALSE(board.MakeMove(Square::E2, Square::E4));
    ASSERT_TRUE(board.GotoMove(4, true));
    EXPECT_TRUE(board.MakeMove(Square::E2, Square::E4));
    board.NewGame();
    EXPECT_TRUE(board.MakeMove(Square::E2, Square::E4));
}

} // namespace
