// The soak program's command line: how many games, their levels and length,
// the seed of the openings, and the bounds that make the run fail.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TSoakOptions {
    int Games = 200;
    int MinLevel = 1;
    int MaxLevel = 3;
    // Half-moves made in one game before it is ended as too long.
    int MaxPlies = 300;
    unsigned Seed = 2005;
    // A line of figures after every this many games.
    int ReportEvery = 10;
    // No move for this long means the game hangs.
    int WatchdogSeconds = 120;
    // Resident memory may exceed its level after the warm-up games by at
    // most this much.
    long MemoryGrowthKiB = 8192;
    int WarmupGames = 3;
};

// Reads "--games N", "--levels A-B", "--max-plies N", "--seed N",
// "--report-every N", "--watchdog S", "--memory-growth KIB", "--warmup N".
// No value and an error message for anything else.
std::optional<TSoakOptions> ParseSoakOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const SoakUsage;
