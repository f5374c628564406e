#include "enginehelp/AnalysisReport.h"

#include <algorithm>
#include <cstdlib>

int TAnalysisScore::CappedCentipawns(int cap) const
{
    if (Mate) {
        if (Value == 0)
            return WhiteMated ? -cap : cap;
        return Value > 0 ? cap : -cap;
    }
    return std::clamp(Value, -cap, cap);
}

QString TAnalysisScore::Text() const
{
    if (Mate)
        return QStringLiteral("#%1").arg(Value);
    const int magnitude = std::abs(Value);
    const QString number = QStringLiteral("%1.%2").arg(magnitude / 100).arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    if (Value > 0)
        return QLatin1Char('+') + number;
    if (Value < 0)
        return QLatin1Char('-') + number;
    return number;
}

TAnalysisScore TAnalysisScore::FromSideToMove(bool whiteToMove, bool mate, int value)
{
    TAnalysisScore score;
    score.Mate = mate;
    score.Value = whiteToMove ? value : -value;
    if (mate && value == 0)
        score.WhiteMated = whiteToMove;
    return score;
}
