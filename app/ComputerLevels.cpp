#include "app/ComputerLevels.h"

#include <QCoreApplication>

std::vector<ComputerLevel> ComputerLevels()
{
    return {
        {QCoreApplication::translate("TForm2", "Super Fácil"), 1},
        {QCoreApplication::translate("TForm2", "Fácil"), 2},
        {QCoreApplication::translate("TForm2", "Médio"), 3},
        {QCoreApplication::translate("TForm2", "Difícil"), 4},
        {QCoreApplication::translate("TForm2", "Super Difícil"), 5},
    };
}

std::size_t ComputerLevelOfDepth(int depth)
{
    const auto levels = ComputerLevels();
    for (std::size_t i = 0; i < levels.size(); ++i)
        if (levels[i].Depth == depth)
            return i;
    return 0;
}
