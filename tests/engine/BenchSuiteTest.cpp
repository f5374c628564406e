// The benchmark suite: its games replay legally, and the searches the
// benchmark prints keep their node counts, moves and scores. These figures
// define what the engine computes; a speed-up must leave every one of them
// unchanged.
#include "EngineTestSupport.h"

#include "engine/BenchSuite.h"

#include <algorithm>

using namespace engine;

namespace {

struct Signature {
    std::uint64_t Nodes;
    const char* Move;
    int Score;
};

// Depth 5, one entry per suite position in order.
const Signature DepthFive[] = {
    {38336, "e2e4", 25},   {101340, "c4b5", 67},    {249651, "d1d3", -28},   {543793, "c1g5", 60},
    {262275, "d4e5", -1},  {268516, "f1e2", -33},   {214058, "c3b5", 167},   {121686, "c5b4", -99},
    {765286, "b3a4", 537}, {52437, "b3b8", 9997},   {3769504, "a3e7", 98},   {230603, "g4e6", 156},
    {354132, "d5c7", 60},  {2196247, "e1e7", -130}, {145187, "f5g7", 9995},  {197572, "f4d6", -19},
    {261400, "b6b5", 633}, {427886, "a6a3", -292},  {127393, "e5f7", -1169}, {376063, "e4g3", 9991},
    {119194, "a8a4", 177}, {48868, "a4c4", 298},
};

// Nodes over the whole suite at depths 1 to 4.
const std::uint64_t SuiteNodes[] = {55177, 267905, 599411, 2686719};

bool HasLegalMove(TChessEngine& engine)
{
    engine.GenerateMoves();
    for (const TMoveEntry& entry : engine.CurrentMoves()) {
        if (engine.DoMove(entry.Move)) {
            engine.UndoMove();
            return true;
        }
    }
    return false;
}

} // namespace

TEST(BenchSuite, PositionsComeFromGamesThatReplayLegally)
{
    const auto positions = BenchPositions();
    ASSERT_GE(positions.size(), 20u);
    for (const TBenchPosition& position : positions) {
        GameState state;
        std::string error;
        EXPECT_TRUE(SetUpBenchPosition(position, state, error)) << error;
    }
}

TEST(BenchSuite, MatingGamesEndInMate)
{
    // The last position of these games is checkmate: the side to move is in
    // check and has no legal move.
    for (const char* name : {"Opera game, 15...Nxd7 (mate in 2)", "Immortal game, 20...Na6 (mate in 3)",
                             "Game of the Century, 36.Kf1 (mating net)"}) {
        const auto positions = BenchPositions();
        const auto it = std::find_if(positions.begin(), positions.end(),
                                     [&](const TBenchPosition& p) { return std::string(p.Name) == name; });
        ASSERT_NE(it, positions.end()) << name;
        GameState state;
        std::string error;
        ASSERT_TRUE(SetUpBenchPosition(*it, state, error)) << error;
        // Let the engine play the mate out against itself.
        TChessEngine engine;
        std::atomic<int> depth{5};
        engine.LinkTo(state);
        engine.SearchDepthRef = &depth;
        for (int ply = 0; ply < 12; ++ply) {
            engine.LoadPosition();
            if (!HasLegalMove(engine))
                break;
            engine.FindBestMove();
            ASSERT_EQ(PlayMove(engine, state, MoveToUci(engine.BestMove())), MoveTextResult::Legal) << name;
        }
        engine.LoadPosition();
        EXPECT_TRUE(engine.IsInCheck(engine.GetSideToMove())) << name;
        EXPECT_FALSE(HasLegalMove(engine)) << name;
    }
}

TEST(BenchSuite, SearchSignatureIsUnchanged)
{
    const auto positions = BenchPositions();
    ASSERT_EQ(positions.size(), std::size(DepthFive));
    std::uint64_t totals[4] = {};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        GameState state;
        std::string error;
        ASSERT_TRUE(SetUpBenchPosition(positions[i], state, error)) << error;
        for (int depth = 1; depth <= 4; ++depth)
            totals[depth - 1] += RunBenchSearch(state, depth).Nodes;
        const TBenchSearch r = RunBenchSearch(state, 5);
        EXPECT_EQ(r.Nodes, DepthFive[i].Nodes) << positions[i].Name;
        EXPECT_EQ(MoveToUci(r.Move), DepthFive[i].Move) << positions[i].Name;
        EXPECT_EQ(r.Score, DepthFive[i].Score) << positions[i].Name;
    }
    for (int depth = 1; depth <= 4; ++depth)
        EXPECT_EQ(totals[depth - 1], SuiteNodes[depth - 1]) << "depth " << depth;
}
