// Square coordinates and the castling-rights byte.
#include "core/Square.h"
#include "core/CastleSet.h"

#include <gtest/gtest.h>

TEST(SquareCoordinates, OrdinalsFollowRankEightFirst)
{
    EXPECT_EQ(Ord(Square::A8), 1);
    EXPECT_EQ(Ord(Square::H8), 8);
    EXPECT_EQ(Ord(Square::E8), 5);
    EXPECT_EQ(Ord(Square::A1), 57);
    EXPECT_EQ(Ord(Square::E1), 61);
    EXPECT_EQ(Ord(Square::H1), 64);
    EXPECT_EQ(FileOf(Square::A8), 1);
    EXPECT_EQ(RankOf(Square::A8), 8);
    EXPECT_EQ(FileOf(Square::H1), 8);
    EXPECT_EQ(RankOf(Square::H1), 1);
}

TEST(SquareCoordinates, SquareAtRoundTripsAndRejectsOffBoard)
{
    for (int n = 1; n <= 64; ++n) {
        Square s = SquareFromOrd(n);
        EXPECT_EQ(SquareAt(FileOf(s), RankOf(s)), s);
    }
    EXPECT_EQ(SquareAt(9, 1), Square::None);
    EXPECT_EQ(SquareAt(1, 0), Square::None);
    EXPECT_EQ(SquareAt(0, 5), Square::None);
    EXPECT_EQ(SquareAt(5, 1), Square::E1);
}

TEST(SquareCoordinates, LightAndDarkSquares)
{
    EXPECT_TRUE(IsLightSquare(Square::A8));
    EXPECT_TRUE(IsLightSquare(Square::H1));
    EXPECT_FALSE(IsLightSquare(Square::A1));
    EXPECT_FALSE(IsLightSquare(Square::H8));
    EXPECT_TRUE(IsLightSquare(Square::D1));
    EXPECT_FALSE(IsLightSquare(Square::E1));
}

TEST(CastleSetBits, MembersMapToTheirBits)
{
    CastleSet s{CanStillCastle::WhiteKingSide, CanStillCastle::BlackQueenSide};
    EXPECT_EQ(s.Bits(), 1 | 8);
    EXPECT_TRUE(s.Contains(CanStillCastle::WhiteKingSide));
    EXPECT_FALSE(s.Contains(CanStillCastle::WhiteQueenSide));
    s.Include(CanStillCastle::WhiteQueenSide);
    s.Exclude(CanStillCastle::WhiteKingSide);
    EXPECT_EQ(s.Bits(), 2 | 8);
    EXPECT_EQ(CastleSet::All().Bits(), 15);
    EXPECT_EQ(CastleSet(0xFF).Bits(), 15);
    EXPECT_EQ(CastleSet(4), CastleSet{CanStillCastle::BlackKingSide});
}
