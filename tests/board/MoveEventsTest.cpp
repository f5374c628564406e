// MakeMove through whole games: the events each move fires and their order,
// what a handler sees when its event fires, special moves, and game ends.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

using namespace boardtest;
using Events = std::vector<std::string>;

namespace {

TEST(MoveEvents, RefusedMoveFiresNothingAndChangesNothing)
{
    TChessBoard board(nullptr, true);
    EventLog log(board);
    const std::string before = board.Position();
    EXPECT_FALSE(board.MakeMove(Square::E2, Square::E5));
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(board.Position(), before);
    EXPECT_TRUE(board.WhiteToMove());
}

TEST(MoveEvents, QuietMovesAndMoveNumbers)
{
    TChessBoard board(nullptr, true);
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e2e4", "Paint"}));
    EXPECT_EQ(board.EnPassant(), Square::E3);
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentMove(), 1);
    ASSERT_TRUE(board.MakeMove(Square::E7, Square::E5));
    EXPECT_EQ(board.CurrentMove(), 2);
    EXPECT_EQ(board.EnPassant(), Square::E6);
}

TEST(MoveEvents, FoolsMate)
{
    TChessBoard board(nullptr, true);
    EventLog log(board);
    ASSERT_TRUE(Play(board, {"f2f3", "e7e5", "g2g4"}));
    log.Take();
    ASSERT_TRUE(board.MakeMove(Square::D8, Square::H4));
    EXPECT_EQ(log.Take(), (Events{"LegalMove d8h4", "Check", "Mate", "Paint"}));
    EXPECT_TRUE(board.EndEventGuard());
    EXPECT_FALSE(board.HasLegalMove());
    EXPECT_FALSE(board.MakeMove(Square::A2, Square::A3));
    EXPECT_FALSE(board.EndEventGuard());
}

// Both castlings, en passant, a capture and a promotion in one short game.
TEST(MoveEvents, GameWithEnPassantPromotionAndBothCastlings)
{
    TChessBoard board(nullptr, true);
    EventLog log(board);
    ASSERT_TRUE(Play(board, {"e2e4", "d7d5", "e4e5", "f7f5"}));
    EXPECT_EQ(board.EnPassant(), Square::F6);
    log.Take();

    ASSERT_TRUE(board.MakeMove(Square::E5, Square::F6));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e5f6", "Capture p", "Paint"}));
    EXPECT_EQ(board.PieceAt(Square::F5), ' ');
    EXPECT_EQ(board.PieceAt(Square::F6), 'P');

    ASSERT_TRUE(Play(board, {"b8c6", "f6g7", "c8d7"}));
    log.Take();
    ASSERT_TRUE(board.MakeMove(Square::G7, Square::H8));
    EXPECT_EQ(log.Take(), (Events{"LegalMove g7h8", "Capture r", "Promotion", "Paint"}));
    EXPECT_EQ(board.PieceAt(Square::H8), 'Q');

    ASSERT_TRUE(Play(board, {"e7e6", "g1f3", "d8e7", "f1e2"}));
    log.Take();
    ASSERT_TRUE(board.MakeMove(Square::E8, Square::C8));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e8c8", "Castle", "Paint"}));
    EXPECT_EQ(board.PieceAt(Square::D8), 'r');
    EXPECT_EQ(board.PieceAt(Square::A8), ' ');

    ASSERT_TRUE(board.MakeMove(Square::E1, Square::G1));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e1g1", "Castle", "Paint"}));
    EXPECT_EQ(board.PieceAt(Square::F1), 'R');
    EXPECT_EQ(board.PieceAt(Square::H1), ' ');
    EXPECT_EQ(board.CastlingAllowed(), CastleSet());

    std::vector<std::string> list;
    board.GetMoveList(list);
    ASSERT_EQ(list.size(), 15u);
    EXPECT_EQ(list[4], "3. E5-F6");
    EXPECT_EQ(list[8], "5. G7-H8");
    EXPECT_EQ(list[13], std::string(14, ' ') + "E8-C8");
    EXPECT_EQ(list[14], "8. E1-G1");
}

TEST(MoveEvents, CastlingMovesRookAndRemovesBothRights)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::G1));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e1g1", "Castle", "Paint"}));
    EXPECT_EQ(board.PieceAt(Square::F1), 'R');
    EXPECT_EQ(board.PieceAt(Square::H1), ' ');
    EXPECT_EQ(board.CastlingAllowed(), (CastleSet{CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide}));
    // The rook on f1 now guards f8: no castling through it.
    EXPECT_FALSE(board.IsLegalMove(Square::E8, Square::G8));
    ASSERT_TRUE(board.MakeMove(Square::E8, Square::C8));
    EXPECT_EQ(board.PieceAt(Square::D8), 'r');
    EXPECT_EQ(board.PieceAt(Square::A8), ' ');
    EXPECT_EQ(board.CastlingAllowed(), CastleSet());
}

