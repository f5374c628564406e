#include "app/ExerciseThemes.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, const char*>, 11> ThemeNames{{
    {"", QT_TRANSLATE_NOOP("ExerciseThemes", "Meus erros")},
    {"mateIn1", QT_TRANSLATE_NOOP("ExerciseThemes", "Mate em 1")},
    {"mateIn2", QT_TRANSLATE_NOOP("ExerciseThemes", "Mate em 2")},
    {"mateIn3", QT_TRANSLATE_NOOP("ExerciseThemes", "Mate em 3")},
    {"mate", QT_TRANSLATE_NOOP("ExerciseThemes", "Mate")},
    {"material", QT_TRANSLATE_NOOP("ExerciseThemes", "Ganho de material")},
    {"fork", QT_TRANSLATE_NOOP("ExerciseThemes", "Garfo")},
    {"pin", QT_TRANSLATE_NOOP("ExerciseThemes", "Cravada")},
    {"hangingPiece", QT_TRANSLATE_NOOP("ExerciseThemes", "Peça solta")},
    {"promotion", QT_TRANSLATE_NOOP("ExerciseThemes", "Promoção")},
    {"backRank", QT_TRANSLATE_NOOP("ExerciseThemes", "Mate na última fileira")},
}};

} // namespace

QString ExerciseThemeName(const std::string& key)
{
    for (const auto& [themeKey, name] : ThemeNames)
        if (themeKey == key)
            return QCoreApplication::translate("ExerciseThemes", name);
    return QString::fromStdString(key);
}

QString ExerciseThemeNames(const std::vector<std::string>& keys)
{
    QStringList names;
    for (const std::string& key : keys)
        names.append(ExerciseThemeName(key));
    return names.join(QStringLiteral(", "));
}
