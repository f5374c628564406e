// The beginners' levels' choice of a move (see WeakPlay.h). It runs the
// engine's own search below each root move, on the engine's fixed tables;
// the scores and weights live in fixed arrays on the stack.
#include "engine/WeakPlay.h"

#include "engine/ChessEngine.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace engine;

namespace {

constexpr int ObviousCp = 200;
constexpr int ObviousFactor = 4;

} // namespace

bool TChessEngine::SideToMoveIsMated()
{
    if (!SideToMoveInCheck() || Ply >= MaxPly - 1)
        return false;
    GenerateMoves();
    for (int i = PlyStart[Ply]; i < PlyEnd[Ply]; ++i) {
        const TEngineMove reply = MoveList[i].Move;
        if (CannotAnswerCheck(reply) || !DoMove(reply))
            continue;
        UndoMove();
        return false;
    }
    return !MoveListFull;
}

bool TChessEngine::ChooseWeakMove(const TWeakPlayStyle& style, TWeakRandom& random, TEngineMove& move)
{
    BeginSearch(false);

    GenerateMoves();
    if (RootMoveCount_ > 0)
        KeepRootMoves();
    // The root list stays where it is while the plies below use the space
    // after it, but it is copied so that nothing below can disturb it.
    std::array<TEngineMove, MaxMovesInPosition> moves;
    std::array<int, MaxMovesInPosition> scores;
    int count = 0;
    for (const TMoveEntry& entry : CurrentMoves())
        moves[static_cast<std::size_t>(count++)] = entry.Move;

    // One draw decides whether this turn's replies are overlooked; it is
    // made even when the rate is 0, so that the sequence of draws does not
    // depend on the rate.
    const bool careless = random.Uniform() * 100 < style.OverlookPercent;
    int scored = 0;
    int best = -SearchBound - 1;
    for (int i = 0; i < count; ++i) {
        const TEngineMove candidate = moves[static_cast<std::size_t>(i)];
        if (!DoMove(candidate))
            continue;
        int score = 0;
        if (SideToMoveIsMated())
            score = MateScore - Ply;
        else if (careless || style.Depth <= 0)
            score = -Evaluate();
        else
            score = -AlphaBeta(-SearchBound, SearchBound, style.Depth - 1);
        UndoMove();
        // A move whose search a limit cut short has no score; the moves
        // scored before it are chosen from.
        if (LimitReached_ || StopRequested.load(std::memory_order_relaxed)) {
            if (scored > 0)
                break;
            score = -Evaluate();
        }
        moves[static_cast<std::size_t>(scored)] = candidate;
        scores[static_cast<std::size_t>(scored)] = score;
        best = std::max(best, score);
        ++scored;
        if (LimitReached_ || StopRequested.load(std::memory_order_relaxed))
            break;
    }
    if (scored == 0)
        return false;

    // Weights exp(-shortfall / T): the best move weighs 1, one a pawn worse
    // exp(-100 / T). A shortfall beyond ObviousCp counts ObviousFactor times
    // over, so that a wide spread of ordinary moves still leaves a free
    // queen or rook the likely choice. A mate is taken whenever it is seen.
    const double temperature = std::max(1, style.TemperatureCp);
    std::array<double, MaxMovesInPosition> weights;
    double total = 0;
    for (int i = 0; i < scored; ++i) {
        const int score = scores[static_cast<std::size_t>(i)];
        const bool losesToMate = best >= MateScore - MaxPly && score < best;
        const int shortfall = std::min(best - score, 2 * SearchBound);
        const int counted = shortfall + std::max(0, shortfall - ObviousCp) * (ObviousFactor - 1);
        const double weight = losesToMate ? 0.0 : std::exp(-counted / temperature);
        weights[static_cast<std::size_t>(i)] = weight;
        total += weight;
    }
    double pick = random.Uniform() * total;
    move = moves[0];
    for (int i = 0; i < scored; ++i) {
        const double weight = weights[static_cast<std::size_t>(i)];
        if (weight <= 0)
            continue;
        move = moves[static_cast<std::size_t>(i)];
        if (pick < weight)
            break;
        pick -= weight;
    }
    // The principal variation is left as the last search left it: it orders
    // the next search's moves, which must not depend on this choice.
    LastScore_ = best;
    return true;
}
