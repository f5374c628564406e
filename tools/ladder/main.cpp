// kestravin-ladder: plays the computer player's five levels against each
// other and against stockfish at fixed strengths, and tells how strong each
// level is on stockfish's UCI_Elo scale. Run by hand; see the README.
#include "Judge.h"
#include "LadderGame.h"
#include "Rating.h"
#include "Referee.h"
#include "UciPlayer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>

namespace {

// A level's player name ("L3"). Appended, not "L" + number: that operator+
// inserts at the front and sets off GCC 12's false -Wrestrict warning in
// Release builds.
std::string LevelName(int level)
{
    std::string name = "L";
    name += std::to_string(level);
    return name;
}

struct TOpening {
    std::vector<std::string> Moves;
    std::string Text;
};

struct TLadderOptions {
    QString Engine;
    QString Stockfish;
    QString FairyStockfish;
    int FairyDepth = 5;
    bool Judge = false;
    int JudgeDepth = 10;
    int Games = 10;
    int Concurrency = 1;
    unsigned Seed = 1;
    bool Verbose = false;
    bool Strict = false;
    TGameSettings Settings;
};

[[noreturn]] void Fail(const std::string& message, int code = 2)
{
    std::fprintf(stderr, "kestravin-ladder: %s\n", message.c_str());
    std::exit(code);
}

std::vector<TOpening> ReadOpenings(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        Fail("cannot read the openings file " + path.toStdString() + ": " + file.errorString().toStdString());
    std::vector<TOpening> openings;
    QTextStream in(&file);
    for (int number = 1; !in.atEnd(); ++number) {
        QString line = in.readLine();
        line = line.left(line.indexOf('#')).trimmed();
        if (line.isEmpty())
            continue;
        TOpening opening;
        opening.Text = line.toStdString();
        TReferee referee;
        for (const QString& move : line.split(' ', Qt::SkipEmptyParts)) {
            if (!referee.Play(move.toStdString()))
                Fail(path.toStdString() + ":" + std::to_string(number) + ": '" + move.toStdString() +
                     "' is not a legal move there");
            opening.Moves.push_back(move.toStdString());
        }
        if (referee.End() != TGameEnd::None)
            Fail(path.toStdString() + ":" + std::to_string(number) + ": the line already ends the game");
        openings.push_back(opening);
    }
    if (openings.empty())
        Fail("the openings file " + path.toStdString() + " holds no opening line");
    return openings;
}

// "1-5" or "1,3,5" (or "min" among Elo values, given as minValue).
std::vector<int> ParseList(const QString& text, const char* what, int minValue = 0)
{
    std::vector<int> values;
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        bool ok1 = true, ok2 = true;
        if (part.trimmed() == QLatin1String("min")) {
            values.push_back(minValue);
        } else if (part.contains('-')) {
            const int low = part.section('-', 0, 0).toInt(&ok1), high = part.section('-', 1, 1).toInt(&ok2);
            for (int v = low; ok1 && ok2 && v <= high; ++v)
                values.push_back(v);
        } else {
            values.push_back(part.trimmed().toInt(&ok1));
        }
        if (!ok1 || !ok2)
            Fail(std::string("cannot read the ") + what + " list '" + text.toStdString() + "'");
    }
    return values;
}

class TPlayers {
public:
    explicit TPlayers(const TLadderOptions& options) : options_(options) {}

