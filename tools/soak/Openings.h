// The variety the soak games start from: well-known opening lines to play
// part of, and positions to load, as a person would from a game file.
#pragma once

#include "core/Square.h"

#include <string>
#include <utility>
#include <vector>

struct TOpeningLine {
    std::string Name;
    // Half-moves from the initial position, each a from-square and a to-square.
    std::vector<std::pair<Square, Square>> Moves;
};

struct TLoadablePosition {
    std::string Name;
    // 64 characters, a8 first.
    std::string Placement;
    bool WhiteToMove = true;
};

const std::vector<TOpeningLine>& OpeningLines();
const std::vector<TLoadablePosition>& LoadablePositions();

// "e2" to Square::E2; Square::None for anything else.
Square SquareFromName(const std::string& name);
