// Playing an installed UCI engine at a chosen strength: what it offers
// ("option name ... type spin ... min ... max ..." lines) and the options
// that bring it to a rating, by the protocol's UCI_LimitStrength and UCI_Elo
// where it has them, else by a "Skill Level" from 0 to 20.
#pragma once

#include <QMap>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

struct TUciOption {
    QString Type; // "spin", "check", "combo", "string", "button"
    int Min = 0;
    int Max = 0;
};

// Reads "option name <name> type <type> [default ..] [min ..] [max ..]";
// false for any other line. The name may hold spaces ("Skill Level").
bool ParseUciOption(QStringView line, QString& name, TUciOption& option);

// The weakest and strongest ratings offered to the person.
inline constexpr int WeakestEngineElo = 1350;
inline constexpr int StrongestEngineElo = 2850;

// The "setoption" name/value pairs that set the engine to `elo` (clamped
// to what it offers); none when it offers neither way, and then it plays
// at full strength.
std::vector<std::pair<QString, QString>> StrengthOptions(const QMap<QString, TUciOption>& offered, int elo);