    // L<n>, Iniciante, Aprendiz, kestravin, sf, sf-skill<n>, sf-elo<n>,
    // sf-elo-min, fsf-skill<n>.
    TPlayerSpec Make(const std::string& name)
    {
        TPlayerSpec spec;
        spec.Name = name;
        if (name.size() == 2 && name[0] == 'L' && name[1] >= '1' && name[1] <= '9') {
            spec.Program = options_.Engine;
            spec.Depth = name[1] - '0';
            return spec;
        }
        if (name == "Iniciante" || name == "Aprendiz") {
            // The beginners' levels through the UCI option; with a level set
            // the depth asked for is the level's own.
            spec.Program = options_.Engine;
            spec.Options = {{"Nivel", name}};
            spec.Depth = 1;
            return spec;
        }
        if (name == "kestravin") {
            spec.Program = options_.Engine;
            return spec;
        }
        if (name.rfind("fsf-skill", 0) == 0) {
            spec.Program = options_.FairyStockfish;
            if (!QFileInfo(spec.Program).isExecutable())
                Fail("fairy-stockfish is not installed at " + spec.Program.toStdString() +
                     " (apt-get install fairy-stockfish)");
            spec.Options = {
                {"Threads", "1"}, {"Hash", "16"}, {"Skill Level", std::to_string(Number(name.substr(9), name))}};
            spec.Depth = options_.FairyDepth;
            spec.Name = name + "-d" + std::to_string(options_.FairyDepth);
            return spec;
        }
        if (name.rfind("sf", 0) != 0)
            Fail("unknown player '" + name +
                 "' (L1..L9, Iniciante, Aprendiz, kestravin, sf, sf-skill<n>, sf-elo<n>, sf-elo-min, fsf-skill<n>)");
        spec.Program = options_.Stockfish;
        if (!QFileInfo(spec.Program).isExecutable())
            Fail("stockfish is not installed at " + spec.Program.toStdString() + " (apt-get install stockfish)");
        spec.Options = {{"Threads", "1"}, {"Hash", "16"}};
        const std::string rest = name.substr(2);
        if (rest.rfind("-skill", 0) == 0) {
            spec.Options.push_back({"Skill Level", std::to_string(Number(rest.substr(6), name))});
        } else if (rest.rfind("-elo", 0) == 0) {
            const TSpinRange range = EloRange();
            const int elo = rest == "-elo-min" ? range.Min : Number(rest.substr(4), name);
            if (elo < range.Min || elo > range.Max)
                Fail(name + ": stockfish takes UCI_Elo from " + std::to_string(range.Min) + " to " +
                     std::to_string(range.Max));
            spec.Name = "sf-elo" + std::to_string(elo);
            spec.Options.push_back({"UCI_LimitStrength", "true"});
            spec.Options.push_back({"UCI_Elo", std::to_string(elo)});
            spec.AnchorElo = elo;
        } else if (!rest.empty()) {
            Fail("unknown player '" + name + "'");
        }
        return spec;
    }

    TSpinRange EloRange()
    {
        if (!eloRange_.Present) {
            std::string error;
            eloRange_ = QuerySpinOption(options_.Stockfish, "UCI_Elo", error);
            if (!eloRange_.Present)
                Fail("stockfish announces no UCI_Elo range" + (error.empty() ? "" : ": " + error));
        }
        return eloRange_;
    }

private:
    static int Number(const std::string& text, const std::string& name)
    {
        try {
            std::size_t used = 0;
            const int value = std::stoi(text, &used);
            if (used == text.size())
                return value;
        } catch (const std::exception&) {
        }
        Fail("cannot read the number in '" + name + "'");
    }

    const TLadderOptions& options_;
    TSpinRange eloRange_;
};

struct TPairing {
    int A = 0;
    int B = 0;
    int Games = 0;
    TScore Score; // A's
    int Forfeits = 0;
    int TimeLosses = 0;
};

