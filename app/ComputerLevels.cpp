#include "app/ComputerLevels.h"

#include <QCoreApplication>

std::vector<ComputerLevel> ComputerLevels()
{
    // The names of PlayingLevels(), in its order.
    const QString names[] = {
        QCoreApplication::translate("TForm2", "Iniciante"),     QCoreApplication::translate("TForm2", "Aprendiz"),
        QCoreApplication::translate("TForm2", "Super Fácil"),   QCoreApplication::translate("TForm2", "Fácil"),
        QCoreApplication::translate("TForm2", "Médio"),         QCoreApplication::translate("TForm2", "Difícil"),
        QCoreApplication::translate("TForm2", "Super Difícil"),
    };
    std::vector<ComputerLevel> levels;
    const auto playing = PlayingLevels();
    for (std::size_t i = 0; i < playing.size() && i < std::size(names); ++i)
        levels.push_back({names[i], &playing[i]});
    return levels;
}

std::size_t ComputerLevelIndex(const TPlayingLevel* level)
{
    const auto levels = ComputerLevels();
    for (std::size_t i = 0; i < levels.size(); ++i)
        if (levels[i].Level == level)
            return i;
    return 0;
}
