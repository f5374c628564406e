// kestravin-clockmatch: the computer against itself on a clock, at every
// level, to show that it never loses on time. Each move is searched the way
// the game window has the computer search on a clock: at the level's depth,
// with the thinking limit the clock's MoveBudget gives, playing the last
// finished iteration's move (or the best found so far) when time runs out;
// the real time each move takes is charged to the real clock. Games start
// with a few random legal moves (seeded), so that they differ, and end by
// the rules (mate, stalemate, too little material, 75 moves, fivefold
// repetition) or after a cap of half-moves.
//
//   kestravin-clockmatch [--games N] [--levels 1-5] [--controls 60,180+2]
//                        [--max-plies 300] [--seed S] [--beginners]
//
// --beginners plays the beginners' levels (Iniciante, Aprendiz) too, each
// choosing its moves as the window has it do (ChooseWeakMove) within the
// same budget. Prints one line per level and control: games, losses on time, the least
// time left on any clock after a move, and the longest move.
#include "core/Clock.h"
#include "core/EndRules.h"
#include "core/MoveExecution.h"
#include "core/MoveList.h"
#include "core/Rules.h"
#include "engine/ChessEngine.h"
#include "engine/PlayingLevels.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct Options {
    int Games = 10;
    int FirstLevel = 1;
    int LastLevel = 5;
    std::vector<std::string> Controls = {"60", "180+2"};
    int MaxPlies = 300;
    unsigned Seed = 2005;
    bool Beginners = false;
};

struct Tally {
    int Games = 0;
    int LostOnTime = 0;
    ClockMs LeastLeft = 1LL << 60;
    ClockMs LongestMove = 0;
};

ClockMs Now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return parts;
}

bool ReadOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--beginners") {
            options.Beginners = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "kestravin-clockmatch: %s needs a value\n", arg.c_str());
            return false;
        }
        const std::string value = argv[++i];
        if (arg == "--games")
            options.Games = std::max(1, std::atoi(value.c_str()));
        else if (arg == "--levels") {
            const std::size_t dash = value.find('-');
            options.FirstLevel = std::clamp(std::atoi(value.c_str()), 1, 8);
            options.LastLevel =
                dash == std::string::npos ? options.FirstLevel : std::clamp(std::atoi(value.c_str() + dash + 1), 1, 8);
        } else if (arg == "--controls")
            options.Controls = Split(value);
        else if (arg == "--max-plies")
            options.MaxPlies = std::max(2, std::atoi(value.c_str()));
        else if (arg == "--seed")
            options.Seed = static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 10));
        else {
            std::fprintf(stderr, "kestravin-clockmatch: unknown option %s\n", arg.c_str());
            return false;
        }
    }
    return true;
}

// One game between two players of `level`; true when a side lost on time.
bool PlayGame(TChessEngine& engine, const TPlayingLevel& level, const TimeControl& control, const Options& options,
              std::mt19937& random, Tally& tally)
{
    GameState state = GameState::Initial();
    GameClock clock(Now);
    clock.Start(control, control, true);
    TWeakRandom weakRandom(random());
    std::atomic<int> depth{std::max(1, level.SearchDepth)};
    engine.LinkTo(state);
    engine.SearchDepthRef = &depth;
    std::vector<RepetitionKey> keys{RepetitionKeyOf(state)};
    int halfMoveClock = 0;
    const int randomPlies = 2 + static_cast<int>(random() % 4);
    for (int ply = 0; ply < options.MaxPlies; ++ply) {
        const std::vector<ChessMove> legal = LegalMoves(state);
        if (legal.empty() || (MatingMaterial(state.Board, true) < 5 && MatingMaterial(state.Board, false) < 5))
            return false;
        const ClockMs started = Now();
        ChessMove move;
        if (ply < randomPlies) {
            move = legal[random() % legal.size()];
        } else {
            const ClockMs budget = clock.MoveBudget();
            engine.SetDeadline(std::chrono::steady_clock::now() + std::chrono::milliseconds(budget));
            TEngineMove chosen;
            if (level.Beginner()) {
                if (!engine.ChooseWeakMove(level.Style, weakRandom, chosen))
                    return false;
            } else {
                engine.FindBestMove();
                chosen = engine.BestMove();
                if (engine.LimitReached() && !engine.MoveToPlay(chosen, false))
                    return false;
            }
            move = ChessMove{SquareFromOrd(chosen.From + 1), SquareFromOrd(chosen.To + 1), EmptySquare};
            for (const ChessMove& candidate : legal)
                if (candidate.From == move.From && candidate.To == move.To) {
                    move = candidate; // a promotion becomes a queen, the first listed
                    break;
                }
        }
        const char piece = state.At(move.From);
        const bool irreversible = piece == 'P' || piece == 'p' || state.At(move.To) != EmptySquare;
        state = PositionAfter(state, move);
        tally.LongestMove = std::max(tally.LongestMove, Now() - started);
        const bool mover = clock.WhiteToMove();
        if (!clock.MoveMade())
            return true;
        tally.LeastLeft = std::min(tally.LeastLeft, clock.Remaining(mover));
        halfMoveClock = irreversible ? 0 : halfMoveClock + 1;
        if (irreversible)
            keys.clear();
        keys.push_back(RepetitionKeyOf(state));
        const int repetitions = static_cast<int>(std::count(keys.begin(), keys.end(), keys.back()));
        if (halfMoveClock >= 150 || repetitions >= 5)
            return false;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ReadOptions(argc, argv, options))
        return 2;
    auto engine = std::make_unique<TChessEngine>();
    std::mt19937 random(options.Seed);
    int lost = 0;
    for (const std::string& text : options.Controls) {
        const auto control = ParseTimeControl(text);
        if (!control || control->IsNone()) {
            std::fprintf(stderr, "kestravin-clockmatch: not a time control: %s\n", text.c_str());
            return 2;
        }
        std::vector<const TPlayingLevel*> levels;
        for (const TPlayingLevel& level : PlayingLevels())
            if (level.Beginner() ? options.Beginners
                                 : level.SearchDepth >= options.FirstLevel && level.SearchDepth <= options.LastLevel)
                levels.push_back(&level);
        for (const TPlayingLevel* level : levels) {
            Tally tally;
            for (int game = 0; game < options.Games; ++game) {
                ++tally.Games;
                if (PlayGame(*engine, *level, *control, options, random, tally))
                    ++tally.LostOnTime;
            }
            lost += tally.LostOnTime;
            std::printf("control %-8s level %.*s: %d games, %d lost on time, least time left %.1f s, longest move "
                        "%.2f s\n",
                        text.c_str(), static_cast<int>(level->PlainName.size()), level->PlainName.data(), tally.Games,
                        tally.LostOnTime, static_cast<double>(tally.LeastLeft) / 1000.0,
                        static_cast<double>(tally.LongestMove) / 1000.0);
            std::fflush(stdout);
        }
    }
    return lost == 0 ? 0 : 1;
}
