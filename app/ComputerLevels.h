// The computer's levels, in the order they are offered: each a name and
// the search depth it plays at. A new level is a new entry here; the
// dialog "Nova partida…" lists them all and the menu "Dificuldade" keeps
// its five.
#pragma once

#include <QString>

#include <vector>

struct ComputerLevel {
    QString Name;
    int Depth = 1;
};

// Worded in the interface language of the moment.
std::vector<ComputerLevel> ComputerLevels();
// The entry of a depth; the first one when none plays at it.
std::size_t ComputerLevelOfDepth(int depth);
