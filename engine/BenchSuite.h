// The benchmark suite: positions from well-known games (openings, tactical
// middlegames, endgames), each given by its game's moves from the start so
// that it is certainly legal, and a search of one position by a fresh
// engine. The benchmark program prints these searches; a test pins their
// node counts and chosen moves, which define the engine's behaviour.
#pragma once

#include "core/GameState.h"
#include "engine/EngineTypes.h"

#include <cstdint>
#include <span>
#include <string>

struct TBenchPosition {
    const char* Name;
    const char* Game;  // players, place and year
    const char* Moves; // UCI moves from the initial position
};

std::span<const TBenchPosition> BenchPositions();

// Replays the position's moves; false (with the reason) if one is illegal.
bool SetUpBenchPosition(const TBenchPosition& position, GameState& state, std::string& error);

struct TBenchSearch {
    std::uint64_t Nodes = 0;
    TEngineMove Move;
    int Score = 0;
    double Seconds = 0; // processor time of the searching thread
};

// Processor time used by the calling thread so far. The benchmark measures
// with it so that other programs sharing the machine do not blur figures.
double ThreadCpuSeconds();

// Searches the state to the given depth with a new engine, so that no
// earlier search influences the result.
TBenchSearch RunBenchSearch(const GameState& state, int depth);
