// Positions of the benchmark suite, taken from famous games.
#include "engine/BenchSuite.h"

#include "engine/ChessEngine.h"
#include "engine/MoveText.h"

#include <array>
#include <atomic>
#include <ctime>
#include <memory>
#include <sstream>

using namespace engine;

namespace {

// The games, as UCI moves from the initial position.
constexpr const char* Opera = // Morphy - Duke Karl / Count Isouard, Paris 1858
    "e2e4 e7e5 g1f3 d7d6 d2d4 c8g4 d4e5 g4f3 d1f3 d6e5 f1c4 g8f6 f3b3 d8e7 b1c3 c7c6 c1g5 b7b5 "
    "c3b5 c6b5 c4b5 b8d7 e1c1 a8d8 d1d7 d8d7 h1d1 e7e6 b5d7 f6d7 b3b8 d7b8 d1d8";
constexpr const char* Immortal = // Anderssen - Kieseritzky, London 1851
    "e2e4 e7e5 f2f4 e5f4 f1c4 d8h4 e1f1 b7b5 c4b5 g8f6 g1f3 h4h6 d2d3 f6h5 f3h4 h6g5 h4f5 c7c6 "
    "g2g4 h5f6 h1g1 c6b5 h2h4 g5g6 h4h5 g6g5 d1f3 f6g8 c1f4 g5f6 b1c3 f8c5 c3d5 f6b2 f4d6 c5g1 "
    "e4e5 b2a1 f1e2 b8a6 f5g7 e8d8 f3f6 g8f6 d6e7";
constexpr const char* Evergreen = // Anderssen - Dufresne, Berlin 1852
    "e2e4 e7e5 g1f3 b8c6 f1c4 f8c5 b2b4 c5b4 c2c3 b4a5 d2d4 e5d4 e1g1 d4d3 d1b3 d8f6 e4e5 f6g6 "
    "f1e1 g8e7 c1a3 b7b5 b3b5 a8b8 b5a4 a5b6 b1d2 c8b7 d2e4 g6f5 c4d3 f5h5 e4f6 g7f6 e5f6 h8g8 "
    "a1d1 h5f3 e1e7 c6e7 a4d7 e8d7 d3f5 d7e8 f5d7 e8f8 a3e7";
constexpr const char* Century = // D. Byrne - Fischer, New York 1956
    "g1f3 g8f6 c2c4 g7g6 b1c3 f8g7 d2d4 e8g8 c1f4 d7d5 d1b3 d5c4 b3c4 c7c6 e2e4 b8d7 a1d1 d7b6 "
    "c4c5 c8g4 f4g5 b6a4 c5a3 a4c3 b2c3 f6e4 g5e7 d8b6 f1c4 e4c3 e7c5 f8e8 e1f1 g4e6 c5b6 e6c4 "
    "f1g1 c3e2 g1f1 e2d4 f1g1 d4e2 g1f1 e2c3 f1g1 a7b6 a3b4 a8a4 b4b6 c3d1 h2h3 a4a2 g1h2 d1f2 "
    "h1e1 e8e1 b6d8 g7f8 f3e1 c4d5 e1f3 f2e4 d8b8 b7b5 h3h4 h7h5 f3e5 g8g7 h2g1 f8c5 g1f1 e4g3 "
    "f1e1 c5b4 e1d1 d5b3 d1c1 g3e2 c1b1 e2c3 b1c1 a2c2";
constexpr const char* KasparovTopalov = // Kasparov - Topalov, Wijk aan Zee 1999
    "e2e4 d7d6 d2d4 g8f6 b1c3 g7g6 c1e3 f8g7 d1d2 c7c6 f2f3 b7b5 g1e2 b8d7 e3h6 g7h6 d2h6 c8b7 "
    "a2a3 e7e5 e1c1 d8e7 c1b1 a7a6 e2c1 e8c8 c1b3 e5d4 d1d4 c6c5 d4d1 d7b6 g2g3 c8b8 b3a5 b7a8 "
    "f1h3 d6d5 h6f4 b8a7 h1e1 d5d4 c3d5 b6d5 e4d5 e7d6 d1d4 c5d4 e1e7 a7b6 f4d4 b6a5 b2b4 a5a4 "
    "d4c3 d6d5 e7a7 a8b7 a7b7 d5c4 c3f6 a4a3 f6a6 a3b4 c2c3 b4c3 a6a1 c3d2 a1b2 d2d1 h3f1 d8d2 "
    "b7d7 d2d7 f1c4 b5c4 b2h8 d7d3 h8a8 c4c3 a8a4 d1e1 f3f4 f7f5 b1c1 d3d2 a4a7";

struct SuiteEntry {
    const char* Name;
    const char* Game;
    const char* Moves;
    int Plies; // how many of the game's moves lead to the position
};

constexpr std::array<SuiteEntry, 22> Entries = {{
    {"initial position", "", "", 0},
    {"King's Gambit, 4...b5", "Anderssen - Kieseritzky, London 1851", Immortal, 8},
    {"Evans Gambit, 7...d3", "Anderssen - Dufresne, Berlin 1852", Evergreen, 14},
    {"Philidor Defence, 8...c6", "Morphy - Duke Karl / Count Isouard, Paris 1858", Opera, 16},
    {"Pirc Defence, 10...e5", "Kasparov - Topalov, Wijk aan Zee 1999", KasparovTopalov, 20},
    {"Gruenfeld Defence, 10...Bg4", "D. Byrne - Fischer, New York 1956", Century, 20},
    {"Opera game, 9...b5 (10.Nxb5)", "Morphy - Duke Karl / Count Isouard, Paris 1858", Opera, 18},
    {"Game of the Century, 11...Na4", "D. Byrne - Fischer, New York 1956", Century, 22},
    {"Opera game, 12...Rd8 (13.Rxd7)", "Morphy - Duke Karl / Count Isouard, Paris 1858", Opera, 24},
    {"Opera game, 15...Nxd7 (mate in 2)", "Morphy - Duke Karl / Count Isouard, Paris 1858", Opera, 30},
    {"Evergreen game, 16...Qh5 (17.Nf6+)", "Anderssen - Dufresne, Berlin 1852", Evergreen, 32},
    {"Game of the Century, 17.Kf1 (17...Be6)", "D. Byrne - Fischer, New York 1956", Century, 33},
    {"Immortal game, 17...Qxb2 (18.Bd6)", "Anderssen - Kieseritzky, London 1851", Immortal, 34},
    {"Evergreen game, 19...Qxf3 (20.Rxe7+)", "Anderssen - Dufresne, Berlin 1852", Evergreen, 38},
    {"Immortal game, 20...Na6 (mate in 3)", "Anderssen - Kieseritzky, London 1851", Immortal, 40},
    {"Kasparov's Immortal, 23...Qd6 (24.Rxd4)", "Kasparov - Topalov, Wijk aan Zee 1999", KasparovTopalov, 46},
    {"Game of the Century, 24.Qb4", "D. Byrne - Fischer, New York 1956", Century, 47},
    {"Kasparov's Immortal, 33...Kxc3 (king hunt)", "Kasparov - Topalov, Wijk aan Zee 1999", KasparovTopalov, 66},
    {"Game of the Century, 34...Kg7 (endgame)", "D. Byrne - Fischer, New York 1956", Century, 68},
    {"Game of the Century, 36.Kf1 (mating net)", "D. Byrne - Fischer, New York 1956", Century, 71},
    {"Kasparov's Immortal, 40...c3 (queen against rook)", "Kasparov - Topalov, Wijk aan Zee 1999", KasparovTopalov, 80},
    {"Kasparov's Immortal, 43...Rd2 (endgame)", "Kasparov - Topalov, Wijk aan Zee 1999", KasparovTopalov, 86},
}};

// The positions in the public form: the first Plies moves of each game.
struct Suite {
    std::array<std::string, Entries.size()> Moves;
    std::array<TBenchPosition, Entries.size()> Positions;

