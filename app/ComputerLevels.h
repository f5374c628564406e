// The computer's levels as the windows name them, in the order they are
// offered, weakest first: the two beginners' levels and the five of
// "Dificuldade". The dialog "Nova partida…" lists them all and the menu
// "Dificuldade" keeps its five.
#pragma once

#include "engine/PlayingLevels.h"

#include <QString>

#include <vector>

struct ComputerLevel {
    QString Name;
    const TPlayingLevel* Level = nullptr;
};

// Worded in the interface language of the moment.
std::vector<ComputerLevel> ComputerLevels();
// The entry of a level; the first one for none.
std::size_t ComputerLevelIndex(const TPlayingLevel* level);
