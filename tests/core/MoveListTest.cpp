// The core's legal move list against the published perft counts: the list
// and ApplyMove together must reproduce every leaf of the standard trees.
#include "NotationTestSupport.h"

#include "core/MoveExecution.h"
#include "core/MoveList.h"

#include <cstdint>

namespace {

std::uint64_t Perft(const GameState& state, int depth)
{
    const std::vector<ChessMove> moves = LegalMoves(state);
    if (depth == 1)
        return moves.size();
    std::uint64_t total = 0;
    for (const ChessMove& move : moves)
        total += Perft(PositionAfter(state, move), depth - 1);
    return total;
}

} // namespace

TEST(CoreMoveList, PerftMatchesThePublishedCounts)
{
    struct Case {
        int PositionIndex;
        int Depth;
        std::uint64_t Leaves;
    };
    // Depth 4 of the start position, depth 3 of the rest.
    const Case cases[] = {{0, 4, 197281}, {1, 3, 97862}, {2, 3, 2812}, {3, 3, 9467}, {4, 3, 62379}, {5, 3, 89890}};
    for (const Case& c : cases) {
        const NamedFen& position = StandardPositions[c.PositionIndex];
        EXPECT_EQ(Perft(FenState(position.Fen), c.Depth), c.Leaves) << position.Name;
    }
}

TEST(CoreMoveList, PromotionsAreListedOncePerPiece)
{
    const GameState state = FenState("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    std::vector<ChessMove> fromB7;
    AppendLegalMovesFrom(state, Square::B7, fromB7);
    ASSERT_EQ(fromB7.size(), 4u);
    EXPECT_EQ(fromB7[0], (ChessMove{Square::B7, Square::B8, 'Q'}));
    EXPECT_EQ(fromB7[3], (ChessMove{Square::B7, Square::B8, 'N'}));
    EXPECT_TRUE(IsLegalMove(state, {Square::B7, Square::B8, 'R'}));
    EXPECT_FALSE(IsLegalMove(state, {Square::B7, Square::B8, EmptySquare}));
    EXPECT_FALSE(IsLegalMove(state, {Square::B7, Square::B8, 'K'}));
    EXPECT_FALSE(IsLegalMove(state, {Square::E1, Square::E2, 'Q'}));
    EXPECT_EQ(PositionAfter(state, {Square::B7, Square::B8, 'N'}).At(Square::B8), 'N');
}

TEST(CoreMoveList, CheckIsSeenForTheSideToMove)
{
    EXPECT_TRUE(SideToMoveInCheck(FenState("4k3/8/8/8/8/8/8/4K2r w - - 0 1")));
    EXPECT_FALSE(SideToMoveInCheck(FenState("4k3/8/8/8/8/8/7r/4K3 w - - 0 1")));
    EXPECT_TRUE(LegalMoves(FenState("7k/6Q1/6K1/8/8/8/8/8 b - - 0 1")).empty());
}
