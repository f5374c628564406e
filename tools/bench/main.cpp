// kestravin-bench: prints, for the engine's fixed suite of positions from
// well-known games, the nodes, time and speed of the search at depths 1 to
// 5 (or the depth given as the first argument), then perft counts and speed
// of the move generator, counting the last ply's moves as perft usually
// does (tested, not made) and then with every move made. The node counts and moves are the engine's
// signature; the times (processor time of the measuring thread, so that a
// busy machine does not distort them) show its speed on this machine.
#include "core/Fen.h"
#include "engine/BenchSuite.h"
#include "engine/ChessEngine.h"
#include "engine/MoveText.h"
#include "engine/Perft.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

double Rate(std::uint64_t count, double seconds)
{
    return seconds > 0 ? count / seconds : 0.0;
}

bool RunSearches(int maxDepth)
{
    const auto positions = BenchPositions();
    std::vector<GameState> states(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        std::string error;
        if (!SetUpBenchPosition(positions[i], states[i], error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return false;
        }
    }

    std::printf("Search over %zu positions from well-known games\n\n", positions.size());
    std::printf("%-3s %-5s %12s %10s %12s  %-6s %6s  %s\n", "#", "depth", "nodes", "cpu ms", "nodes/s", "move", "score",
                "position");
    std::vector<std::uint64_t> depthNodes(maxDepth + 1, 0);
    std::vector<double> depthSeconds(maxDepth + 1, 0);
    double slowest = 0;
    std::size_t slowestIndex = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        for (int depth = 1; depth <= maxDepth; ++depth) {
            const TBenchSearch r = RunBenchSearch(states[i], depth);
            depthNodes[depth] += r.Nodes;
            depthSeconds[depth] += r.Seconds;
            if (depth == maxDepth) {
                std::printf("%-3zu %-5d %12llu %10.1f %12.0f  %-6s %6d  %s\n", i + 1, depth,
                            static_cast<unsigned long long>(r.Nodes), r.Seconds * 1000, Rate(r.Nodes, r.Seconds),
                            MoveToUci(r.Move).c_str(), r.Score, positions[i].Name);
                if (r.Seconds > slowest) {
                    slowest = r.Seconds;
                    slowestIndex = i;
                }
            }
        }
    }

    std::printf("\nTotals per depth\n%-5s %12s %10s %12s\n", "depth", "nodes", "cpu ms", "nodes/s");
    for (int depth = 1; depth <= maxDepth; ++depth)
        std::printf("%-5d %12llu %10.1f %12.0f\n", depth, static_cast<unsigned long long>(depthNodes[depth]),
                    depthSeconds[depth] * 1000, Rate(depthNodes[depth], depthSeconds[depth]));
    std::printf("\nSlowest position at depth %d: #%zu, %.1f cpu ms\n", maxDepth, slowestIndex + 1, slowest * 1000);
    return true;
}

void RunPerft(const char* name, std::string_view fen, int maxDepth, PerftLeaves leafMoves)
{
    FenPosition position;
    std::string error;
    if (!ReadFen(fen, position, error)) {
        std::fprintf(stderr, "%s: %s\n", name, error.c_str());
        return;
    }
    GameState& state = position.State;
    auto engine = std::make_unique<TChessEngine>();
    engine->LinkTo(state);
    engine->LoadPosition();
    for (int depth = 1; depth <= maxDepth; ++depth) {
        const double start = ThreadCpuSeconds();
        const std::uint64_t leaves = Perft(*engine, depth, leafMoves);
        const double elapsed = ThreadCpuSeconds() - start;
        std::printf("%-12s %5d %12llu %10.1f %12.0f\n", name, depth, static_cast<unsigned long long>(leaves),
                    elapsed * 1000, Rate(leaves, elapsed));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int maxDepth = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 8) : 5;
    if (!RunSearches(maxDepth))
        return 1;

    const struct {
        const char* Heading;
        PerftLeaves LeafMoves;
    } ways[] = {{"Perft (the last ply's moves tested, not made)", PerftLeaves::Tested},
                {"Perft (every move made with DoMove)", PerftLeaves::Made}};
    for (const auto& way : ways) {
        std::printf("\n%s\n%-12s %5s %12s %10s %12s\n", way.Heading, "position", "depth", "leaves", "cpu ms",
                    "leaves/s");
        RunPerft("initial", StandardStartFen, 5, way.LeafMoves);
        RunPerft("kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 4, way.LeafMoves);
        RunPerft("endgame", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, way.LeafMoves);
    }
    return 0;
}
