// Perft counts of the move generator with every move made by DoMove, against
// the published counts of the standard test positions.
#include "EngineTestSupport.h"

#include "engine/Perft.h"

#include <cstdint>

using namespace engine;

namespace {

struct PerftCase {
    const char* Name;
    const char* Fen;
    std::vector<std::uint64_t> Counts; // depth 1, 2, ...
};

const std::vector<PerftCase>& Cases()
{
    static const std::vector<PerftCase> cases = {
        {"Initial", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {20, 400, 8902, 197281, 4865609}},
        {"Kiwipete",
         "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
         {48, 2039, 97862, 4085603, 193690690}},
        {"EndgameWithEnPassantPins", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", {14, 191, 2812, 43238, 674624}},
        {"PromotionsAndCastling",
         "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
         {6, 264, 9467, 422333, 15833292}},
        {"PromotionsAndCastlingMirrored",
         "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1",
         {6, 264, 9467, 422333, 15833292}},
        {"DiscoveredChecks",
         "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
         {44, 1486, 62379, 2103487, 89941194}},
        {"SymmetricMiddlegame",
         "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
         {46, 2079, 89890, 3894594, 164075551}},
    };
    return cases;
}

} // namespace

class PerftCounts : public ::testing::TestWithParam<PerftCase> {};

TEST_P(PerftCounts, MatchThePublishedCountsAtEachDepth)
{
    const PerftCase& c = GetParam();
    LinkedEngine e(c.Fen);
    for (std::size_t depth = 1; depth <= c.Counts.size(); ++depth) {
        EXPECT_EQ(Perft(*e, static_cast<int>(depth)), c.Counts[depth - 1]) << c.Name << " at depth " << depth;
        EXPECT_EQ(e->CurrentPly(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(StandardPositions, PerftCounts, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<PerftCase>& c) { return std::string(c.param.Name); });

TEST(Perft, DividePartsAddUpAndFollowGenerationOrder)
{
    LinkedEngine e("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    const auto parts = PerftDivide(*e, 2);
    ASSERT_EQ(parts.size(), 48u);
    std::uint64_t total = 0;
    for (const TDivideEntry& part : parts)
        total += part.Nodes;
    EXPECT_EQ(total, 2039u);
    // Both castlings are legal here and come after the piece moves.
    EXPECT_EQ(MoveToUci(parts[parts.size() - 2].Move), "e1g1");
    EXPECT_EQ(MoveToUci(parts.back().Move), "e1c1");
}

TEST(Perft, PositionIsIntactAfterwards)
{
    LinkedEngine e("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    GameState before;
    e->StorePosition(before);
    Perft(*e, 3);
    GameState after;
    e->StorePosition(after);
    EXPECT_EQ(FormatFen(after), FormatFen(before));
}
