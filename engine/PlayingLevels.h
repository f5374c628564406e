// The computer's playing levels in order of strength: the two beginners'
// levels, which choose among the searched moves (WeakPlay.h), and the five
// levels of "Dificuldade", each a search depth. Every front end (the game
// window, the UCI program, the ladder) takes its levels from here.
#pragma once

#include "engine/WeakPlay.h"

#include <span>
#include <string_view>

struct TPlayingLevel {
    // The name in plain letters, as other programs are given it ("Super
    // Facil"); the windows show their own translated names.
    std::string_view PlainName;
    // The five levels: their search depth (1 Super Fácil to 5 Super
    // Difícil). The beginners' levels: 0.
    int SearchDepth = 0;
    // The beginners' levels' way of choosing (used when SearchDepth is 0).
    TWeakPlayStyle Style;
    // How many plies of a game the level plays from the opening book, when
    // the book is on.
    int BookPlies = 0;

    bool Beginner() const { return SearchDepth == 0; }
};

// Iniciante, Aprendiz, Super Facil, Facil, Medio, Dificil, Super Dificil.
std::span<const TPlayingLevel> PlayingLevels();
// The level of this plain name (letter case ignored), or nullptr.
const TPlayingLevel* FindPlayingLevel(std::string_view plainName);
// The level that searches to this depth (1 to 5), or nullptr.
const TPlayingLevel* PlayingLevelOfDepth(int depth);
