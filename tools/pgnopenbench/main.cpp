// kestravin-pgn-open-bench generate FILE [MB]   writes about MB megabytes (100 by
//                                          default) of games
// kestravin-pgn-open-bench index FILE           what "Abrir partida…" does: finds
//                                          the games, shows the list's first
//                                          rows, reads the middle game
// kestravin-pgn-open-bench whole FILE           the same with every game read at
//                                          once into a list of all of them
// Each measuring mode prints the time taken and the process's peak resident
// memory; run one mode a process, so that the peak is that mode's.
#include "app/GameRecord.h"
#include "app/PgnFileIndex.h"
#include "app/PgnGameDialog.h"
#include "core/MoveList.h"
#include "core/San.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QListWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

int Usage()
{
    std::fprintf(stderr, "Uso: kestravin-pgn-open-bench generate ARQUIVO [MB] | index ARQUIVO | whole ARQUIVO\n");
    return 2;
}

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The move text of a game of random legal moves, numbered, with a comment
// now and then, ending in `result`.
std::string RandomMoveText(std::mt19937& random)
{
    GameState state = GameState::Initial();
    std::string text;
    const int plies = 40 + static_cast<int>(random() % 120);
    for (int ply = 0; ply < plies; ++ply) {
        const std::vector<ChessMove> moves = LegalMoves(state);
        if (moves.empty())
            break;
        const ChessMove move = moves[random() % moves.size()];
        if (state.WhiteToMove)
            text += std::to_string(state.CurrentMove) + ". ";
        text += MoveToSan(state, move) + (ply % 37 == 36 ? " {um comentário} " : " ");
        state = PositionAfter(state, move);
    }
    return text;
}

int Generate(const char* fileName, long megabytes)
{
    std::mt19937 random(2005);
    std::vector<std::string> pool;
    for (int i = 0; i < 300; ++i)
        pool.push_back(RandomMoveText(random));
    static const char* const names[] = {"Ana", "Bruno", "Conceição", "Dário", "Élida", "Fábio", "Graça", "Hélio"};
    std::ofstream out(fileName, std::ios::binary);
    const long long target = megabytes * 1024LL * 1024LL;
    long long written = 0;
    long games = 0;
    while (written < target) {
        std::string game;
        game += "[Event \"Torneio " + std::to_string(games / 100) + "\"]\n";
        game += "[Site \"São Paulo\"]\n[Date \"2005.03." + std::to_string(10 + games % 20) + "\"]\n";
        game += "[Round \"" + std::to_string(games % 100 + 1) + "\"]\n";
        game += std::string("[White \"") + names[games % 8] + " " + std::to_string(games) + "\"]\n";
        game += std::string("[Black \"") + names[(games / 8) % 8] + "\"]\n[Result \"*\"]\n\n";
        const std::string& moves = pool[static_cast<std::size_t>(games) % pool.size()];
        for (std::size_t at = 0; at < moves.size();) {
            std::size_t end = std::min(moves.size(), at + 79);
            if (end < moves.size())
                end = moves.rfind(' ', end) + 1;
            game += moves.substr(at, end - at) + "\n";
            at = end;
        }
        game += "*\n\n";
        out << game;
        written += static_cast<long long>(game.size());
        ++games;
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "kestravin-pgn-open-bench: não foi possível gravar %s\n", fileName);
        return 1;
    }
    std::printf("%s: %ld games, %.1f MB\n", fileName, games, static_cast<double>(written) / (1024.0 * 1024.0));
    return 0;
}

void Report(const char* mode, std::size_t games, const QElapsedTimer& clock)
{
    std::printf("%s: %zu games, %.2f s, peak resident memory %ld MB\n", mode, games,
                static_cast<double>(clock.elapsed()) / 1000.0, PeakMegabytes());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const std::string mode = argv[1];
    if (mode == "generate")
        return Generate(argv[2], argc > 3 ? std::atol(argv[3]) : 100);
    if (mode != "index" && mode != "whole")
        return Usage();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString fileName = QString::fromLocal8Bit(argv[2]);
    std::printf("at start: peak resident memory %ld MB\n", PeakMegabytes());
    QElapsedTimer clock;
    clock.start();
    try {
        if (mode == "whole") {
            // Every game read, and a row for each, as the list was once made.
            const std::vector<PgnGame> games = ReadPgnFile(fileName);
            QListWidget list;
            for (const PgnGame& game : games)
                list.addItem(PgnGameDialog::Describe(game));
            Report("whole", games.size(), clock);
            return 0;
        }
        const std::optional<PgnFileIndex> index = PgnFileIndex::Read(fileName);
        std::printf("index: games found in %.2f s\n", static_cast<double>(clock.elapsed()) / 1000.0);
        PgnGameDialog dialog(SourceOf(*index));
        dialog.show();
        QApplication::processEvents();
        const QAbstractItemModel* model = dialog.List()->model();
        for (int row = 0; row < 30 && row < model->rowCount(); ++row)
            model->index(row, 0).data();
        const PgnGame middle = index->Game(index->Count() / 2);
        std::printf("index: game %zu read: %s, %zu half-moves\n", index->Count() / 2 + 1, middle.Ok ? "ok" : "broken",
                    middle.Value.PlyCount());
        Report("index", index->Count(), clock);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestravin-pgn-open-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
