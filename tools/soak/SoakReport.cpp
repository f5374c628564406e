// Totals and memory figures of the soak.
#include "SoakReport.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string MiB(long kib)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(kib) / 1024.0);
    return text;
}

} // namespace

void TSoakReport::GameDone(const TGameRecord& record, const TMemorySample& memory)
{
    ++games_;
    plies_ += record.Plies;
    computerPlies_ += record.ComputerPlies;
    jumps_ += record.HistoryJumps;
    loads_ += record.PositionLoads;
    ++results_[record.Result];
    LevelFigures& level = levels_[record.Level];
    ++level.Games;
    level.ComputerPlies += record.ComputerPlies;
    level.Seconds += record.Seconds;
    seconds_ += record.Seconds;
    memory_.push_back(memory);
}

std::string TSoakReport::ProgressLine() const
{
    const TMemorySample last = memory_.empty() ? TMemorySample{} : memory_.back();
    char line[256];
    std::snprintf(line, sizeof line, "games %d  half-moves %lld  time %.0f s  VmRSS %s  VmHWM %s", games_, plies_,
                  seconds_, MiB(last.ResidentKiB).c_str(), MiB(last.PeakKiB).c_str());
    return line;
}

long TSoakReport::MemoryGrowthKiB() const
{
    // The level after the warm-up games against the highest level after it.
    const std::size_t warm = std::min<std::size_t>(static_cast<std::size_t>(options_.WarmupGames), memory_.size());
    if (warm == 0 || warm >= memory_.size())
        return 0;
    const long baseline = memory_[warm - 1].ResidentKiB;
    long highest = baseline;
    for (std::size_t i = warm; i < memory_.size(); ++i)
        highest = std::max(highest, memory_[i].ResidentKiB);
    return highest - baseline;
}

bool TSoakReport::MemoryGrew() const
{
    return MemoryGrowthKiB() > options_.MemoryGrowthKiB;
}

std::string TSoakReport::Summary() const
{
    std::string text;
    char line[256];
    std::snprintf(line, sizeof line,
                  "games %d, half-moves %lld (by the computer %lld), history jumps %d, loads %d, %.0f s\n", games_,
                  plies_, computerPlies_, jumps_, loads_, seconds_);
    text += line;
    text += "results:";
    for (const auto& [result, count] : results_)
        text += std::string("  ") + ResultName(result) + " " + std::to_string(count);
    text += "\n";
    for (const auto& [level, figures] : levels_) {
        const double perMove = figures.ComputerPlies > 0 ? 1000.0 * figures.Seconds / figures.ComputerPlies : 0;
        std::snprintf(line, sizeof line, "level %d: %d games, %lld computer half-moves, %.1f ms a half-move\n", level,
                      figures.Games, figures.ComputerPlies, perMove);
        text += line;
    }
    if (!memory_.empty()) {
        const std::size_t warm =
            std::min<std::size_t>(static_cast<std::size_t>(std::max(options_.WarmupGames, 1)), memory_.size());
        text += "memory: VmRSS after game 1 " + MiB(memory_.front().ResidentKiB) + ", after game " +
            std::to_string(warm) + " " + MiB(memory_[warm - 1].ResidentKiB) + ", at the end " +
            MiB(memory_.back().ResidentKiB) + "; VmHWM " + MiB(memory_.back().PeakKiB) + "; growth after the warm-up " +
            MiB(MemoryGrowthKiB()) + " (bound " + MiB(options_.MemoryGrowthKiB) + ")\n";
    }
    return text;
}
