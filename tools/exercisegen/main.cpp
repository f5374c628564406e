// kestravin-exercisegen: makes the shipped exercise set. Stockfish plays
// itself at varied skill levels and short move times, which makes real
// mistakes; every position of those games is screened by a shallow search,
// and the few that pass are verified deeply (ExerciseFinder.h). The
// exercises kept are appended to the set, one a line, so that runs add up;
// a position already in the set is not taken again.
#include "ExerciseFinder.h"
#include "StockfishAnalyst.h"

#include "core/ExerciseSet.h"
#include "core/Fen.h"
#include "core/MoveList.h"
#include "core/Rules.h"
#include "core/UciMove.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <sstream>

namespace {

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << "kestravin-exercisegen: " << message << "\n";
    std::exit(2);
}

// The position as the set tells positions apart: placement, side to move,
// castling and en passant (the FEN's first four fields).
std::string PositionKey(const std::string& fen)
{
    std::istringstream in(fen);
    std::string key, field;
    for (int i = 0; i < 4 && in >> field; ++i)
        key += (i ? " " : "") + field;
    return key;
}

struct TSetOnDisk {
    std::set<std::string> Keys;
    int LastNumber = 0;
    int Count = 0;
};

constexpr const char* IdPrefix = "x";

TSetOnDisk ReadExisting(const std::string& path)
{
    TSetOnDisk set;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return set;
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> errors;
    const std::vector<TExercise> exercises = ReadExerciseSet(text.str(), errors);
    if (!errors.empty())
        Fail(path + ": " + errors.front() + " (and " + std::to_string(errors.size() - 1) + " more)");
    for (const TExercise& exercise : exercises) {
        set.Keys.insert(PositionKey(exercise.Fen));
        if (exercise.Id.rfind(IdPrefix, 0) == 0)
            set.LastNumber = std::max(set.LastNumber, std::atoi(exercise.Id.c_str() + 1));
    }
    set.Count = static_cast<int>(exercises.size());
    return set;
}

std::string IdFor(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%s%05d", IdPrefix, number);
    return text;
}

bool GameOver(const GameState& state)
{
    return !HasMobility(state) || (MatingMaterial(state.Board, true) < 5 && MatingMaterial(state.Board, false) < 5);
}

