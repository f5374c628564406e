// Answer-time benchmark. For a few positions from real games and each
// difficulty level 1 to 5, it measures (a) the engine's own FindBestMove on
// the position and (b) the time from handing the side to move to the
// computer on a real board until the board has made the move (thread
// start-up of the pass, snapshot, search, synchronised delivery, MakeMove
// with its events; animation off). The board time less the search time
// measured inside the thread in the same run is the cost of the path.
#include "board/ChessBoard.h"
#include "core/Fen.h"
#include "core/GameState.h"
#include "engine/ChessEngine.h"
#include "engine/ChessThread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct BenchPosition {
    const char* name;
    const char* fen;
};

const std::vector<BenchPosition> kPositions = {
    {"initial position", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"},
    {"Ruy Lopez, Morphy defence", "r1bqkbnr/1ppp1ppp/p1n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 0 4"},
    {"Sicilian Najdorf", "rnbqkb1r/1p2pppp/p2p1n2/8/3NP3/2N5/PPP2PPP/R1BQKB1R w KQkq - 0 6"},
    {"Queen's Gambit Declined middlegame", "r1bq1rk1/pp1nbppp/2p1pn2/3p2B1/2PP4/2NBPN2/PP3PPP/R2QK2R w KQ - 2 8"},
    {"rook endgame", "8/5pk1/6p1/3R4/r4P2/6K1/6P1/8 b - - 0 45"},
};

double EngineOnlyMs(const GameState& state, int depth)
{
    TChessEngine engine;
    engine.LinkTo(state);
    std::atomic<int> d{depth};
    engine.SearchDepthRef = &d;
    QElapsedTimer t;
    t.start();
    engine.FindBestMove();
    return t.nsecsElapsed() / 1e6;
}

// Time from giving the side to move to the computer until its move is made,
// and the time the search itself took inside the thread.
double WholePathMs(const GameState& state, int depth, std::string& moveText, double& searchMs)
{
    TChessBoard board;
    board.SetAnimateMoves(false);
    std::string placement;
    for (int n = 1; n <= 64; ++n)
        placement += state.Board[n];
    board.SetPosition(placement);
    board.SetWhiteToMove(state.WhiteToMove);
    board.SetCastlingAllowed(state.CastlingAllowed);
    if (state.EnPassant != Square::None)
        board.SetEnPassant(state.EnPassant);
    board.SetSearchDepth(depth);
    board.show();
    QApplication::processEvents();

    // The user-interface thread waits in an event loop, as in the program,
    // instead of polling, which would take a core from the search.
    QEventLoop loop;
    bool moved = false;
    board.OnLegalMove = [&](QObject*, Square from, Square to) {
        moved = true;
        auto name = [](Square s) { return std::string{char('a' + FileOf(s) - 1), char('0' + RankOf(s))}; };
        moveText = name(from) + name(to);
        loop.quit();
    };
    QTimer::singleShot(120000, &loop, [&] {
        std::fprintf(stderr, "no answer within 120 s\n");
        std::exit(1);
    });
    QElapsedTimer t;
    t.start();
    if (state.WhiteToMove)
        board.SetComputerPlaysWhite(true);
    else
        board.SetComputerPlaysBlack(true);
    if (!moved)
        loop.exec();
    const double total = t.nsecsElapsed() / 1e6;
    searchMs = board.ComputerPlayer()->LastSearchNanoseconds() / 1e6;
    return total;
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int maxLevel = argc > 1 ? std::atoi(argv[1]) : 5;

    std::printf("%-36s %5s %10s %10s %10s %8s  %s\n", "position", "level", "engine ms", "in-thread", "board ms",
                "path ms", "move");
    double worstPath = 0;
    for (const auto& p : kPositions) {
        FenPosition position;
        std::string error;
        if (!ReadFen(p.fen, position, error)) {
            std::fprintf(stderr, "bad position %s: %s\n", p.name, error.c_str());
            return 1;
        }
        GameState& state = position.State;
        for (int level = 1; level <= maxLevel; ++level) {
            const double engineMs = EngineOnlyMs(state, level);
            std::string move;
            double searchMs = 0;
            const double boardMs = WholePathMs(state, level, move, searchMs);
            // The path's cost: everything but the search, in the same run.
            const double path = boardMs - searchMs;
            worstPath = std::max(worstPath, path);
            std::printf("%-36s %5d %10.2f %10.2f %10.2f %8.2f  %s\n", p.name, level, engineMs, searchMs, boardMs, path,
                        move.c_str());
        }
    }
    std::printf("\nworst path cost (board time less the search inside the thread): %.2f ms\n", worstPath);
    return 0;
}
