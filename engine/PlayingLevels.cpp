// The table of the playing levels. The beginners' styles are tuned with
// kestravin-ladder against fairy-stockfish at low skill levels (README).
#include "engine/PlayingLevels.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array<TPlayingLevel, 7> Levels{{
    {"Iniciante", 0, {1, 400, 95}, 4},
    {"Aprendiz", 0, {1, 200, 60}, 6},
    {"Super Facil", 1, {}, 8},
    {"Facil", 2, {}, 10},
    {"Medio", 3, {}, 12},
    {"Dificil", 4, {}, 16},
    {"Super Dificil", 5, {}, 20},
}};

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const TPlayingLevel> PlayingLevels()
{
    return Levels;
}

const TPlayingLevel* FindPlayingLevel(std::string_view plainName)
{
    for (const TPlayingLevel& level : Levels) {
        if (SameName(level.PlainName, plainName))
            return &level;
    }
    return nullptr;
}

const TPlayingLevel* PlayingLevelOfDepth(int depth)
{
    for (const TPlayingLevel& level : Levels) {
        if (level.SearchDepth == depth && depth > 0)
            return &level;
    }
    return nullptr;
}
