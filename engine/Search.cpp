// The search: iterative deepening over a fail-hard alpha-beta in negamax
// form with a one-ply check extension, a quiescence search of captures and
// promotions, and move ordering by the previous principal variation, the
// capture and promotion scores and the history table.
#include "engine/ChessEngine.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace engine;

namespace {

bool SameSquares(TEngineMove a, TEngineMove b)
{
    return a.From == b.From && a.To == b.To;
}

} // namespace

void TChessEngine::BeginSearch(bool followingPV)
{
    LoadPosition();
    PrepareEvalTables();
    for (auto& row : HistoryScore)
        row.fill(0);
    FollowingPV = followingPV;
    Nodes_ = 0;
    LimitReached_ = false;
    NextLimitCheck_ = NodeLimit_ != 0 ? std::min<std::uint64_t>(NodeLimit_, LimitCheckInterval) : LimitCheckInterval;
    RootMoveFound_ = false;
    CompletedDepth_ = 0;
    CompletedMove_ = {};
}

void TChessEngine::FindBestMove()
{
    BeginSearch(true);

    const int depth = SearchDepthRef ? SearchDepthRef->load() : 0;
    for (int d = 1; d <= depth; ++d) {
        if (Interrupted())
            break;
        FollowingPV = true;
        const int score = AlphaBeta(-SearchBound, SearchBound, d);
        if (Interrupted())
            break;
        LastScore_ = score;
        if (RootMoveFound_) {
            CompletedDepth_ = d;
            CompletedMove_ = PVTable[0][0];
        }
        if (Observer)
            Observer->IterationDone(d, score, Nodes_);
    }
}

