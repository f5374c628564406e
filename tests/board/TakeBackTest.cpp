// Taking half-moves back and replaying them: the position and its rights,
// the move list, the line kept for replaying and what ends it, promotions
// replayed as they were, and the repetition record after going back.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace boardtest;
using Lines = std::vector<std::string>;

namespace {

Lines MoveList(const TChessBoard& board)
{
    Lines lines;
    board.GetMoveList(lines);
    return lines;
}

struct Snapshot {
    std::string position;
    bool whiteToMove;
    int currentMove;
    CastleSet castling;
    Square enPassant;
    Lines list;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const TChessBoard& board)
{
    return {board.Position(),        board.WhiteToMove(), board.CurrentMove(),
            board.CastlingAllowed(), board.EnPassant(),   MoveList(board)};
}

} // namespace

TEST(TakeBack, ReturnsToEarlierPositionsWithTheirRightsAndShortensTheList)
{
    TChessBoard board(nullptr, true);
    EXPECT_EQ(board.TakeBackCount(), 0);
    EXPECT_FALSE(board.TakeBack(1));

    std::vector<Snapshot> seen{Take(board)};
    // Castling rights go with the king's move; e5 leaves an en passant square.
    for (const char* move : {"e2e4", "d7d5", "e4e5", "f7f5", "e1e2"}) {
        ASSERT_TRUE(Play(board, {move}));
        seen.push_back(Take(board));
    }
    EXPECT_EQ(board.TakeBackCount(), 5);
    EXPECT_EQ(board.RedoCount(), 0);

    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_EQ(Take(board), seen[4]);
    EXPECT_EQ(board.EnPassant(), Sq("f6"));
    EXPECT_EQ(board.CastlingAllowed(), CastleSet::All());
    // The pawn on e5 can take en passant again.
    EXPECT_TRUE(board.IsLegalMove(Sq("e5"), Sq("f6")));

    ASSERT_TRUE(board.TakeBack(3));
    EXPECT_EQ(Take(board), seen[1]);
    EXPECT_EQ(MoveList(board), Lines{"1. E2-E4"});
    EXPECT_EQ(board.TakeBackCount(), 1);
    EXPECT_EQ(board.RedoCount(), 4);
    // Positions after the current one are no longer in the game.
    EXPECT_FALSE(board.GotoMove(3, true));

    // Too many or none: refused, nothing changes.
    EXPECT_FALSE(board.TakeBack(2));
    EXPECT_FALSE(board.TakeBack(0));
    EXPECT_EQ(Take(board), seen[1]);

    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_EQ(Take(board), seen[0]);
    EXPECT_TRUE(MoveList(board).empty());
    EXPECT_EQ(board.RedoCount(), 5);
}

TEST(TakeBack, RedoReplaysThroughMakeMoveWithItsEvents)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5", "g1f3", "b8c6"}));
    const Snapshot end = Take(board);
    ASSERT_TRUE(board.TakeBack(2));
    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_EQ(board.RedoCount(), 3);

    EventLog log(board);
    int shown = 0;
    board.OnShownPositionChanged = [&shown](QObject*) { ++shown; };
    ASSERT_TRUE(board.TakeBack(1));
    ASSERT_TRUE(board.Redo(1));
    EXPECT_EQ(shown, 2);
    log.Take();
    EXPECT_FALSE(board.Redo(4));
    EXPECT_TRUE(log.Take().empty());
    ASSERT_TRUE(board.Redo(1));
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"LegalMove e7e5", "Paint"}));
    EXPECT_EQ(board.RedoCount(), 2);
    ASSERT_TRUE(board.Redo(2));
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"LegalMove g1f3", "Paint", "LegalMove b8c6", "Paint"}));
    EXPECT_EQ(Take(board), end);
    EXPECT_EQ(board.RedoCount(), 0);
    EXPECT_EQ(board.TakeBackCount(), 4);
}