int IntOption(const QCommandLineParser& parser, const QCommandLineOption& option, int low, int high)
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < low || value > high)
        Fail("--" + option.names().front().toStdString() + " needs a number from " + std::to_string(low) + " to " +
             std::to_string(high));
    return value;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestravin-exercisegen"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes tactics exercises from games stockfish plays against itself at varied skill levels, keeping a "
        "position only where one move clearly wins, and appends them to the exercise set."));
    parser.addHelpOption();
    const QCommandLineOption engineOption("engine", "The UCI engine (default /usr/games/stockfish).", "path",
                                          QStringLiteral("/usr/games/stockfish"));
    const QCommandLineOption outOption("out", "The exercise set to append to.", "file",
                                       QStringLiteral("resources/exercises/exercises.tsv"));
    const QCommandLineOption gamesOption("games", "Games to play (default 100).", "n", "100");
    const QCommandLineOption untilOption("until", "Stop when the set holds this many exercises (default: no limit).",
                                         "n", "0");
    const QCommandLineOption minutesOption("minutes", "Stop after this many minutes (default: no limit).", "n", "0");
    const QCommandLineOption seedOption("seed", "Seed of the games' random choices (default: the clock).", "n");
    const QCommandLineOption moveTimeOption("movetime", "Milliseconds a move in the games (default 10).", "ms", "10");
    const QCommandLineOption maxSkillOption("max-skill", "Highest Skill Level of the players (default 5).", "n", "5");
    const QCommandLineOption blundersOption("blunders",
                                            "Random moves tried at each position of a game, each a mistake the "
                                            "other side may punish (default 2).",
                                            "n", "2");
    const QCommandLineOption screenOption("screen-depth", "Depth of the screening search (default 8).", "n", "8");
    const QCommandLineOption verifyOption("verify-depth", "Depth of the verifying search (default 14).", "n", "14");
    parser.addOptions({engineOption, outOption, gamesOption, untilOption, minutesOption, seedOption, moveTimeOption,
                       maxSkillOption, blundersOption, screenOption, verifyOption});
    parser.addPositionalArgument("parts", "With --merge: sets made by other runs, appended to --out.", "[parts...]");
    const QCommandLineOption mergeOption("merge",
                                         "Append the exercises of the sets given as arguments to --out, with new "
                                         "ids, leaving out positions already there; play no game.");
    parser.addOption(mergeOption);
    parser.process(app);

    const QString engine = parser.value(engineOption);
    if (!QFileInfo(engine).isExecutable())
        Fail("the engine " + engine.toStdString() + " is not an executable program");
    const std::string out = parser.value(outOption).toStdString();
    const int games = IntOption(parser, gamesOption, 1, 10000000);
    const int until = IntOption(parser, untilOption, 0, 10000000);
    const int minutes = IntOption(parser, minutesOption, 0, 100000);
    const int moveTimeMs = IntOption(parser, moveTimeOption, 1, 60000);
    const int maxSkill = IntOption(parser, maxSkillOption, 0, 20);
    const int blunders = IntOption(parser, blundersOption, 0, 20);
    TFinderSettings settings;
    settings.ScreenDepth = IntOption(parser, screenOption, 1, 40);
    settings.VerifyDepth = IntOption(parser, verifyOption, settings.ScreenDepth, 60);
    const unsigned seed = parser.isSet(seedOption)
        ? parser.value(seedOption).toUInt()
        : static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());

    TSetOnDisk set = ReadExisting(out);
    const bool fresh = set.Count == 0 && !QFileInfo::exists(QString::fromStdString(out));
    std::ofstream file(out, std::ios::binary | std::ios::app);
    if (!file)
        Fail("cannot write " + out);
    if (fresh)
        file << "# Tactics exercises made by kestravin-exercisegen (tools/exercisegen) from games Stockfish played\n"
                "# against itself; one a line: id\tFEN\tsolution (UCI moves, the solver's first)\trating\tthemes\n"
             << std::flush;
    if (parser.isSet(mergeOption)) {
        int added = 0;
        for (const QString& part : parser.positionalArguments()) {
            std::ifstream in(part.toStdString(), std::ios::binary);
            if (!in)
                Fail("cannot read " + part.toStdString());
            std::stringstream text;
            text << in.rdbuf();
            std::vector<std::string> errors;
            const std::vector<TExercise> exercises = ReadExerciseSet(text.str(), errors);
            if (!errors.empty())
                Fail(part.toStdString() + ": " + errors.front());
            for (TExercise exercise : exercises) {
                if (!set.Keys.insert(PositionKey(exercise.Fen)).second)
                    continue;
                exercise.Id = IdFor(++set.LastNumber);
                file << WriteExerciseLine(exercise) << '\n';
                ++added;
            }
        }
        file << std::flush;
        std::cout << added << " exercises added, " << set.Count + added << " in " << out << "\n";
        return file ? 0 : 1;
    }

    TStockfishAnalyst analyst(engine);
    std::string error;
    if (!analyst.Start(error))
        Fail(error);

    std::mt19937 random(seed);
    const auto started = std::chrono::steady_clock::now();
    const auto minutesPassed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() / 60.0;
    };
    int played = 0, examined = 0, deepSearches = 0, kept = 0;
    std::set<std::string> examinedKeys;
    std::cout << "seed " << seed << ", " << set.Count << " exercises in " << out << "\n" << std::flush;

    // One game's positions often hold the same blow a move apart: a solution
    // is kept once a game.
    std::set<std::string> gameSolutions;
    const auto keep = [&](const std::string& fen, const TFoundExercise& found) {
        std::string solution;
        for (const std::string& move : found.Solution)
            solution += move + ' ';
        if (!gameSolutions.insert(solution).second)
            return false;
        TExercise exercise;
        exercise.Id = IdFor(++set.LastNumber);
        exercise.Fen = fen;
        exercise.Solution = found.Solution;
        exercise.Rating = found.Rating;
        exercise.Themes = found.Themes;
        std::string lineError;
        const std::string line = WriteExerciseLine(exercise);
        if (!ReadExerciseLine(line, lineError))
            Fail("made a bad line (" + lineError + "): " + line);
        file << line << '\n' << std::flush;
        set.Keys.insert(PositionKey(fen));
        ++set.Count;
        ++kept;
        return true;
    };

    for (; played < games; ++played) {
        if ((until > 0 && set.Count >= until) || (minutes > 0 && minutesPassed() >= minutes))
            break;
        const int whiteSkill = std::uniform_int_distribution<int>(0, maxSkill)(random);
        const int blackSkill = std::uniform_int_distribution<int>(0, maxSkill)(random);
        const int randomPlies = std::uniform_int_distribution<int>(0, 3)(random);
        GameState state = GameState::Initial();
        GameState previous = state;
        gameSolutions.clear();
        int gameKept = 0, ply = 0;
        for (; ply < 200 && !GameOver(state); ++ply) {
            const std::string fen = WriteFen(state);
            const std::string key = PositionKey(fen);
            if (ply >= 8 && !set.Keys.count(key) && examinedKeys.insert(key).second) {
                ++examined;
                if (const std::optional<TFoundExercise> found =
                        FindExercise(state, analyst, settings, &previous, &deepSearches)) {
                    gameKept += keep(fen, *found) ? 1 : 0;
                }
            }
            // Mistakes tried: the positions after a few random moves of the
            // side to move, where the other side may have a way to punish.
            if (ply >= 8) {
                const std::vector<ChessMove> moves = LegalMoves(state);
                for (int b = 0; b < blunders && moves.size() > 1; ++b) {
                    const ChessMove tried =
                        moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
                    const GameState after = PositionAfter(state, tried);
                    const std::string afterFen = WriteFen(after);
                    const std::string afterKey = PositionKey(afterFen);
                    if (GameOver(after) || set.Keys.count(afterKey) || !examinedKeys.insert(afterKey).second)
                        continue;
                    ++examined;
                    if (const std::optional<TFoundExercise> found =
                            FindExercise(after, analyst, settings, &state, &deepSearches)) {
                        gameKept += keep(afterFen, *found) ? 1 : 0;
                    }
                }
            }
            std::string moveText;
            if (ply < randomPlies) {
                const std::vector<ChessMove> moves = LegalMoves(state);
                moveText = UciMoveText(moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)]);
            } else {
                moveText = analyst.PlayMove(fen, state.WhiteToMove ? whiteSkill : blackSkill, moveTimeMs);
            }
            const std::optional<ChessMove> move = ReadUciMove(state, moveText);
            if (!move) {
                std::cerr << "no legal move from the engine (" << moveText << ", " << analyst.Error() << ") in " << fen
                          << "\n";
                break;
            }
            previous = state;
            state = PositionAfter(state, *move);
        }
        std::cout << "game " << played + 1 << ": skill " << whiteSkill << "-" << blackSkill << ", " << ply << " plies, "
                  << gameKept << " kept; total " << kept << " kept of " << examined << " examined (" << deepSearches
                  << " deep searches), " << set.Count << " in the set, " << minutesPassed() << " min\n"
                  << std::flush;
    }
    std::cout << "done: " << played << " games, " << examined << " positions examined, " << deepSearches
              << " deep searches, " << kept << " exercises kept, " << set.Count << " in the set, " << minutesPassed()
              << " minutes\n";
    return 0;
}