TEST(MoveEvents, RookMoveRemovesOnlyItsOwnRight)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    ASSERT_TRUE(board.MakeMove(Square::H1, Square::H2));
    EXPECT_EQ(
        board.CastlingAllowed(),
        (CastleSet{CanStillCastle::WhiteQueenSide, CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide}));
    ASSERT_TRUE(board.MakeMove(Square::A8, Square::A7));
    EXPECT_EQ(board.CastlingAllowed(), (CastleSet{CanStillCastle::WhiteQueenSide, CanStillCastle::BlackKingSide}));
}

TEST(MoveEvents, CastlingThatChecksByTheRook)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "5k2/8/8/8/8/8/8/4K2R w K -");
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::G1));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e1g1", "Castle", "Check", "Paint"}));
}

TEST(MoveEvents, PromotionWithoutHandlerBecomesQueen)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/4P3/8/8/8/8/8/K7 w - -");
    ASSERT_TRUE(board.MakeMove(Square::E7, Square::E8));
    EXPECT_EQ(board.PieceAt(Square::E8), 'Q');
}

TEST(MoveEvents, PromotionLetterFromHandlerIsKeptForBothSides)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/4P3/8/8/8/8/3p4/K7 w - -");
    int calls = 0;
    board.OnPromotion = [&](QObject* sender, Square from, Square to, char& piece) {
        EXPECT_EQ(sender, &board);
        if (calls++ == 0) {
            EXPECT_EQ(from, Square::E7);
            EXPECT_EQ(to, Square::E8);
            EXPECT_EQ(board.PieceAt(Square::E8), 'P'); // the pawn still stands there
            piece = 'n';
        }
    };
    ASSERT_TRUE(board.MakeMove(Square::E7, Square::E8));
    EXPECT_EQ(board.PieceAt(Square::E8), 'N');
    ASSERT_TRUE(board.MakeMove(Square::D2, Square::D1));
    EXPECT_EQ(board.PieceAt(Square::D1), 'n');
    EXPECT_EQ(calls, 2);
}

TEST(MoveEvents, PromotionThatMates)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "6k1/4PR2/6K1/8/8/8/8/8 w - -");
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::E7, Square::E8));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e7e8", "Promotion", "Check", "Mate", "Paint"}));
}

TEST(MoveEvents, StalemateIsADraw)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/8/6K1/8/8/8/8/5Q2 w - -");
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::F1, Square::F7));
    EXPECT_EQ(log.Take(), (Events{"LegalMove f1f7", "StaleMate", "Draw", "Paint"}));
    EXPECT_TRUE(board.EndEventGuard());
}

TEST(MoveEvents, StalemateWithoutDrawHandlerLeavesGuardClear)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/8/6K1/8/8/8/8/5Q2 w - -");
    bool stalemate = false;
    board.OnStaleMate = [&](QObject*, Square, Square) { stalemate = true; };
    ASSERT_TRUE(board.MakeMove(Square::F1, Square::F7));
    EXPECT_TRUE(stalemate);
    EXPECT_FALSE(board.EndEventGuard());
}

TEST(MoveEvents, MateWithoutMateHandlerLeavesGuardClear)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"f2f3", "e7e5", "g2g4", "d8h4"}));
    EXPECT_FALSE(board.EndEventGuard());
}

TEST(MoveEvents, NoMatingMaterialAfterEveryMove)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "k7/8/8/8/3p4/8/1B6/4K3 w - -");
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::B2, Square::D4));
    EXPECT_EQ(log.Take(), (Events{"LegalMove b2d4", "Capture p", "NoMatingMaterial", "Draw", "Paint"}));
    ASSERT_TRUE(board.MakeMove(Square::A8, Square::B8));
    EXPECT_EQ(log.Take(), (Events{"LegalMove a8b8", "NoMatingMaterial", "Draw", "Paint"}));
}

TEST(MoveEvents, MatingMaterialThresholds)
{
    TChessBoard board(nullptr, true);
    EventLog log(board);
    // Bishop (3) against knight (2): no mating material on either side.
    SetUpFen(board, "k7/8/8/8/8/8/1n6/B3K3 w - -");
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::E2));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e1e2", "NoMatingMaterial", "Draw", "Paint"}));
    // Two bishops (6) can mate.
    SetUpFen(board, "k7/8/8/8/8/8/8/BB2K3 w - -");
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::E2));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e1e2", "Paint"}));
    // Bishop and knight (5) can mate.
    SetUpFen(board, "k7/8/8/8/8/8/8/BN2K3 w - -");
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::E2));
    EXPECT_EQ(log.Take(), (Events{"LegalMove e1e2", "Paint"}));
}

