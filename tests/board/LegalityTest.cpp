// Legality of single moves: the movement rules, en passant and its expiry,
// pins, kings, missing kings, and the repetition clause of IsLegalMove.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

using namespace boardtest;

namespace {

TEST(Legality, InitialPosition)
{
    TChessBoard board(nullptr, true);
    EXPECT_TRUE(board.IsLegalMove(Square::E2, Square::E4));
    EXPECT_TRUE(board.IsLegalMove(Square::E2, Square::E3));
    EXPECT_TRUE(board.IsLegalMove(Square::G1, Square::F3));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::E5));
    EXPECT_FALSE(board.IsLegalMove(Square::E7, Square::E5));
    EXPECT_FALSE(board.IsLegalMove(Square::A1, Square::A2));
    EXPECT_FALSE(board.IsLegalMove(Square::F1, Square::C4));
    EXPECT_FALSE(board.IsLegalMove(Square::E1, Square::G1));
    EXPECT_FALSE(board.IsLegalMove(Square::E3, Square::E4));
}

TEST(Legality, SquaresOffTheBoardAreRefused)
{
    TChessBoard board(nullptr, true);
    EXPECT_FALSE(board.IsLegalMove(Square::None, Square::E4));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::None));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, SquareFromOrd(65)));
    EXPECT_FALSE(board.IsLegalMove(SquareFromOrd(200), Square::E4));
    EXPECT_FALSE(board.MakeMove(Square::E2, SquareFromOrd(99)));
}

TEST(Legality, PawnsNeverMoveStraightOntoOrOverPieces)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "4k3/8/8/8/8/4n3/4P3/4K3 w - -");
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::E4));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::E3));
    SetUpFen(board, "4k3/8/8/8/4n3/8/4P3/4K3 w - -");
    EXPECT_TRUE(board.IsLegalMove(Square::E2, Square::E3));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::E4));
}

TEST(Legality, EnPassantOnlyOnTheNextMove)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"e2e4", "a7a6", "e4e5", "d7d5"}));
    EXPECT_EQ(board.EnPassant(), Square::D6);
    EXPECT_TRUE(board.IsLegalMove(Square::E5, Square::D6));
    ASSERT_TRUE(Play(board, {"g1f3", "a6a5"}));
    EXPECT_EQ(board.EnPassant(), Square::None);
    EXPECT_FALSE(board.IsLegalMove(Square::E5, Square::D6));
}

TEST(Legality, EnPassantThatExposesKingAlongRankIsIllegal)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "7k/2p5/8/KP5r/8/8/8/8 b - -");
    ASSERT_TRUE(board.MakeMove(Square::C7, Square::C5));
    EXPECT_EQ(board.EnPassant(), Square::C6);
    EXPECT_FALSE(board.IsLegalMove(Square::B5, Square::C6));
    EXPECT_TRUE(board.IsLegalMove(Square::B5, Square::B6));
}

TEST(Legality, PinsAndKings)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "4k3/4r3/8/8/8/8/4B3/4K3 w - -");
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::D3));
    SetUpFen(board, "8/8/8/3k4/8/3K4/8/8 w - -");
    EXPECT_FALSE(board.IsLegalMove(Square::D3, Square::D4));
    EXPECT_FALSE(board.IsLegalMove(Square::D3, Square::E4));
    EXPECT_TRUE(board.IsLegalMove(Square::D3, Square::D2));
}

TEST(Legality, CastlingNeedsRightRookEmptyAndSafeSquares)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "4k3/8/8/8/8/8/8/R3K2R w KQ -");
    EXPECT_TRUE(board.IsLegalMove(Square::E1, Square::G1));
    EXPECT_TRUE(board.IsLegalMove(Square::E1, Square::C1));
    board.SetCastlingAllowed(CastleSet{CanStillCastle::WhiteQueenSide});
    EXPECT_FALSE(board.IsLegalMove(Square::E1, Square::G1));
    SetUpFen(board, "4k3/8/8/8/8/8/8/RN2K1NR w KQ -");
    EXPECT_FALSE(board.IsLegalMove(Square::E1, Square::C1)); // B1 occupied
    EXPECT_FALSE(board.IsLegalMove(Square::E1, Square::G1));
    SetUpFen(board, "4k3/8/8/8/8/8/8/4K2B w K -");
    EXPECT_FALSE(board.IsLegalMove(Square::E1, Square::G1)); // no rook in the corner
    SetUpFen(board, "4k3/8/8/8/8/8/6p1/4K2R w K -");
    EXPECT_FALSE(board.IsLegalMove(Square::E1, Square::G1)); // F1 attacked by the pawn
    SetUpFen(board, "4k3/8/8/8/8/8/8/r3K3 w Q -");
    EXPECT_FALSE(board.IsLegalMove(Square::E1, Square::C1)); // own rook needed, not Black's
}

TEST(Legality, BlackCastling)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "r3k2r/8/8/8/8/8/8/4K3 b kq -");
    EXPECT_TRUE(board.IsLegalMove(Square::E8, Square::G8));
    EXPECT_TRUE(board.IsLegalMove(Square::E8, Square::C8));
    SetUpFen(board, "r3k2r/8/8/8/8/8/8/3RK3 b kq -");
    EXPECT_FALSE(board.IsLegalMove(Square::E8, Square::C8)); // D8 attacked
    EXPECT_TRUE(board.IsLegalMove(Square::E8, Square::G8));
}

TEST(Legality, MissingKings)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "8/4p3/8/8/8/8/4P3/4K3 b - -");
    EXPECT_FALSE(board.IsLegalMove(Square::E7, Square::E6));
    EXPECT_FALSE(board.HasLegalMove());
    EXPECT_TRUE(board.BlackKingAttacked(Square::E7, Square::E7));
    SetUpFen(board, "4k3/4p3/8/8/8/8/4P3/8 w - -");
    EXPECT_TRUE(board.IsLegalMove(Square::E2, Square::E4));
    EXPECT_FALSE(board.WhiteKingAttacked(Square::E2, Square::E2));
}

TEST(Legality, KingAttackTestsWithAndWithoutAMove)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "4k3/8/8/8/8/8/4R3/4K3 b - -");
    EXPECT_TRUE(board.BlackKingAttacked(Square::E8, Square::E8));
    EXPECT_FALSE(board.BlackKingAttacked(Square::E8, Square::D8));
    SetUpFen(board, "4k3/8/8/8/8/8/4r3/4K3 w - -");
    EXPECT_TRUE(board.WhiteKingAttacked(Square::E1, Square::E1));
    EXPECT_FALSE(board.WhiteKingAttacked(Square::E1, Square::D1));
    // A pawn attacks diagonally forward only.
    SetUpFen(board, "8/8/8/8/8/3p4/4K3/7k w - -");
    EXPECT_TRUE(board.WhiteKingAttacked(Square::E2, Square::E2));
    SetUpFen(board, "8/8/8/8/8/8/4K3/3p3k w - -");
    EXPECT_FALSE(board.WhiteKingAttacked(Square::E2, Square::E2));
}

} // namespace
