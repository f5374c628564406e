// Every legal move of a position, found by asking IsLegalMove about all
// 64 x 64 square pairs, compared with move counts known to be right (perft
// to depth 1). A promotion is one square pair but four moves in a perft
// count, so the expected number of pairs subtracts three per promotion pair.
#include "BoardTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace boardtest;

namespace {

struct ListingCase {
    const char* name;
    const char* fen;
    int perft1;         // legal moves, promotions counted once per piece
    int promotionPairs; // square pairs that are promotions
};

void PrintTo(const ListingCase& c, std::ostream* out)
{
    *out << c.name << " (" << c.fen << ")";
}

class LegalMoveListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(LegalMoveListing, PairCountMatchesKnownMoveCount)
{
    const ListingCase& c = GetParam();
    TChessBoard board(nullptr, true);
    SetUpFen(board, c.fen);
    const std::vector<std::string> pairs = LegalPairs(board);
    EXPECT_EQ(static_cast<int>(pairs.size()), c.perft1 - 3 * c.promotionPairs) << c.fen;
    EXPECT_EQ(board.HasLegalMove(), !pairs.empty());
}

const ListingCase listingCases[] = {
    {"Initial", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", 20, 0},
    {"InitialBlackAfterE4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3", 20, 0},
    // Castling both ways, pins, en passant, discovered attacks.
    {"Kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", 48, 0},
    // The king on the rank of an en passant capture, with a rook behind.
    {"RookAndPawnsEndgame", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -", 14, 0},
    {"EnPassantWouldExposeKingOnRank", "8/2p5/3p4/KP5r/1R2Pp1k/8/6P1/8 b - e3", 16, 0},
    // White in check from a bishop, with promotions waiting.
    {"InCheckWithPromotionsAround", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -", 6, 0},
    {"InCheckMirrored", "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ -", 6, 0},
    // A promotion by capture (d7xc8), castling king side, a knight check.
    {"PromotionByCapture", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -", 44, 1},
    {"MiddlegameBothCastled", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - -", 46, 0},
    // Hand-counted positions for single rules.
    {"EnPassantExposesKingAlongRank", "8/8/8/KPp4r/8/8/8/7k w - c6", 4, 0},
    {"EnPassantAllowedWithoutRook", "8/8/8/KPp5/8/8/8/7k w - c6", 5, 0},
    {"EnPassantAnswersPawnCheck", "8/8/8/2k5/3Pp3/8/8/4K3 b - d3", 9, 0},
    {"BothCastlingsOpen", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", 26, 0},
    {"CastlingThroughAttackedSquare", "r3k2r/8/b7/8/8/8/8/R3K2R w KQkq -", 21, 0},
    {"AttackOnB1DoesNotStopQueenSideCastling", "r3k2r/7b/8/8/8/8/8/R3K2R w KQkq -", 25, 0},
    {"NoCastlingOutOfCheck", "r3k2r/8/8/8/4r3/8/8/R3K2R w KQkq -", 4, 0},
    {"PinnedKnightCannotMove", "4k3/8/8/8/1b6/8/3N4/4K3 w - -", 4, 0},
    {"PinnedRookMovesAlongPin", "4k3/4r3/8/8/8/8/4R3/4K3 w - -", 9, 0},
    {"PromotionNextToKings", "8/P7/8/8/8/8/8/k1K5 w - -", 7, 1},
    {"BlackPromotionNextToKings", "K1k5/8/8/8/8/8/p7/8 b - -", 7, 1},
};

INSTANTIATE_TEST_SUITE_P(KnownPositions, LegalMoveListing, ::testing::ValuesIn(listingCases),
                         [](const ::testing::TestParamInfo<ListingCase>& c) { return c.param.name; });

bool Contains(const std::vector<std::string>& pairs, const char* move)
{
    return std::find(pairs.begin(), pairs.end(), move) != pairs.end();
}

TEST(LegalMoveListingDetail, EnPassantWithKingOnRankIsTheMissingMove)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "8/8/8/KPp4r/8/8/8/7k w - c6");
    const auto withRook = LegalPairs(board);
    EXPECT_FALSE(Contains(withRook, "b5c6"));
    EXPECT_TRUE(Contains(withRook, "b5b6"));
    SetUpFen(board, "8/8/8/KPp5/8/8/8/7k w - c6");
    EXPECT_TRUE(Contains(LegalPairs(board), "b5c6"));
}

TEST(LegalMoveListingDetail, CastlingPairsFollowAttackedSquares)
{
    TChessBoard board(nullptr, true);
    SetUpFen(board, "r3k2r/8/b7/8/8/8/8/R3K2R w KQkq -");
    auto pairs = LegalPairs(board);
    EXPECT_TRUE(Contains(pairs, "e1c1"));
    EXPECT_FALSE(Contains(pairs, "e1g1"));
    SetUpFen(board, "r3k2r/7b/8/8/8/8/8/R3K2R w KQkq -");
    pairs = LegalPairs(board);
    EXPECT_TRUE(Contains(pairs, "e1c1"));
    EXPECT_TRUE(Contains(pairs, "e1g1"));
}

} // namespace