    Suite()
    {
        for (std::size_t i = 0; i < Entries.size(); ++i) {
            std::istringstream in(Entries[i].Moves);
            std::string move;
            for (int ply = 0; ply < Entries[i].Plies && in >> move; ++ply)
                Moves[i] += (ply ? " " : "") + move;
            Positions[i] = {Entries[i].Name, Entries[i].Game, Moves[i].c_str()};
        }
    }
};

} // namespace

std::span<const TBenchPosition> BenchPositions()
{
    static const Suite suite;
    return suite.Positions;
}

bool SetUpBenchPosition(const TBenchPosition& position, GameState& state, std::string& error)
{
    state = GameState::Initial();
    auto engine = std::make_unique<TChessEngine>();
    std::istringstream in(position.Moves);
    for (std::string move; in >> move;) {
        if (PlayMove(*engine, state, move) != MoveTextResult::Legal) {
            error = std::string(position.Name) + ": move " + move + " is not legal";
            return false;
        }
    }
    return true;
}

TBenchSearch RunBenchSearch(const GameState& state, int depth)
{
    auto engine = std::make_unique<TChessEngine>();
    std::atomic<int> searchDepth{depth};
    engine->LinkTo(state);
    engine->SearchDepthRef = &searchDepth;

    const double start = ThreadCpuSeconds();
    engine->FindBestMove();
    const double elapsed = ThreadCpuSeconds() - start;

    TBenchSearch result;
    result.Nodes = engine->Nodes();
    result.Move = engine->BestMove();
    result.Score = engine->LastScore();
    result.Seconds = elapsed;
    return result;
}

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
