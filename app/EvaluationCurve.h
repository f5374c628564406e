// The evaluation over a reviewed game, as the review's graph draws it: one
// point for the position before the first reviewed move and one after each
// move, from White's side in pawns, kept within +-10 pawns (a mate lies on
// the edge), each with the mark its move earned and the board's slot of
// its position, so that a click on it can show that position.
#pragma once

#include "enginehelp/GameReview.h"

#include <QString>

#include <algorithm>
#include <vector>

inline constexpr double EvaluationLimitPawns = 10.0;

struct EvaluationPoint {
    int Centipawns = 0; // White's side, as the review has it (mates capped)
    // The mark of the move that led here (None for the first point).
    TMoveMark Mark = TMoveMark::None;
    // The board's slot of the position: its move number and side to move.
    int SlotMove = 1;
    bool SlotWhiteToMove = true;
    // The move that led here (None for the first point).
    Square From = Square::None;
    Square To = Square::None;

    // White's side in pawns, within +-EvaluationLimitPawns.
    double Pawns() const { return std::clamp(Centipawns / 100.0, -EvaluationLimitPawns, EvaluationLimitPawns); }

    friend bool operator==(const EvaluationPoint&, const EvaluationPoint&) = default;
};

// Empty for an empty review.
std::vector<EvaluationPoint> EvaluationCurve(const TGameReview& review);

// Whether a point's mark is one the graph shows: a mistake or a blunder.
bool ShownOnGraph(TMoveMark mark);

// What the graph tells of a point when the pointer rests on it: the move
// that led there as the move list writes it, its mark and the evaluation
// ("12. G1-F3 ?: +1.35", "12... D7-D5: -0.40", "Início: +0.20"); a score
// at the cap is a decisive advantage.
QString EvaluationPointText(const EvaluationPoint& point);
