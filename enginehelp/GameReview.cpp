#include "enginehelp/GameReview.h"

#include "core/GameHistory.h"

#include <algorithm>

std::vector<TReviewedMove> TGameReview::WorstMoves(std::size_t count) const
{
    std::vector<TReviewedMove> marked;
    for (const TReviewedMove& move : Moves) {
        if (move.Mark != TMoveMark::None)
            marked.push_back(move);
    }
    std::stable_sort(marked.begin(), marked.end(),
                     [](const TReviewedMove& a, const TReviewedMove& b) { return a.LossCp > b.LossCp; });
    if (marked.size() > count)
        marked.resize(count);
    return marked;
}

const TReviewedMove* TGameReview::Find(int moveNumber, bool whiteMoved) const
{
    for (const TReviewedMove& move : Moves) {
        if (move.MoveNumber == moveNumber && move.WhiteMoved == whiteMoved)
            return &move;
    }
    return nullptr;
}

TMoveMark MarkForLoss(int lossCp, const TReviewThresholds& thresholds)
{
    if (lossCp >= thresholds.BlunderCp)
        return TMoveMark::Blunder;
    if (lossCp >= thresholds.MistakeCp)
        return TMoveMark::Mistake;
    if (lossCp >= thresholds.DubiousCp)
        return TMoveMark::Dubious;
    return TMoveMark::None;
}

std::string MarkText(TMoveMark mark)
{
    switch (mark) {
    case TMoveMark::Dubious: return "?!";
    case TMoveMark::Mistake: return "?";
    case TMoveMark::Blunder: return "??";
    case TMoveMark::None: break;
    }
    return {};
}

int MarkNag(TMoveMark mark)
{
    switch (mark) {
    case TMoveMark::Dubious: return 6;
    case TMoveMark::Mistake: return 2;
    case TMoveMark::Blunder: return 4;
    case TMoveMark::None: break;
    }
    return 0;
}

int MoveLoss(bool whiteMoved, int scoreBeforeCp, int scoreAfterCp)
{
    const int loss = whiteMoved ? scoreBeforeCp - scoreAfterCp : scoreAfterCp - scoreBeforeCp;
    return std::max(loss, 0);
}

TGameReview BuildReview(const std::vector<TReviewPosition>& positions, const std::vector<int>& scores,
                        const TReviewThresholds& thresholds)
{
    TGameReview review;
    const std::size_t count = std::min(positions.size(), scores.size());
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const TReviewPosition& position = positions[i];
        if (position.From == Square::None)
            continue;
        TReviewedMove move;
        move.MoveNumber = position.MoveNumber;
        move.WhiteMoved = position.WhiteToMove;
        move.From = position.From;
        move.To = position.To;
        const int before = std::clamp(scores[i], -thresholds.MateCapCp, thresholds.MateCapCp);
        const int after = std::clamp(scores[i + 1], -thresholds.MateCapCp, thresholds.MateCapCp);
        move.ScoreBeforeCp = before;
        move.ScoreAfterCp = after;
        move.LossCp = MoveLoss(move.WhiteMoved, before, after);
        move.Mark = MarkForLoss(move.LossCp, thresholds);
        review.Moves.push_back(move);
    }
    return review;
}

std::vector<TReviewPosition> ReviewPositions(const GameHistory& history)
{
    std::vector<TReviewPosition> positions;
    const long long end = GameHistory::SlotIndex(history.LastMoveNumber(), history.LastWhiteToMove());
    for (long long index = 0; index <= end; ++index) {
        const int moveNumber = static_cast<int>(index / 2 + 1);
        const bool white = index % 2 == 0;
        if (!history.HoldsRecordedPosition(moveNumber, white))
            continue;
        const MoveInfo& slot = *history.Slot(moveNumber, white);
        TReviewPosition position;
        position.State = history.SlotState(slot, white);
        position.State.CurrentMove = moveNumber;
        position.MoveNumber = moveNumber;
        position.WhiteToMove = white;
        if (index < end) {
            position.From = slot.OldSq;
            position.To = slot.NewSq;
        }
        positions.push_back(position);
    }
    return positions;
}