std::string Pad(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string Fixed(double value, int decimals)
{
    if (std::isnan(value))
        return "?";
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestravin-ladder"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays the built-in engine's levels (L1..L5 = go depth 1..5) against each other and against stockfish "
        "at fixed strengths, and prints each pairing's score, its Elo difference with a 95% error bar and each "
        "level's rating on stockfish's UCI_Elo scale."));
    parser.addHelpOption();
    const QCommandLineOption gamesOption("games", "Games per pairing (default 10).", "n", "10");
    const QCommandLineOption openingsOption("openings", "Opening lines, one a line in UCI moves.", "file",
                                            QStringLiteral(KESTRAVIN_LADDER_OPENINGS));
    const QCommandLineOption concurrencyOption({"concurrency", "threads"}, "Games at a time, 1 or 2.", "n", "1");
    const QCommandLineOption quickOption("quick", "A few games: L1 against L2, 2 games, unless pairings are given.");
    const QCommandLineOption seedOption("seed", "Seed of the opening order (default 1).", "n", "1");
    const QCommandLineOption tcOption("tc", "Clock per game, e.g. 10+0.1 (seconds + seconds a move).", "base+inc");
    const QCommandLineOption movetimeOption("movetime",
                                            "Without --tc: milliseconds a move for players without "
                                            "a depth (default 100).",
                                            "ms", "100");
    const QCommandLineOption levelsOption("levels", "Levels in the default schedule (default 1-5).", "list", "1-5");
    const QCommandLineOption refLevelsOption("ref-levels", "Levels that meet the references (default: all).", "list");
    const QCommandLineOption refGamesOption("ref-games", "Games per pairing against a reference (default: --games).",
                                            "n");
    const QCommandLineOption skillOption("skill", "Stockfish Skill Level references (default 0).", "list", "0");
    const QCommandLineOption eloOption("elo",
                                       "Stockfish UCI_Elo references; 'min' is the lowest it takes "
                                       "(default min,1500,1700).",
                                       "list", "min,1500,1700");
    const QCommandLineOption pairingOption("pairing",
                                           "A pairing A:B instead of the default schedule; may be "
                                           "repeated. Players: L1..L9, kestravin, sf, sf-skill<n>, sf-elo<n>, "
                                           "sf-elo-min.",
                                           "A:B");
    const QCommandLineOption engineOption("engine", "The built-in engine's UCI program.", "path",
                                          QStringLiteral(KESTRAVIN_LADDER_ENGINE));
    const QCommandLineOption stockfishOption("stockfish", "The reference engine.", "path",
                                             QStringLiteral("/usr/games/stockfish"));
    const QCommandLineOption fairyOption("fairy-stockfish", "The fairy-stockfish reference engine (fsf-skill<n>).",
                                         "path", QStringLiteral("/usr/games/fairy-stockfish"));
    const QCommandLineOption fairyDepthOption("fsf-depth", "Depth of the fairy-stockfish references (default 5).", "n",
                                              "5");
    const QCommandLineOption judgeOption("judge",
                                         "Have stockfish judge every move of the players: the share of moves "
                                         "that lose 3 pawns or more, per player.");
    const QCommandLineOption judgeDepthOption("judge-depth", "Depth of the judge's evaluations (default 10).", "n",
                                              "10");
    const QCommandLineOption verboseOption("verbose", "Print every game with its moves.");
    const QCommandLineOption strictOption("strict",
                                          "Exit with 1 when a game was lost by an illegal move, on "
                                          "time or by a failing engine.");
    parser.addOptions({gamesOption, openingsOption,   concurrencyOption, quickOption,      seedOption,
                       tcOption,    movetimeOption,   levelsOption,      refLevelsOption,  refGamesOption,
                       skillOption, eloOption,        pairingOption,     engineOption,     stockfishOption,
                       fairyOption, fairyDepthOption, judgeOption,       judgeDepthOption, verboseOption,
                       strictOption});
    parser.process(app);

    TLadderOptions options;
    options.Engine = parser.value(engineOption);
    options.Stockfish = parser.value(stockfishOption);
    options.FairyStockfish = parser.value(fairyOption);
    bool ok = true;
    options.FairyDepth = parser.value(fairyDepthOption).toInt(&ok);
    if (!ok || options.FairyDepth < 1 || options.FairyDepth > 60)
        Fail("--fsf-depth needs a number from 1 to 60");
    options.Judge = parser.isSet(judgeOption);
    options.JudgeDepth = parser.value(judgeDepthOption).toInt(&ok);
    if (!ok || options.JudgeDepth < 1 || options.JudgeDepth > 60)
        Fail("--judge-depth needs a number from 1 to 60");
    if (options.Judge && !QFileInfo(options.Stockfish).isExecutable())
        Fail("--judge needs stockfish, which is not installed at " + options.Stockfish.toStdString());
    options.Games = parser.value(gamesOption).toInt(&ok);
    if (!ok || options.Games < 1 || options.Games > 100000)
        Fail("--games needs a number from 1 up");
    if (parser.isSet(quickOption) && !parser.isSet(gamesOption))
        options.Games = 2;
    options.Concurrency = parser.value(concurrencyOption).toInt(&ok);
    if (!ok || options.Concurrency < 1 || options.Concurrency > 2)
        Fail("--concurrency is 1 or 2");
    options.Seed = parser.value(seedOption).toUInt(&ok);
    if (!ok)
        Fail("--seed needs a number");
    options.Settings.MoveTimeMs = parser.value(movetimeOption).toInt(&ok);
    if (!ok || options.Settings.MoveTimeMs < 1)
        Fail("--movetime needs a number of milliseconds");
    if (parser.isSet(tcOption)) {
        const QStringList parts = parser.value(tcOption).split('+');
        bool ok2 = true;
        const double base = parts.value(0).toDouble(&ok);
        const double increment = parts.size() > 1 ? parts.value(1).toDouble(&ok2) : 0.0;
        if (!ok || !ok2 || parts.size() > 2 || base <= 0 || increment < 0)
            Fail("--tc wants seconds+increment, e.g. 10+0.1");
        options.Settings.Clock = {true, base * 1000, increment * 1000};
    }
    options.Verbose = parser.isSet(verboseOption);
    options.Strict = parser.isSet(strictOption);
    if (!QFileInfo(options.Engine).isExecutable())
        Fail("the engine " + options.Engine.toStdString() + " is not an executable program");
    const std::vector<TOpening> openings = ReadOpenings(parser.value(openingsOption));

    // The players and the schedule.
    TPlayers factory(options);
    std::vector<TPlayerSpec> players;
    const auto playerIndex = [&](const std::string& name) {
        TPlayerSpec spec = factory.Make(name);
        for (std::size_t i = 0; i < players.size(); ++i) {
            if (players[i].Name == spec.Name)
                return static_cast<int>(i);
        }
        players.push_back(spec);
        return static_cast<int>(players.size()) - 1;
    };
    int refGames = options.Games;
    if (parser.isSet(refGamesOption)) {
        refGames = parser.value(refGamesOption).toInt(&ok);
        if (!ok || refGames < 1 || refGames > 100000)
            Fail("--ref-games needs a number from 1 up");
    }
    std::vector<TPairing> pairings;
    const auto addPairing = [&](const std::string& a, const std::string& b) {
        const int first = playerIndex(a), second = playerIndex(b);
        if (first == second)
            Fail("a pairing of " + players[static_cast<std::size_t>(first)].Name + " against itself");
        pairings.push_back({first, second, options.Games, {}, 0, 0});
    };
    if (parser.isSet(pairingOption)) {
        for (const QString& pairing : parser.values(pairingOption)) {
            const QStringList names = pairing.split(':');
            if (names.size() != 2)
                Fail("--pairing wants A:B, not '" + pairing.toStdString() + "'");
            addPairing(names[0].toStdString(), names[1].toStdString());
        }
    } else if (parser.isSet(quickOption)) {
        addPairing("L1", "L2");
    } else {
        const std::vector<int> levels = ParseList(parser.value(levelsOption), "level");
        for (std::size_t i = 0; i < levels.size(); ++i) {
            for (std::size_t j = i + 1; j < levels.size(); ++j)
                addPairing(LevelName(levels[i]), LevelName(levels[j]));
        }
        std::vector<std::string> references;
        for (int skill : ParseList(parser.value(skillOption), "skill"))
            references.push_back("sf-skill" + std::to_string(skill));
        if (!parser.value(eloOption).isEmpty()) {
            const int lowest = factory.EloRange().Min;
            for (int elo : ParseList(parser.value(eloOption), "Elo", lowest))
                references.push_back("sf-elo" + std::to_string(elo));
        }
        const std::vector<int> meeting =
            parser.isSet(refLevelsOption) ? ParseList(parser.value(refLevelsOption), "level") : levels;
        for (int level : meeting) {
            for (const std::string& reference : references) {
                addPairing(LevelName(level), reference);
                pairings.back().Games = refGames;
            }
        }
    }

    // Game k of a pairing plays opening k/2 of the shuffled set, the first
    // player White in even games and Black in odd ones.
    std::vector<std::size_t> order(openings.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::mt19937 rng(options.Seed);
    std::shuffle(order.begin(), order.end(), rng);

    struct TJob {
        std::size_t Pairing;
        int Game;
    };
    std::vector<TJob> jobs;
    const int mostGames = std::max(options.Games, refGames);
    for (int game = 0; game < mostGames; ++game) {
        for (std::size_t p = 0; p < pairings.size(); ++p) {
            if (game < pairings[p].Games)
                jobs.push_back({p, game});
        }
    }

    std::printf(
        "kestravin-ladder: %zu players, %zu pairings, %zu games, %zu openings (seed %u), %s, "
        "concurrency %d\n",
        players.size(), pairings.size(), jobs.size(), openings.size(), options.Seed,
        options.Settings.Clock.Enabled
            ? ("clock " + parser.value(tcOption).toStdString() + " per game").c_str()
            : ("levels at their depth, others " + std::to_string(options.Settings.MoveTimeMs) + " ms a move").c_str(),
        options.Concurrency);
    std::fflush(stdout);

    const auto started = std::chrono::steady_clock::now();
    // Per player: the judged moves and blunders, and the lengths of its games.
    struct TPlayerRecord {
        int Moves = 0;
        int Blunders = 0;
        std::vector<int> Plies;
    };
    std::vector<TPlayerRecord> records(players.size());
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::size_t done = 0;
    int forfeits = 0, timeLosses = 0;
    std::string fatal;
    const auto work = [&] {
        std::unique_ptr<TUciPlayer> judge;
        if (options.Judge) {
            TPlayerSpec spec;
            spec.Name = "judge";
            spec.Program = options.Stockfish;
            spec.Options = {{"Threads", "1"}, {"Hash", "16"}};
            judge = std::make_unique<TUciPlayer>(spec);
            if (!judge->Start()) {
                std::lock_guard lock(mutex);
                fatal = judge->Error();
                return;
            }
        }
        for (std::size_t j; (j = next++) < jobs.size();) {
            {
                std::lock_guard lock(mutex);
                if (!fatal.empty())
                    return;
            }
            const TJob job = jobs[j];
            TPairing& pairing = pairings[job.Pairing];
            const bool firstIsWhite = job.Game % 2 == 0;
            const TPlayerSpec& a = players[static_cast<std::size_t>(pairing.A)];
            const TPlayerSpec& b = players[static_cast<std::size_t>(pairing.B)];
            const TOpening& opening = openings[order[static_cast<std::size_t>(job.Game / 2) % order.size()]];
            const TGameResult result = firstIsWhite ? PlayGame(a, b, opening.Moves, options.Settings)
                                                    : PlayGame(b, a, opening.Moves, options.Settings);
            TMoveJudgement judgement;
            if (judge && result.Error.empty()) {
                std::vector<std::string> moves;
                std::istringstream in(result.Moves);
                for (std::string move; in >> move;)
                    moves.push_back(move);
                judgement = JudgeGame(*judge, moves, static_cast<int>(opening.Moves.size()),
                                      "depth " + std::to_string(options.JudgeDepth));
            }
            std::lock_guard lock(mutex);
            if (!result.Error.empty() || !judgement.Error.empty()) {
                fatal = result.Error.empty() ? judgement.Error : result.Error;
                return;
            }
            const int whiteIndex = firstIsWhite ? pairing.A : pairing.B;
            const int blackIndex = firstIsWhite ? pairing.B : pairing.A;
            for (int side = 0; side < 2; ++side) {
                TPlayerRecord& record = records[static_cast<std::size_t>(side == 0 ? whiteIndex : blackIndex)];
                record.Moves += judgement.Moves[side];
                record.Blunders += judgement.Blunders[side];
                record.Plies.push_back(result.Plies);
            }
            const bool firstWins = result.Outcome == (firstIsWhite ? TGameOutcome::WhiteWins : TGameOutcome::BlackWins);
            if (result.Outcome == TGameOutcome::Draw)
                ++pairing.Score.Draws;
            else if (firstWins)
                ++pairing.Score.Wins;
            else
                ++pairing.Score.Losses;
            pairing.Forfeits += result.Forfeit ? 1 : 0;
            pairing.TimeLosses += result.TimeLoss ? 1 : 0;
            forfeits += result.Forfeit ? 1 : 0;
            timeLosses += result.TimeLoss ? 1 : 0;
            ++done;
            const std::string& white = firstIsWhite ? a.Name : b.Name;
            const std::string& black = firstIsWhite ? b.Name : a.Name;
            const char* score = result.Outcome == TGameOutcome::WhiteWins ? "1-0"
                : result.Outcome == TGameOutcome::Draw                    ? "1/2-1/2"
                                                                          : "0-1";
            std::fprintf(stderr, "[%zu/%zu] %s - %s %s, %s, %d half-moves\n", done, jobs.size(), white.c_str(),
                         black.c_str(), score, result.Reason.c_str(), result.Plies);
            if (options.Verbose) {
                if (options.Settings.Clock.Enabled)
                    std::printf("clock: least time left %.1f s for %s, %.1f s for %s\n", result.LeastClockMs[0] / 1000,
                                white.c_str(), result.LeastClockMs[1] / 1000, black.c_str());
                std::printf("game %s - %s %s (%s): %s\n", white.c_str(), black.c_str(), score, result.Reason.c_str(),
                            result.Moves.c_str());
            }
        }
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < options.Concurrency; ++t)
        workers.emplace_back(work);
    for (std::thread& worker : workers)
        worker.join();
    if (!fatal.empty())
        std::fprintf(stderr, "kestravin-ladder: %s; the games played so far:\n", fatal.c_str());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    // The table.
    std::printf("\n%s %s %s %s %s\n", Pad("Pairing", 26).c_str(), Pad("Games", 5).c_str(), Pad("W-D-L", 10).c_str(),
                Pad("Score", 6).c_str(), "Elo difference [95%]");
    for (const TPairing& p : pairings) {
        const std::string name =
            players[static_cast<std::size_t>(p.A)].Name + " vs " + players[static_cast<std::size_t>(p.B)].Name;
        const std::string wdl =
            std::to_string(p.Score.Wins) + "-" + std::to_string(p.Score.Draws) + "-" + std::to_string(p.Score.Losses);
        const double fraction = p.Score.Games() ? p.Score.Points() / p.Score.Games() : std::nan("");
        std::printf("%s %s %s %s %s%s\n", Pad(name, 26).c_str(), Pad(std::to_string(p.Score.Games()), 5).c_str(),
                    Pad(wdl, 10).c_str(), Pad(Fixed(fraction * 100, 0) + "%", 6).c_str(),
                    FormatEstimate(EstimateElo(p.Score)).c_str(),
                    p.Forfeits ? (" (" + std::to_string(p.Forfeits) + " forfeited)").c_str() : "");
    }

    // Per player: blunders by the judge's evaluation and game lengths.
    std::printf("\n%s %s %s %s\n", Pad("Player", 18).c_str(), Pad("Games", 6).c_str(),
                Pad("Median length (half-moves)", 27).c_str(),
                options.Judge ? "Moves losing 3 pawns or more (stockfish)" : "");
    for (std::size_t i = 0; i < players.size(); ++i) {
        TPlayerRecord& record = records[i];
        if (record.Plies.empty())
            continue;
        std::sort(record.Plies.begin(), record.Plies.end());
        const std::size_t n = record.Plies.size();
        const double median = n % 2 ? record.Plies[n / 2] : (record.Plies[n / 2 - 1] + record.Plies[n / 2]) / 2.0;
        std::string blunders;
        if (options.Judge && record.Moves > 0)
            blunders = Fixed(100.0 * record.Blunders / record.Moves, 1) + "% (" + std::to_string(record.Blunders) +
                " of " + std::to_string(record.Moves) + ")";
        std::printf("%s %s %s %s\n", Pad(players[i].Name, 18).c_str(), Pad(std::to_string(n), 6).c_str(),
                    Pad(Fixed(median, 1), 27).c_str(), blunders.c_str());
    }

    // Ratings on the UCI_Elo scale: against the anchored references alone,
    // and from every game.
    std::vector<double> anchors;
    for (const TPlayerSpec& spec : players)
        anchors.push_back(spec.AnchorElo);
    std::vector<TPairingScore> all, againstAnchors;
    for (const TPairing& p : pairings) {
        all.push_back({p.A, p.B, p.Score});
        if (anchors[static_cast<std::size_t>(p.A)] > 0 || anchors[static_cast<std::size_t>(p.B)] > 0)
            againstAnchors.push_back({p.A, p.B, p.Score});
    }
    const std::vector<double> direct = FitRatings(static_cast<int>(players.size()), anchors, againstAnchors);
    const std::vector<double> joint = FitRatings(static_cast<int>(players.size()), anchors, all);
    if (std::any_of(anchors.begin(), anchors.end(), [](double a) { return a > 0; })) {
        std::printf("\nRatings on stockfish's UCI_Elo scale (an engine scale, not a human rating); one virtual draw "
                    "per pairing keeps clean sweeps finite:\n");
        std::printf("%s %s %s\n", Pad("Player", 14).c_str(), Pad("vs references", 14).c_str(), "from all games");
        for (std::size_t i = 0; i < players.size(); ++i) {
            if (anchors[i] > 0)
                continue;
            std::printf("%s %s %s\n", Pad(players[i].Name, 14).c_str(), Pad(Fixed(direct[i], 0), 14).c_str(),
                        Fixed(joint[i], 0).c_str());
        }
    }
    std::printf("\n%zu games in %.0f s; %d forfeited (illegal move, time or engine failure), %d of them on time.\n",
                done, seconds, forfeits, timeLosses);
    if (!fatal.empty()) {
        std::printf("Stopped early: %s.\n", fatal.c_str());
        return 2;
    }
    return options.Strict && forfeits > 0 ? 1 : 0;
}
