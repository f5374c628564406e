// The soak's figures: games, moves, results, time per level and memory,
// printed as the run goes and at its end, with the memory verdict.
#pragma once

#include "MemoryProbe.h"
#include "SelfPlay.h"

#include <map>
#include <string>
#include <vector>

class TSoakReport {
public:
    explicit TSoakReport(const TSoakOptions& options) : options_(options) {}

    void GameDone(const TGameRecord& record, const TMemorySample& memory);
    // One line of running totals.
    std::string ProgressLine() const;
    // The closing summary.
    std::string Summary() const;
    // Resident memory after the warm-up games rose by more than the bound.
    bool MemoryGrew() const;
    long MemoryGrowthKiB() const;

private:
    const TSoakOptions& options_;
    int games_ = 0;
    long long plies_ = 0;
    long long computerPlies_ = 0;
    int jumps_ = 0;
    int loads_ = 0;
    std::map<TGameResult, int> results_;
    struct LevelFigures {
        int Games = 0;
        long long ComputerPlies = 0;
        double Seconds = 0;
    };
    std::map<int, LevelFigures> levels_;
    std::vector<TMemorySample> memory_;
    double seconds_ = 0;
};