int TChessEngine::AlphaBeta(int alpha, int beta, int depth)
{
    if (Interrupted())
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
    if (Ply == 0 && RootMoveCount_ > 0)
        KeepRootMoves();
    if (FollowingPV)
        BoostPVMove();

    bool anyLegal = false;
    // An interruption is noticed at the entry of the node and after each
    // move searched.
    for (int i = PlyStart[Ply]; i < PlyEnd[Ply]; ++i) {
        PickBestMove(i);
        const TEngineMove move = MoveList[i].Move;
        if ((inCheck && CannotAnswerCheck(move)) || !DoMove(move))
            continue;
        anyLegal = true;
        const int score = -AlphaBeta(-beta, -alpha, depth - 1);
        UndoMove();
        // An interrupted subtree's score means nothing: it must not become
        // the best move so far.
        if (Interrupted())
            return alpha;
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
    // facing queens): the stop request and the limits must end this part too.
    if (Interrupted())
        return 0;
    ++Nodes_;
    PVLength[Ply] = Ply;

    // In check every evasion is searched; otherwise the side to move may
    // stand pat on the static score.
    const bool inCheck = SideToMoveInCheck();
    bool anyLegal = false;
    // Searches a move just made: false when the node is done, alpha then
    // holding its result.
    auto searchMade = [&](TEngineMove move) {
        anyLegal = true;
        const int score = -Quiescence(-beta, -alpha);
        UndoMove();
        if (Interrupted())
            return false;
        if (score > alpha) {
            if (score >= beta) {
                alpha = beta;
                return false;
            }
            alpha = score;
            UpdatePrincipalVariation(move);
        }
        return true;
    };
    // Answers to a check searched before the whole list was made.
    std::array<TEngineMove, 16> searchedFirst;
    int searchedCount = 0;
    if (inCheck) {
        if (Ply >= MaxPly - 1)
            return StaticBound(alpha, beta);
        // The picks of the whole list pass over every move that cannot
        // answer the check, and take the answers by score, highest first.
        // So while the answers' scores differ, their order is known without
        // the whole list, and often the first one ends the node. Where two
        // answers share a score, only the picks know which comes first: the
        // whole list is made, and the answers already searched are passed
        // over. (Following the principal variation, the whole list is needed
        // to find its move.)
        if (!FollowingPV && GenerateCheckAnswers()) {
            SortByScore(PlyStart[Ply], PlyEnd[Ply]);
            int i = PlyStart[Ply];
            for (; i < PlyEnd[Ply] && searchedCount < static_cast<int>(searchedFirst.size()); ++i) {
                if (i + 1 < PlyEnd[Ply] && MoveList[i + 1].Score == MoveList[i].Score)
                    break;
                const TEngineMove move = MoveList[i].Move;
                if (!DoMove(move))
                    continue;
                searchedFirst[searchedCount++] = move;
                if (!searchMade(move))
                    return alpha;
            }
            if (i == PlyEnd[Ply])
                return anyLegal ? alpha : Ply - MateScore;
        }
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

    // An interruption is noticed at the entry of the node and after each
    // move searched.
    for (int i = PlyStart[Ply]; i < PlyEnd[Ply]; ++i) {
        PickBestMove(i);
        const TEngineMove move = MoveList[i].Move;
        if ((inCheck && CannotAnswerCheck(move)) ||
            std::find(searchedFirst.begin(), searchedFirst.begin() + searchedCount, move) !=
                searchedFirst.begin() + searchedCount ||
            !DoMove(move))
            continue;
        if (!searchMade(move))
            return alpha;
    }

    if (inCheck && !anyLegal)
        return Ply - MateScore;
    return alpha;
}

// The first entry of highest score from index on is swapped to index. The
// scan has no branch: in a node in check most entries are picked in turn
// and refused, and a branch on the scores would mispredict all along.
void TChessEngine::PickBestMove(int index)
{
    int best = index;
    int bestScore = MoveList[index].Score;
    const int end = PlyEnd[Ply];
    for (int i = index + 1; i < end; ++i) {
        const int score = MoveList[i].Score;
        const bool higher = score > bestScore;
        best = higher ? i : best;
        bestScore = higher ? score : bestScore;
    }
    if (best != index)
        std::swap(MoveList[index], MoveList[best]);
}

// Sorts the entries [from, to) by score, highest first (the lists sorted
// here are short).
void TChessEngine::SortByScore(int from, int to)
{
    for (int i = from + 1; i < to; ++i) {
        const TMoveEntry entry = MoveList[i];
        int j = i;
        for (; j > from && MoveList[j - 1].Score < entry.Score; --j)
            MoveList[j] = MoveList[j - 1];
        MoveList[j] = entry;
    }
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
    if (Ply == 0)
        RootMoveFound_ = true;
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

void TChessEngine::SetRootMoves(std::span<const TEngineMove> moves)
{
    RootMoveCount_ = static_cast<int>(std::min<std::size_t>(moves.size(), RootMoves_.size()));
    std::copy_n(moves.begin(), RootMoveCount_, RootMoves_.begin());
}

void TChessEngine::KeepRootMoves()
{
    int kept = PlyStart[0];
    for (int i = PlyStart[0]; i < PlyEnd[0]; ++i) {
        const auto wanted = RootMoves_.begin() + RootMoveCount_;
        if (std::find(RootMoves_.begin(), wanted, MoveList[i].Move) != wanted)
            MoveList[kept++] = MoveList[i];
    }
    PlyEnd[0] = kept;
}

void TChessEngine::CheckLimits()
{
    NextLimitCheck_ = Nodes_ + LimitCheckInterval;
    if (NodeLimit_ != 0) {
        if (Nodes_ >= NodeLimit_) {
            LimitReached_ = true;
            return;
        }
        NextLimitCheck_ = std::min(NextLimitCheck_, NodeLimit_);
    }
    using Clock = std::chrono::steady_clock;
    const Clock::rep deadline = DeadlineTicks_.load(std::memory_order_relaxed);
    if (deadline != Clock::time_point::max().time_since_epoch().count() &&
        Clock::now().time_since_epoch().count() >= deadline)
        LimitReached_ = true;
}

bool TChessEngine::MoveToPlay(TEngineMove& move, bool useUnfinished)
{
    if (RootMoveFound_ && (useUnfinished || CompletedDepth_ == 0)) {
        move = PVTable[0][0];
        return true;
    }
    if (CompletedDepth_ > 0) {
        move = CompletedMove_;
        return true;
    }
    // Nothing searched in full: the legal move the ordering ranks first.
    GenerateMoves();
    if (Ply == 0 && RootMoveCount_ > 0)
        KeepRootMoves();
    bool found = false;
    int bestScore = 0;
    for (const TMoveEntry& entry : CurrentMoves()) {
        if ((found && entry.Score <= bestScore) || !DoMove(entry.Move))
            continue;
        UndoMove();
        move = entry.Move;
        bestScore = entry.Score;
        found = true;
    }
    return found;
}
