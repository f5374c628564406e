// Perft over the engine's own make and take-back; the moves of the last ply
// are only tested, as DoMove would test them, not made.
#include "engine/Perft.h"

#include "engine/ChessEngine.h"

#include <algorithm>

using namespace engine;

namespace {

std::uint64_t CountLeaves(TChessEngine& engine, int depth, PerftLeaves leafMoves,
                          const std::atomic<bool>* stop = nullptr)
{
    if (depth == 0)
        return 1;
    // Looked at above the last two plies only: a few million times a
    // second at most, whatever the depth.
    if (stop != nullptr && depth >= 3 && stop->load(std::memory_order_relaxed))
        return 0;
    engine.GenerateMoves();
    std::uint64_t leaves = 0;
    // The last ply's moves are counted with DoMove's own test, unmade.
    if (depth == 1 && leafMoves == PerftLeaves::Tested) {
        for (const TMoveEntry& entry : engine.CurrentMoves())
            leaves += engine.MoveIsLegal(entry.Move) ? 1 : 0;
        return leaves;
    }
    for (const TMoveEntry& entry : engine.CurrentMoves()) {
        if (!engine.DoMove(entry.Move))
            continue;
        leaves += CountLeaves(engine, depth - 1, leafMoves, stop);
        engine.UndoMove();
    }
    return leaves;
}

int UsableDepth(const TChessEngine& engine, int depth)
{
    return std::clamp(depth, 0, MaxPly - 1 - engine.CurrentPly());
}

} // namespace

std::uint64_t Perft(TChessEngine& engine, int depth, PerftLeaves leafMoves)
{
    return CountLeaves(engine, UsableDepth(engine, depth), leafMoves);
}

std::vector<TDivideEntry> PerftDivide(TChessEngine& engine, int depth, const std::atomic<bool>* stop)
{
    std::vector<TDivideEntry> result;
    depth = UsableDepth(engine, depth);
    if (depth == 0)
        return result;
    engine.GenerateMoves();
    for (const TMoveEntry& entry : engine.CurrentMoves()) {
        if (!engine.DoMove(entry.Move))
            continue;
        const std::uint64_t leaves = CountLeaves(engine, depth - 1, PerftLeaves::Tested, stop);
        engine.UndoMove();
        if (stop != nullptr && stop->load())
            break;
        result.push_back({entry.Move, leaves});
    }
    return result;
}
