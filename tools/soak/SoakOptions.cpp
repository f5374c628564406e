// Command-line parsing of the soak program.
#include "SoakOptions.h"

#include <charconv>

const char* const SoakUsage =
    "usage: kestravin-soak [--games N] [--levels A-B] [--max-plies N] [--seed N]\n"
    "                      [--report-every N] [--watchdog SECONDS] [--memory-growth KIB] [--warmup N]\n";

namespace {

template <typename Number>
bool ParseWhole(const std::string& text, Number low, Number high, Number& value)
{
    Number parsed{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool ParseLevels(const std::string& text, int& low, int& high)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos)
        return ParseWhole(text, 1, 5, low) && ParseWhole(text, 1, 5, high);
    return ParseWhole(text.substr(0, dash), 1, 5, low) && ParseWhole(text.substr(dash + 1), low, 5, high);
}

} // namespace

std::optional<TSoakOptions> ParseSoakOptions(const std::vector<std::string>& args, std::string& error)
{
    TSoakOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) {
            error = "missing value after " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = false;
        if (name == "--games")
            ok = ParseWhole(value, 1, 1000000, options.Games);
        else if (name == "--levels")
            ok = ParseLevels(value, options.MinLevel, options.MaxLevel);
        else if (name == "--max-plies")
            ok = ParseWhole(value, 1, 100000, options.MaxPlies);
        else if (name == "--seed")
            ok = ParseWhole(value, 0u, 0xFFFFFFFFu, options.Seed);
        else if (name == "--report-every")
            ok = ParseWhole(value, 1, 1000000, options.ReportEvery);
        else if (name == "--watchdog")
            ok = ParseWhole(value, 1, 86400, options.WatchdogSeconds);
        else if (name == "--memory-growth")
            ok = ParseWhole(value, 0L, 1L << 30, options.MemoryGrowthKiB);
        else if (name == "--warmup")
            ok = ParseWhole(value, 0, 1000000, options.WarmupGames);
        else {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    return options;
}
