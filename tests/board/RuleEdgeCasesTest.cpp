// The board's side of rule cases whose rules are the core's (tables in
// tests/core/RuleTablesTest.cpp): the events and refusals of a repetition,
// mobility without the repetition clause, games longer than 256 moves, going
// back before the first move, and a stale en passant square kept by a
// placement written over the position.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

using namespace boardtest;
using Events = std::vector<std::string>;

namespace {

// A placement that stands once with White to move and once with Black to
// move is not a repetition: the kings triangulate so the placement returns
// with the other side to move.
TEST(WholePositionRepetition, SideToMoveCounts)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/8/8/8/3R4/8/8/K7 w - -");
    EventLog log(board);
    // The start placement returns twice with Black to move; with the start
    // (White to move) that is three times, but not the same position.
    ASSERT_TRUE(Play(board, {"a1a2", "h8h7", "a2b1", "h7h8", "b1a1"}));
    ASSERT_TRUE(Play(board, {"h8h7", "a1a2", "h7h8", "a2a1"}));
    EXPECT_FALSE(board.ThreefoldRepetition());
    ASSERT_TRUE(Play(board, {"h8h7", "a1a2", "h7h8"}));
    for (const std::string& e : log.Take())
        EXPECT_NE(e, "Threefold");
    ASSERT_TRUE(board.MakeMove(Square::A2, Square::A1)); // third time with Black to move
    EXPECT_EQ(log.Take(), (Events{"LegalMove a2a1", "Threefold", "Draw", "Paint"}));
    EXPECT_FALSE(board.IsLegalMove(Square::H8, Square::G8));
}

TEST(MobilityAfterGoingBack, StaleSlotAnnouncesNoFalseStalemate)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"}));
    ASSERT_TRUE(board.ThreefoldRepetition());
    ASSERT_TRUE(board.GotoMove(4, false));
    EventLog log(board);
    // The slot of the next position still holds the initial placement of the
    // abandoned line; it must not count while mobility is tested.
    ASSERT_TRUE(board.MakeMove(Square::F6, Square::H5));
    EXPECT_EQ(log.Take(), (Events{"LegalMove f6h5", "Paint"}));
    EXPECT_FALSE(board.ThreefoldRepetition());
    EXPECT_TRUE(board.MakeMove(Square::E2, Square::E4));
}

TEST(MobilityAfterGoingBack, HasLegalMoveIsAboutTheRulesOfMovement)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"}));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::E4));
    EXPECT_TRUE(board.HasLegalMove());
}

// Placement number n: kings on a1 and h8, and White pawns on c3..f6 for the
// bits of n, so that no two half-moves start from the same placement.
std::string NumberedPlacement(int n)
{
    std::string placement(64, ' ');
    placement[Ord(Square::A1) - 1] = 'K';
    placement[Ord(Square::H8) - 1] = 'k';
    int bit = 0;
    for (int rank = 3; rank <= 6; ++rank)
        for (int file = 3; file <= 6; ++file, ++bit)
            if (n & (1 << bit))
                placement[Ord(SquareAt(file, rank)) - 1] = 'P';
    return placement;
}

TEST(LongGame, GoesOnPastMove256)
{
    TChessBoard board(nullptr, true);
    board.SetCastlingAllowed(CastleSet());
    const int halfMoves = 2 * 300;
    for (int n = 0; n < halfMoves; ++n) {
        board.SetPosition(NumberedPlacement(n));
        const bool white = board.WhiteToMove();
        ASSERT_TRUE(white ? board.MakeMove(Square::A1, Square::A2) : board.MakeMove(Square::H8, Square::H7)) << n;
    }
    EXPECT_EQ(board.CurrentMove(), 301);
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(halfMoves));
    EXPECT_EQ(lines[512], "257. A1-A2");
    EXPECT_EQ(lines[599], std::string(14, ' ') + "H8-H7");

    ASSERT_TRUE(board.GotoMove(258, true));
    EXPECT_EQ(board.Position(), NumberedPlacement(514));
    EXPECT_TRUE(board.GotoMove(301, true));
    EXPECT_FALSE(board.GotoMove(301, false));
}

TEST(GotoMoveBeforeFirstMove, ReturnsFalseAndChangesNothing)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "4k3/8/8/8/8/8/8/4K3 b - -");
    EXPECT_FALSE(board.GotoMove(1, true));
    EXPECT_EQ(board.Position(), PlacementFromFen("4k3/8/8/8/8/8/8/4K3"));
    EXPECT_FALSE(board.WhiteToMove());
}

TEST(GotoMoveBeforeFirstMove, NewGameEmptiesTheRecordedGame)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5"}));
    board.NewGame();
    board.SetPosition("");
    EXPECT_FALSE(board.GotoMove(1, true));
    EXPECT_EQ(board.Position(), std::string(64, ' '));
}

TEST(GameBegunByBlack, ListStartsWithAPlaceholderLine)
{
    TChessBoard board(nullptr, true);
    board.SetWhiteToMove(false);
    ASSERT_TRUE(Play(board, {"e7e5", "e2e4"}));
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"1. ...", "              E7-E5", "2. E2-E4"}));
    EXPECT_FALSE(board.GotoMove(1, true));
    ASSERT_TRUE(board.GotoMove(1, false));
    EXPECT_EQ(board.Position(), PlacementFromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR"));
}

TEST(StaleEnPassant, NoCaptureOntoTheOldSquareWithoutAPawnBeside)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "a7a6", "e4e5", "d7d5"}));
    ASSERT_EQ(board.EnPassant(), Square::D6);
    board.SetPosition(PlacementFromFen("4k3/8/8/3nP3/8/8/8/4K3"));
    EXPECT_FALSE(board.IsLegalMove(Square::E5, Square::D6));
    EXPECT_FALSE(board.MakeMove(Square::E5, Square::D6));
    EXPECT_EQ(board.PieceAt(Square::D5), 'n');
}

TEST(StaleEnPassant, OrdinaryCaptureOntoTheOldSquareTakesOnePiece)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "a7a6", "e4e5", "d7d5"}));
    board.SetPosition(PlacementFromFen("4k3/8/3r4/3pP3/8/8/8/4K3"));
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::E5, Square::D6));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e5d6", "Capture r", "Paint"}));
    EXPECT_EQ(board.PieceAt(Square::D5), 'p');
    EXPECT_EQ(board.PieceAt(Square::D6), 'P');
}

} // namespace
