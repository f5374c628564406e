// The beginners' levels: a choice among the root moves made on top of the
// engine, never inside its search. Each legal move is scored by a shallow
// search of the replies (or, on a careless turn, by the position it leaves
// alone, the replies overlooked), and one move is drawn with a probability
// that falls with its distance from the best score: the higher the
// temperature, the likelier a worse move. A mate in one is always seen.
// Nothing here is used unless a level asks for it; the levels' search is
// untouched.
#pragma once

#include "engine/EngineTypes.h"

#include <cstdint>

// How one beginners' level chooses its moves.
struct TWeakPlayStyle {
    int Depth = 1;           // plies searched after each root move on an attentive turn (0: none)
    int TemperatureCp = 100; // spread of the choice, in centipawns
    int OverlookPercent = 0; // share of turns on which the replies go unseen
};

// A small seeded generator (splitmix64): the same seed gives the same games.
class TWeakRandom {
public:
    explicit TWeakRandom(std::uint64_t seed = 1) : state_(seed) {}
    void Seed(std::uint64_t seed) { state_ = seed; }
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t state_;
};