TEST(TakeBack, ANewMoveOrAnotherStartDiscardsTheMovesTakenBack)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5", "g1f3"}));
    ASSERT_TRUE(board.TakeBack(2));
    ASSERT_EQ(board.RedoCount(), 2);
    // Another move from here: the old line is gone, also once that move is
    // taken back (only it can be replayed then).
    ASSERT_TRUE(Play(board, {"c7c5"}));
    EXPECT_EQ(board.RedoCount(), 0);
    EXPECT_EQ(MoveList(board), (Lines{"1. E2-E4", "              C7-C5"}));
    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_EQ(board.RedoCount(), 1);
    ASSERT_TRUE(board.Redo(1));
    EXPECT_EQ(board.PieceAt(Sq("c5")), 'p');

    // Showing another position of the list ends the line.
    ASSERT_TRUE(board.TakeBack(1));
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(board.RedoCount(), 0);

    // So does a new game, even where it stands in the same place.
    ASSERT_TRUE(Play(board, {"d2d4"}));
    ASSERT_TRUE(board.TakeBack(1));
    ASSERT_EQ(board.RedoCount(), 1);
    board.NewGame();
    EXPECT_EQ(board.RedoCount(), 0);
    EXPECT_EQ(board.TakeBackCount(), 0);

    // And a loaded placement.
    ASSERT_TRUE(Play(board, {"d2d4"}));
    ASSERT_TRUE(board.TakeBack(1));
    board.SetPosition(PlacementFromFen("4k3/8/8/8/8/8/8/4K3"));
    EXPECT_EQ(board.RedoCount(), 0);
}

TEST(TakeBack, APromotionIsReplayedAsThePieceItBecame)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/1P6/8/8/8/8/8/K7 w - -");
    board.OnPromotion = [](QObject*, Square, Square, char& piece) { piece = 'n'; };
    ASSERT_TRUE(board.MakeMove(Sq("b7"), Sq("b8")));
    ASSERT_EQ(board.PieceAt(Sq("b8")), 'N');
    board.OnPromotion = nullptr;
    board.SetPromotionPiece('q');

    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_EQ(board.PieceAt(Sq("b7")), 'P');
    EXPECT_EQ(board.PieceAt(Sq("b8")), ' ');
    ASSERT_TRUE(board.Redo(1));
    EXPECT_EQ(board.PieceAt(Sq("b8")), 'N');
    // The board's own choice for later promotions is kept.
    EXPECT_EQ(board.PromotionPiece(), 'q');
}

TEST(TakeBack, TheRepetitionRecordFollowsTheGameAsItNowStands)
{
    TChessBoard board(nullptr, true);
    // The knights go out and back twice: the start position a third time.
    const std::vector<std::string> dance = {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"};
    ASSERT_TRUE(Play(board, dance));
    ASSERT_TRUE(board.ThreefoldRepetition());
    EXPECT_FALSE(board.IsLegalMove(Sq("e2"), Sq("e4")));

    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_FALSE(board.ThreefoldRepetition());
    EXPECT_TRUE(board.IsLegalMove(Sq("e7"), Sq("e5")));

    // Replayed, the repetition stands again and freezes the game.
    EventLog log(board);
    ASSERT_TRUE(board.Redo(1));
    const std::vector<std::string> events = log.Take();
    EXPECT_NE(std::find(events.begin(), events.end(), "Threefold"), events.end());
    EXPECT_TRUE(board.ThreefoldRepetition());

    // A different last move instead: no repetition.
    ASSERT_TRUE(board.TakeBack(1));
    ASSERT_TRUE(Play(board, {"f6h5"}));
    EXPECT_FALSE(board.ThreefoldRepetition());
}

TEST(TakeBack, AGameBegunByBlackGoesBackToItsFirstPosition)
{
    TChessBoard board(nullptr, true);
    board.SetWhiteToMove(false);
    ASSERT_TRUE(Play(board, {"e7e5", "d2d4"}));
    EXPECT_EQ(MoveList(board), (Lines{"1. ...", "              E7-E5", "2. D2-D4"}));
    EXPECT_EQ(board.TakeBackCount(), 2);
    ASSERT_TRUE(board.TakeBack(2));
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.Position(), "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR");
    EXPECT_EQ(board.TakeBackCount(), 0);
    ASSERT_TRUE(board.Redo(2));
    EXPECT_EQ(board.PieceAt(Sq("d4")), 'P');
}
