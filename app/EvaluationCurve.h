// The evaluation over a reviewed game, as the review's graph draws it: one
// point for the position before the first reviewed move and one after each
// move, from White's side in pawns, kept within +-10 pawns (a mate lies on
// the edge), each with the mark its move earned and the board's slot of
// its position, so that a click on it can show that position.
#pragma once

#include "enginehelp/GameReview.h"

#include <vector>

inline constexpr double EvaluationLimitPawns = 10.0;

struct EvaluationPoint {
    double Pawns = 0.0; // White's side, within +-EvaluationLimitPawns
    // The mark of the move that led here (None for the first point).
    TMoveMark Mark = TMoveMark::None;
    // The board's slot of the position: its move number and side to move.
    int SlotMove = 1;
    bool SlotWhiteToMove = true;

    friend bool operator==(const EvaluationPoint&, const EvaluationPoint&) = default;
};

// Empty for an empty review.
std::vector<EvaluationPoint> EvaluationCurve(const TGameReview& review);

// Whether a point's mark is one the graph shows: a mistake or a blunder.
bool ShownOnGraph(TMoveMark mark);