TEST(MoveEvents, WhatHandlersSee)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    bool sawLegalMove = false, sawCastle = false;
    board.OnLegalMove = [&](QObject*, Square, Square) {
        sawLegalMove = true;
        EXPECT_EQ(board.PieceAt(Square::G1), 'K');
        EXPECT_EQ(board.PieceAt(Square::H1), 'R'); // rook not yet moved
        EXPECT_FALSE(board.WhiteToMove());
        EXPECT_EQ(board.CastlingAllowed(), CastleSet::All()); // rights not yet updated
        std::vector<std::string> list;
        board.GetMoveList(list);
        EXPECT_EQ(list, (std::vector<std::string>{"1. E1-G1"}));
    };
    board.OnCastle = [&](QObject*, Square, Square) {
        sawCastle = true;
        EXPECT_EQ(board.PieceAt(Square::F1), 'R');
        EXPECT_EQ(board.CastlingAllowed(), CastleSet::All());
    };
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::G1));
    EXPECT_TRUE(sawLegalMove);
    EXPECT_TRUE(sawCastle);

    SetUpFen(board, "4k3/8/8/8/8/8/3P4/4K3 w - -");
    board.OnLegalMove = [&](QObject*, Square, Square) { EXPECT_EQ(board.EnPassant(), Square::None); };
    bool sawPaint = false;
    board.OnPaint = [&](QObject*) {
        sawPaint = true;
        EXPECT_EQ(board.EnPassant(), Square::D3);
    };
    ASSERT_TRUE(board.MakeMove(Square::D2, Square::D4));
    EXPECT_TRUE(sawPaint);
}

TEST(MoveEvents, CheckSeesTheWholeMove)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "4k3/8/8/8/8/8/8/R3K3 w Q -");
    bool sawCheck = false;
    board.OnCheck = [&](QObject*, Square from, Square to) {
        sawCheck = true;
        EXPECT_EQ(from, Square::A1);
        EXPECT_EQ(to, Square::A8);
        EXPECT_EQ(board.CastlingAllowed(), CastleSet());
    };
    ASSERT_TRUE(board.MakeMove(Square::A1, Square::A8));
    EXPECT_TRUE(sawCheck);
}

TEST(MoveEvents, HandlerMayClearItsOwnSlot)
{
    TChessBoard board(nullptr, true);
    int calls = 0;
    board.OnLegalMove = [&](QObject*, Square, Square) {
        ++calls;
        board.OnLegalMove = nullptr;
    };
    ASSERT_TRUE(Play(board, {"e2e4", "e7e5"}));
    EXPECT_EQ(calls, 1);
}

// The same game on a board with its view and its (idle) search thread.
TEST(MoveEvents, FoolsMateOnAFullBoard)
{
    TChessBoard board;
    ASSERT_TRUE(Play(board, {"f2f3", "e7e5", "g2g4"}));
    EventLog log(board);
    ASSERT_TRUE(board.MakeMove(Square::D8, Square::H4));
    EXPECT_EQ(log.Take(), (Events{"LegalMove d8h4", "Check", "Mate", "Paint"}));
}

TEST(MoveEvents, MateHandlerMayStartANewGame)
{
    TChessBoard board;
    ASSERT_TRUE(Play(board, {"f2f3", "e7e5", "g2g4"}));
    board.OnMate = [&](QObject*, Square, Square) { board.NewGame(); };
    ASSERT_TRUE(board.MakeMove(Square::D8, Square::H4));
    EXPECT_EQ(board.Position(), PlacementFromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR"));
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_TRUE(board.MakeMove(Square::E2, Square::E4));
    std::vector<std::string> list;
    board.GetMoveList(list);
    EXPECT_EQ(list, std::vector<std::string>{"1. E2-E4"});
}

TEST(MoveEvents, PlayerMoveMakesTheMove)
{
    TChessBoard board;
    EventLog log(board);
    EXPECT_TRUE(board.PlayerMove(Square::E2, Square::E4));
    EXPECT_FALSE(board.PlayerMove(Square::E2, Square::E4));
    EXPECT_EQ(board.PieceAt(Square::E4), 'P');
    const Events events = log.Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "LegalMove e2e4");
}

} // namespace
