#include "enginehelp/UciStrength.h"

#include <QStringList>

#include <algorithm>

namespace {

// The words of an option line that end its name and start another field.
bool IsOptionField(const QString& word)
{
    return word == QLatin1String("type") || word == QLatin1String("default") || word == QLatin1String("min") ||
        word == QLatin1String("max") || word == QLatin1String("var");
}

} // namespace

bool ParseUciOption(QStringView line, QString& name, TUciOption& option)
{
    const QStringList words = line.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 4 || words[0] != QLatin1String("option") || words[1] != QLatin1String("name"))
        return false;
    qsizetype i = 2;
    QStringList nameWords;
    while (i < words.size() && words[i] != QLatin1String("type"))
        nameWords << words[i++];
    if (nameWords.isEmpty() || i + 1 >= words.size())
        return false;
    name = nameWords.join(QLatin1Char(' '));
    option = TUciOption{words[i + 1], 0, 0};
    for (i += 2; i + 1 < words.size(); ++i) {
        if (!IsOptionField(words[i]))
            continue;
        bool ok = false;
        const int value = words[i + 1].toInt(&ok);
        if (words[i] == QLatin1String("min") && ok)
            option.Min = value;
        else if (words[i] == QLatin1String("max") && ok)
            option.Max = value;
    }
    return true;
}

std::vector<std::pair<QString, QString>> StrengthOptions(const QMap<QString, TUciOption>& offered, int elo)
{
    elo = std::clamp(elo, WeakestEngineElo, StrongestEngineElo);
    const auto limit = offered.find(QStringLiteral("UCI_LimitStrength"));
    const auto rating = offered.find(QStringLiteral("UCI_Elo"));
    if (limit != offered.end() && rating != offered.end() && rating->Type == QLatin1String("spin") &&
        rating->Min <= rating->Max) {
        // At the top of the scale the engine plays without a limit.
        if (elo >= StrongestEngineElo)
            return {{QStringLiteral("UCI_LimitStrength"), QStringLiteral("false")}};
        return {{QStringLiteral("UCI_LimitStrength"), QStringLiteral("true")},
                {QStringLiteral("UCI_Elo"), QString::number(std::clamp(elo, rating->Min, rating->Max))}};
    }
    const auto skill = offered.find(QStringLiteral("Skill Level"));
    if (skill != offered.end() && skill->Type == QLatin1String("spin") && skill->Min < skill->Max) {
        // The person's scale laid evenly over the engine's levels.
        const double share =
            static_cast<double>(elo - WeakestEngineElo) / static_cast<double>(StrongestEngineElo - WeakestEngineElo);
        const int level = skill->Min + static_cast<int>(share * (skill->Max - skill->Min) + 0.5);
        return {{QStringLiteral("Skill Level"), QString::number(level)}};
    }
    return {};
}
