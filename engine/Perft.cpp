// Perft over the engine's own make and take-back.
#include "engine/Perft.h"

#include "engine/ChessEngine.h"

#include <algorithm>

using namespace engine;

namespace {

std::uint64_t CountLeaves(TChessEngine& engine, int depth)
{
    if (depth == 0)
        return 1;
    engine.GenerateMoves();
    std::uint64_t leaves = 0;
    for (const TMoveEntry& entry : engine.CurrentMoves()) {
        if (!engine.DoMove(entry.Move))
            continue;
        leaves += CountLeaves(engine, depth - 1);
        engine.UndoMove();
    }
    return leaves;
}

int UsableDepth(const TChessEngine& engine, int depth)
{
    return std::clamp(depth, 0, MaxPly - 1 - engine.CurrentPly());
}

} // namespace

std::uint64_t Perft(TChessEngine& engine, int depth)
{
    return CountLeaves(engine, UsableDepth(engine, depth));
}

std::vector<TDivideEntry> PerftDivide(TChessEngine& engine, int depth)
{
    std::vector<TDivideEntry> result;
    depth = UsableDepth(engine, depth);
    if (depth == 0)
        return result;
    engine.GenerateMoves();
    for (const TMoveEntry& entry : engine.CurrentMoves()) {
        if (!engine.DoMove(entry.Move))
            continue;
        result.push_back({entry.Move, CountLeaves(engine, depth - 1)});
        engine.UndoMove();
    }
    return result;
}
