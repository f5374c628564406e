// The search: iterative deepening over a fail-hard alpha-beta in negamax
// form with a one-ply check extension, a quiescence search of captures and
// promotions, and move ordering by the previous principal variation, the
// capture and promotion scores and the history table.
#include "engine/ChessEngine.h"

#include <utility>

namespace {

bool SameSquares(TEngineMove a, TEngineMove b) { return a.From == b.From && a.To == b.To; }

} // namespace

void TChessEngine::FindBestMove()
{
    LoadPosition();
    PrepareEvalTables();
    for (auto& row : HistoryScore)
        row.fill(0);
    FollowingPV = true;
    Nodes_ = 0;

    const int depth = SearchDepthRef ? SearchDepthRef->load() : 0;
    for (int d = 1; d <= depth; ++d) {
        if (StopRequested.load(std::memory_order_relaxed))
            break;
        FollowingPV = true;
        const int score = AlphaBeta(-SearchBound, SearchBound, d);
        if (StopRequested.load(std::memory_order_relaxed))
            break;
        LastScore_ = score;
        if (Observer)
            Observer->IterationDone(d, score, Nodes_);
    }
}

int TChessEngine::AlphaBeta(int alpha, int beta, int depth)
{
    if (StopRequested.load(std::memory_order_relaxed))
        return 0;
    if (depth == 0)
        return Quiescence(alpha, beta);
    ++Nodes_;
    PVLength[Ply] = Ply;

    const bool inCheck = SideToMoveInCheck();
    if (inCheck)
        ++depth;

    // The last ply of the fixed tables cannot hold another ply's moves.
    if (Ply >= MaxPly - 1)
        return StaticBound(alpha, beta);
    GenerateMoves();
    if (MoveListOverflowed())
        return StaticBound(alpha, beta);
    if (FollowingPV)
        BoostPVMove();

    bool anyLegal = false;
    for (int i = PlyStart[Ply]; i < PlyEnd[Ply]; ++i) {
        if (StopRequested.load(std::memory_order_relaxed))
            break;
        PickBestMove(i);
        const TEngineMove move = MoveList[i].Move;
        if (!DoMove(move))
            continue;
        anyLegal = true;
        const int score = -AlphaBeta(-beta, -alpha, depth - 1);
        UndoMove();
        if (score > alpha) {
            HistoryScore[move.From][move.To] += depth;
            if (score >= beta)
                return beta;
            alpha = score;
            UpdatePrincipalVariation(move);
        }
    }

    if (!anyLegal)
        return inCheck ? Ply - MateScore : 0;
    return alpha;
}

int TChessEngine::Quiescence(int alpha, int beta)
{
    // Capture sequences can outgrow any time given to a search (queens
    // facing queens): the stop request must end this part too.
    if (StopRequested.load(std::memory_order_relaxed))
        return 0;
    ++Nodes_;
    PVLength[Ply] = Ply;

    // In check every evasion is searched; otherwise the side to move may
    // stand pat on the static score.
    const bool inCheck = SideToMoveInCheck();
    if (inCheck) {
        if (Ply >= MaxPly - 1)
            return StaticBound(alpha, beta);
        GenerateMoves();
    } else {
        const int standPat = Evaluate();
        if (standPat >= beta)
            return beta;
        if (standPat > alpha)
            alpha = standPat;
        if (Ply >= MaxPly - 1)
            return alpha;
        GenerateCaptures();
    }
    if (MoveListOverflowed())
        return StaticBound(alpha, beta);
    if (FollowingPV)
        BoostPVMove();

    bool anyLegal = false;
    for (int i = PlyStart[Ply]; i < PlyEnd[Ply]; ++i) {
        if (StopRequested.load(std::memory_order_relaxed))
            break;
        PickBestMove(i);
        const TEngineMove move = MoveList[i].Move;
        if (!DoMove(move))
            continue;
        anyLegal = true;
        const int score = -Quiescence(-beta, -alpha);
        UndoMove();
        if (score > alpha) {
            if (score >= beta)
                return beta;
            alpha = score;
            UpdatePrincipalVariation(move);
        }
    }

    if (inCheck && !anyLegal)
        return Ply - MateScore;
    return alpha;
}

void TChessEngine::PickBestMove(int index)
{
    int best = index;
    int bestScore = MoveList[index].Score;
    const int end = PlyEnd[Ply];
    for (int i = index + 1; i < end; ++i) {
        if (MoveList[i].Score > bestScore) {
            best = i;
            bestScore = MoveList[i].Score;
        }
    }
    if (best != index)
        std::swap(MoveList[index], MoveList[best]);
}

void TChessEngine::BoostPVMove()
{
    FollowingPV = false;
    const TEngineMove pvMove = PVTable[0][Ply];
    for (int i = PlyStart[Ply]; i < PlyEnd[Ply]; ++i) {
        if (SameSquares(MoveList[i].Move, pvMove)) {
            FollowingPV = true;
            MoveList[i].Score += PVBoost;
            return;
        }
    }
}

void TChessEngine::UpdatePrincipalVariation(TEngineMove move)
{
    PVTable[Ply][Ply] = move;
    for (int j = Ply + 1; j < PVLength[Ply + 1]; ++j)
        PVTable[Ply][j] = PVTable[Ply + 1][j];
    PVLength[Ply] = PVLength[Ply + 1];
}

// A node that cannot fit in the fixed tables is scored statically, within
// the window, as fail-hard nodes are.
int TChessEngine::StaticBound(int alpha, int beta) const
{
    const int score = Evaluate();
    if (score <= alpha)
        return alpha;
    if (score >= beta)
        return beta;
    return score;
}

bool TChessEngine::MoveListOverflowed() const
{
    return MoveListFull;
}
