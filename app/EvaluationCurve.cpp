// The review's evaluation curve (see EvaluationCurve.h).
#include "app/EvaluationCurve.h"

#include <algorithm>

namespace {

double ClampedPawns(int centipawns)
{
    return std::clamp(centipawns / 100.0, -EvaluationLimitPawns, EvaluationLimitPawns);
}

} // namespace

std::vector<EvaluationPoint> EvaluationCurve(const TGameReview& review)
{
    std::vector<EvaluationPoint> curve;
    if (review.Moves.empty())
        return curve;
    curve.reserve(review.Moves.size() + 1);
    const TReviewedMove& first = review.Moves.front();
    curve.push_back({ClampedPawns(first.ScoreBeforeCp), TMoveMark::None, first.MoveNumber, first.WhiteMoved});
    for (const TReviewedMove& move : review.Moves) {
        // After White's move Black is to move at the same number; after
        // Black's, White at the next.
        const int slotMove = move.WhiteMoved ? move.MoveNumber : move.MoveNumber + 1;
        curve.push_back({ClampedPawns(move.ScoreAfterCp), move.Mark, slotMove, !move.WhiteMoved});
    }
    return curve;
}

bool ShownOnGraph(TMoveMark mark)
{
    return mark == TMoveMark::Mistake || mark == TMoveMark::Blunder;
}
