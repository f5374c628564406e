// Perft counts of the move generator against the published counts of the
// standard test positions, and the legality test that counts the last ply
// (MoveIsLegal) against DoMove itself.
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
    EXPECT_EQ(after, before);
    EXPECT_EQ(after.EnPassant, before.EnPassant);
}

namespace {

// Whether the move leaves the mover's king unattacked, asked of an engine
// that knows nothing yet of the position (so no shortcut of an earlier test
// can answer): made, then the king looked at.
bool LegalByMaking(const GameState& state, TEngineMove move)
{
    TChessEngine fresh;
    fresh.LinkTo(state);
    fresh.LoadPosition();
    return fresh.DoMove(move) && !fresh.IsInCheck(fresh.GetSideToMove() ^ 1);
}

// Walks the move tree and compares, for every generated move, MoveIsLegal
// and DoMove (both of which may use what the node learnt from the moves
// before) with a fresh engine's answer; MoveIsLegal must leave the position
// as it was.
void CompareLegalityTests(TChessEngine& engine, int depth, const std::string& line, int& compared)
{
    engine.GenerateMoves();
    const auto listed = engine.CurrentMoves();
    const std::vector<TMoveEntry> moves(listed.begin(), listed.end());
    for (const TMoveEntry& entry : moves) {
        GameState before;
        engine.StorePosition(before);
        const bool legal = engine.MoveIsLegal(entry.Move);
        GameState after;
        engine.StorePosition(after);
        ASSERT_TRUE(after == before && after.EnPassant == before.EnPassant) << line << MoveToUci(entry.Move);
        const bool made = engine.DoMove(entry.Move);
        ASSERT_EQ(legal, made) << "after " << line << ": " << MoveToUci(entry.Move);
        ASSERT_EQ(made, LegalByMaking(before, entry.Move)) << "after " << line << ": " << MoveToUci(entry.Move);
        ++compared;
        if (!made)
            continue;
        if (depth > 1)
            CompareLegalityTests(engine, depth - 1, line + MoveToUci(entry.Move) + " ", compared);
        engine.UndoMove();
        // Later moves of this list are tried with the check state that the
        // first DoMove worked out, as in the search.
        engine.GenerateMoves();
    }
}

} // namespace

TEST(Perft, LegalityShortcutsAgreeWithMakingTheMove)
{
    const char* positions[] = {
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        // In check from a pawn that en passant takes off another square.
        "8/8/8/2k5/3Pp3/8/8/4K3 b - d3 0 1",
        // Double check, and a castling through an attacked square.
        "4k3/8/8/8/1b6/8/3n4/R3K2R w KQ - 0 1",
    };
    for (const char* fen : positions) {
        LinkedEngine e(fen);
        int compared = 0;
        CompareLegalityTests(*e, 3, std::string(fen) + ": ", compared);
        EXPECT_GT(compared, 10) << fen;
        EXPECT_EQ(e->CurrentPly(), 0);
    }
    // Boards set up by hand, which no FEN allows: two White kings, one of
    // them in check; no Black king.
    const char* placements[] = {
        "........"
        "........"
        "...q...."
        "........"
        "........"
        "..K.K..."
        "........"
        "........",
        "........"
        "........"
        "........"
        "...r...."
        "........"
        "........"
        "...K...."
        "........",
    };
    for (const char* placement : placements) {
        LinkedEngine e(GameState::FromPlacement(placement));
        int compared = 0;
        CompareLegalityTests(*e, 3, std::string(placement) + ": ", compared);
        EXPECT_GT(compared, 10) << placement;
    }
}

TEST(Perft, CountsTheSameWithEveryMoveMade)
{
    for (const PerftCase& c : Cases()) {
        LinkedEngine e(c.Fen);
        EXPECT_EQ(Perft(*e, 3, PerftLeaves::Made), c.Counts[2]) << c.Name;
    }
}
