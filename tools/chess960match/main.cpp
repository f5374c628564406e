// kestravin-chess960-match: the built-in engine (kestravin-uci) against
// Debian's stockfish in Chess960, both with UCI_Chess960 on. Each start
// position is drawn by its number and played twice, colours swapped. The
// arbiter (the core's rules) refuses any illegal move; every game is then
// written as PGN (Variant "Chess960", SetUp, FEN, O-O/O-O-O), read back
// and replayed to the same final position. Prints the games, the illegal
// moves, the castlings seen on each side and the read-back failures. Run
// by hand (200 games); a short run is the test chess960_match.
#include "LadderGame.h"

#include "core/Chess960.h"
#include "core/Fen.h"
#include "core/Pgn.h"
#include "core/San.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

namespace {

struct TMatchFigures {
    int Games = 0;
    int IllegalMoves = 0;
    int EngineFailures = 0;
    int ShortCastlings = 0;
    int LongCastlings = 0;
    int ReadBackFailures = 0;
    int KestravinWins = 0;
    int Draws = 0;
    int StockfishWins = 0;
};

// The game as a record: its start, its moves read as UCI text by the core,
// its tags. False with the reason when a move does not read.
bool RecordGame(const std::string& startFen, const TGameResult& result, const std::string& white,
                const std::string& black, int number, Game& game, std::string& error)
{
    FenPosition start;
    if (!ReadFen(startFen, start, error, true))
        return false;
    game.SetStart(start);
    std::istringstream moves(result.Moves);
    for (std::string text; moves >> text;) {
        ChessMove move;
        if (!ReadCoordinateMove(game.FinalPosition(), text, move, error) || !game.AddMove(move, &error))
            return false;
    }
    game.SetTag("Event", "Chess960 match");
    game.SetTag("Round", std::to_string(number));
    game.SetTag("White", white);
    game.SetTag("Black", black);
    switch (result.Outcome) {
    case TGameOutcome::WhiteWins: game.SetResult("1-0"); break;
    case TGameOutcome::BlackWins: game.SetResult("0-1"); break;
    case TGameOutcome::Draw: game.SetResult(result.Reason == "move cap" ? "*" : "1/2-1/2"); break;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kestravin-chess960-match");
    QCommandLineParser parser;
    parser.setApplicationDescription("The built-in engine against stockfish in Chess960.");
    parser.addHelpOption();
    const QCommandLineOption gamesOption("games", "Games to play (pairs of one start, colours swapped).", "n", "200");
    const QCommandLineOption depthOption("depth", "Search depth of the built-in engine.", "n", "3");
    const QCommandLineOption skillOption("skill", "Stockfish's Skill Level.", "n", "0");
    const QCommandLineOption movetimeOption("movetime", "Stockfish's time per move, ms.", "ms", "20");
    const QCommandLineOption seedOption("seed", "Seed of the start numbers.", "n", "960");
    const QCommandLineOption pgnOption("pgn", "Write every game to this PGN file.", "file");
    const QCommandLineOption engineOption("engine", "The built-in engine's UCI program.", "path",
                                          KESTRAVIN_MATCH_ENGINE);
    const QCommandLineOption stockfishOption("stockfish", "Stockfish's program.", "path", "/usr/games/stockfish");
    const QCommandLineOption castlingOption("require-castling",
                                            "Fail unless castling on both sides was seen for each colour.");
    const QCommandLineOption verboseOption("verbose", "One line per game.");
    parser.addOptions({gamesOption, depthOption, skillOption, movetimeOption, seedOption, pgnOption, engineOption,
                       stockfishOption, castlingOption, verboseOption});
    parser.process(app);

    const int games = parser.value(gamesOption).toInt();
    TPlayerSpec kestravin{
        "kestravin", parser.value(engineOption), {{"UCI_Chess960", "true"}}, parser.value(depthOption).toInt(), 0};
    TPlayerSpec stockfish{"stockfish",
                          parser.value(stockfishOption),
                          {{"UCI_Chess960", "true"}, {"Skill Level", parser.value(skillOption).toStdString()}},
                          0,
                          0};
    TGameSettings settings;
    settings.Chess960 = true;
    settings.MoveTimeMs = parser.value(movetimeOption).toInt();
    settings.MaxPlies = 400;
    // Stockfish loads its network at start; on a busy machine that is slow.
    settings.StartTimeoutMs = 120000;

    std::ofstream pgnFile;
    if (parser.isSet(pgnOption))
        pgnFile.open(parser.value(pgnOption).toStdString());
    std::mt19937 random(parser.value(seedOption).toUInt());
    TMatchFigures figures;
    // Castlings of each kind by each colour: [white/black][short/long].
    int castlingsByColour[2][2] = {{0, 0}, {0, 0}};
    const auto began = std::chrono::steady_clock::now();
    int number = 0;
    for (int g = 0; g < games; ++g) {
        if (g % 2 == 0)
            number = static_cast<int>(random() % Chess960PositionCount);
        const bool kestravinWhite = g % 2 == 0;
        settings.StartFen = WriteFen(Chess960StartPosition(number));
        const TPlayerSpec& white = kestravinWhite ? kestravin : stockfish;
        const TPlayerSpec& black = kestravinWhite ? stockfish : kestravin;
        const TGameResult result = PlayGame(white, black, {}, settings);
        ++figures.Games;
        if (!result.Error.empty()) {
            std::fprintf(stderr, "game %d: %s\n", g + 1, result.Error.c_str());
            ++figures.EngineFailures;
            continue;
        }
        if (result.Reason.rfind("illegal move", 0) == 0)
            ++figures.IllegalMoves;
        else if (result.Forfeit)
            ++figures.EngineFailures;
        const bool whiteWon = result.Outcome == TGameOutcome::WhiteWins;
        if (result.Outcome == TGameOutcome::Draw)
            ++figures.Draws;
        else if (whiteWon == kestravinWhite)
            ++figures.KestravinWins;
        else
            ++figures.StockfishWins;

        Game game;
        std::string error;
        bool readBack = RecordGame(settings.StartFen, result, white.Name, black.Name, g + 1, game, error);
        if (readBack) {
            const std::string text = WritePgn(game);
            if (pgnFile)
                pgnFile << text;
            const std::vector<PgnGame> read = ReadPgn(text);
            readBack = read.size() == 1 && read[0].Ok && read[0].Value.FinalPosition() == result.Final &&
                read[0].Value.FinalFen() == game.FinalFen() && read[0].Value.PlyCount() == game.PlyCount();
            if (!readBack)
                error = read.empty() || read[0].Ok ? "another final position" : read[0].Error;
        }
        if (!readBack) {
            ++figures.ReadBackFailures;
            std::fprintf(stderr, "game %d: not read back from its PGN: %s\n", g + 1, error.c_str());
        }
        int castles[2] = {0, 0};
        for (std::size_t i = 0; i < game.Moves().size(); ++i) {
            const std::string& san = game.Moves()[i].San;
            const bool longCastle = san.rfind("O-O-O", 0) == 0;
            if (!longCastle && san.rfind("O-O", 0) != 0)
                continue;
            const bool whiteMoved = game.StartState().WhiteToMove == (i % 2 == 0);
            ++castlingsByColour[whiteMoved ? 0 : 1][longCastle ? 1 : 0];
            ++castles[longCastle ? 1 : 0];
        }
        figures.ShortCastlings += castles[0];
        figures.LongCastlings += castles[1];
        if (parser.isSet(verboseOption))
            std::printf("game %d: start %d, %s-%s, %s (%s), %d plies, O-O %d, O-O-O %d\n", g + 1, number,
                        white.Name.c_str(), black.Name.c_str(), game.Result().c_str(), result.Reason.c_str(),
                        result.Plies, castles[0], castles[1]);
        std::fflush(stdout);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("games %d, illegal moves %d, engine failures %d, read-back failures %d\n", figures.Games,
                figures.IllegalMoves, figures.EngineFailures, figures.ReadBackFailures);
    std::printf("O-O %d (white %d, black %d), O-O-O %d (white %d, black %d)\n", figures.ShortCastlings,
                castlingsByColour[0][0], castlingsByColour[1][0], figures.LongCastlings, castlingsByColour[0][1],
                castlingsByColour[1][1]);
    std::printf("kestravin (depth %d) %d wins, %d draws, %d losses against stockfish (skill %s, %d ms)\n",
                kestravin.Depth, figures.KestravinWins, figures.Draws, figures.StockfishWins,
                parser.value(skillOption).toStdString().c_str(), settings.MoveTimeMs);
    std::printf("time %.1f s\n", seconds);
    bool ok = figures.IllegalMoves == 0 && figures.EngineFailures == 0 && figures.ReadBackFailures == 0;
    if (parser.isSet(castlingOption)) {
        for (const auto& colour : castlingsByColour)
            ok = ok && colour[0] > 0 && colour[1] > 0;
    }
    return ok ? 0 : 1;
}
