// The review's evaluation curve (see EvaluationCurve.h).
#include "app/EvaluationCurve.h"

#include "enginehelp/AnalysisReport.h"

#include <QCoreApplication>

std::vector<EvaluationPoint> EvaluationCurve(const TGameReview& review)
{
    std::vector<EvaluationPoint> curve;
    if (review.Moves.empty())
        return curve;
    curve.reserve(review.Moves.size() + 1);
    const TReviewedMove& first = review.Moves.front();
    curve.push_back({first.ScoreBeforeCp, TMoveMark::None, first.MoveNumber, first.WhiteMoved});
    for (const TReviewedMove& move : review.Moves) {
        // After White's move Black is to move at the same number; after
        // Black's, White at the next.
        const int slotMove = move.WhiteMoved ? move.MoveNumber : move.MoveNumber + 1;
        curve.push_back({move.ScoreAfterCp, move.Mark, slotMove, !move.WhiteMoved, move.From, move.To});
    }
    return curve;
}

bool ShownOnGraph(TMoveMark mark)
{
    return mark == TMoveMark::Mistake || mark == TMoveMark::Blunder;
}

QString EvaluationPointText(const EvaluationPoint& point)
{
    QString score = TAnalysisScore{false, point.Centipawns, false}.Text();
    if (point.Centipawns >= TReviewThresholds{}.MateCapCp)
        score = QCoreApplication::translate("TEvaluationGraph", "vantagem decisiva das Brancas");
    else if (point.Centipawns <= -TReviewThresholds{}.MateCapCp)
        score = QCoreApplication::translate("TEvaluationGraph", "vantagem decisiva das Pretas");
    if (point.From == Square::None)
        return QCoreApplication::translate("TEvaluationGraph", "Início: %1").arg(score);
    // The point's slot is the position after the move: Black to move after
    // White's move at the same number, White after Black's at the next.
    const bool whiteMoved = !point.SlotWhiteToMove;
    const int number = whiteMoved ? point.SlotMove : point.SlotMove - 1;
    QString move = QString::number(number) + (whiteMoved ? QStringLiteral(". ") : QStringLiteral("... ")) +
        QString::fromStdString(SquareName(point.From) + "-" + SquareName(point.To));
    const std::string mark = MarkText(point.Mark);
    if (!mark.empty())
        move += QLatin1Char(' ') + QString::fromStdString(mark);
    return move + QStringLiteral(": ") + score;
}
