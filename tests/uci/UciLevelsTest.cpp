// kestravin-uci playing the program's levels: the Nivel option, and a level's
// move whatever the limits of "go", within the time it is given.
#include "UciProcess.h"

#include "core/GameState.h"
#include "core/PolyglotBook.h"
#include "core/PolyglotKey.h"
#include "engine/ChessEngine.h"
#include "engine/MoveText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

class UciLevels : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(uci.Started());
        uci.Send("uci");
        ASSERT_TRUE(uci.ReadUntil("uciok", &handshake, 10000));
    }

    struct Answer {
        std::string Move;
        double Seconds = 0;
        std::string Lines;
    };
    // A fresh game, the position after moves, the go command; the answer.
    Answer Go(const std::string& moves, const std::string& go)
    {
        uci.Send("ucinewgame");
        uci.Send("position startpos" + (moves.empty() ? std::string() : " moves " + moves));
        const auto start = Clock::now();
        uci.Send(go);
        Answer answer;
        const auto best = uci.ReadUntil("bestmove ", &answer.Lines, 60000);
        answer.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
        EXPECT_TRUE(best) << go << " gave no bestmove:\n" << answer.Lines;
        if (best)
            answer.Move = best->substr(9);
        EXPECT_TRUE(IsLegalIn(moves, answer.Move)) << go << ": " << answer.Move;
        return answer;
    }

    void SetLevel(const std::string& level) { uci.Send("setoption name Nivel value " + level); }

    static bool IsLegalIn(const std::string& moves, const std::string& move)
    {
        GameState state = GameState::Initial();
        auto engine = std::make_unique<TChessEngine>();
        std::istringstream in(moves);
        for (std::string m; in >> m;) {
            if (PlayMove(*engine, state, m) != MoveTextResult::Legal)
                return false;
        }
        return PlayMove(*engine, state, move) == MoveTextResult::Legal;
    }

    static std::string Program()
    {
        const char* other = std::getenv("KESTRAVIN_UCI_PROGRAM");
        return other ? other : KESTRAVIN_UCI_PROGRAM;
    }

    UciProcess uci{Program()};
    std::string handshake;
};

const char* const Opening = "e2e4 e7e5 g1f3 b8c6 f1c4 g8f6";

} // namespace

TEST_F(UciLevels, TheOptionNamesEveryLevelInPlainLetters)
{
    EXPECT_NE(handshake.find("option name Nivel type combo default Livre var Livre var Iniciante var Aprendiz var "
                             "Super Facil var Facil var Medio var Dificil var Super Dificil\n"),
              std::string::npos)
        << handshake;
}

TEST_F(UciLevels, ALevelSearchesToItsDepthWhateverTheGoCommandSays)
{
    const Answer free = Go(Opening, "go depth 3");
    EXPECT_NE(free.Lines.find("info depth 3 "), std::string::npos) << free.Lines;

    SetLevel("Facil");
    for (const char* go : {"go depth 9", "go nodes 50", "go", "go wtime 600000 btime 600000"}) {
        const Answer a = Go(Opening, go);
        EXPECT_NE(a.Lines.find("info depth 2 "), std::string::npos) << go << "\n" << a.Lines;
        EXPECT_EQ(a.Lines.find("info depth 3 "), std::string::npos) << go << "\n" << a.Lines;
    }
    // The level's move is the move of a search to its depth.
    SetLevel("Medio");
    const Answer medio = Go(Opening, "go nodes 10");
    EXPECT_EQ(medio.Move, free.Move) << medio.Lines;

    // A value that is no level is refused, and the level stays.
    SetLevel("Grande Mestre");
    const auto refusal = uci.ReadLine(10000);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->rfind("info string Nivel needs one of the values Livre, Iniciante, ", 0), 0u) << *refusal;
    EXPECT_EQ(Go(Opening, "go depth 1").Move, free.Move);

    // Livre searches within the limits again.
    SetLevel("Livre");
    const Answer again = Go(Opening, "go depth 1");
    EXPECT_EQ(again.Lines.find("info depth 2 "), std::string::npos) << again.Lines;
}

TEST_F(UciLevels, TheBeginnersLevelsPlayLegalVariedMovesInTime)
{
    for (const char* level : {"Iniciante", "Aprendiz"}) {
        SetLevel(level);
        // Over a dozen first moves, more than one.
        std::string first;
        bool varied = false;
        for (int i = 0; i < 12; ++i) {
            const Answer a = Go("", "go depth 20");
            varied = varied || (!first.empty() && a.Move != first);
            first = a.Move;
            EXPECT_LE(a.Seconds, 5.0) << a.Lines;
        }
        EXPECT_TRUE(varied) << level;
        // A free queen is taken most of the time, within a short clock.
        int taken = 0;
        for (int i = 0; i < 5; ++i) {
            const Answer queen = Go("e2e4 e7e5 d1h5 g8f6 f1c4", "go wtime 200 btime 200");
            EXPECT_LE(queen.Seconds, 1.0) << queen.Lines;
            taken += queen.Move == "f6h5";
        }
        EXPECT_GE(taken, 2) << level;
    }
}

TEST_F(UciLevels, AStrongLevelNeverTakesLongerThanItsTime)
{
    SetLevel("Super Dificil");
    // A crowded middle game where depth 5 takes a while.
    const std::string moves = "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6 b5a4 g8f6 e1g1 f8e7 f1e1 b7b5 a4b3 d7d6 c2c3 e8g8";
    const Answer timed = Go(moves, "go movetime 100");
    EXPECT_LE(timed.Seconds, 1.0) << timed.Lines;
    const Answer clocked = Go(moves, "go wtime 300 btime 300");
    EXPECT_LE(clocked.Seconds, 1.0) << clocked.Lines;
}

TEST_F(UciLevels, OwnBookPlaysTheBooksMovesWithinTheLevelsPlies)
{
    EXPECT_NE(handshake.find("option name OwnBook type check default false\n"), std::string::npos) << handshake;
    EXPECT_NE(handshake.find("option name BookFile type string default "), std::string::npos) << handshake;

    // A book with one move at the start and one after four half-moves.
    const GameState start = GameState::Initial();
    GameState later = start;
    {
        auto engine = std::make_unique<TChessEngine>();
        for (const char* move : {"e2e4", "e7e5", "g1f3", "b8c6"})
            ASSERT_EQ(PlayMove(*engine, later, move), MoveTextResult::Legal);
    }
    const std::string bytes = TPolyglotBook::Serialise(
        {{PolyglotKey(start), TPolyglotBook::EncodeMove(start, {Square::B1, Square::A3}), 1, 0},
         {PolyglotKey(later), TPolyglotBook::EncodeMove(later, {Square::H2, Square::H4}), 1, 0}});
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("kestravin uci book " + std::to_string(::getpid()) + ".bin");
    std::ofstream(path, std::ios::binary) << bytes;

    // Off by default: the search's own move.
    uci.Send("setoption name BookFile value " + path.string());
    Answer a = Go("", "go depth 1");
    EXPECT_NE(a.Move, "b1a3");
    EXPECT_EQ(a.Lines.find("book move"), std::string::npos) << a.Lines;

    uci.Send("setoption name OwnBook value true");
    a = Go("", "go depth 1");
    EXPECT_EQ(a.Move, "b1a3") << a.Lines;
    EXPECT_NE(a.Lines.find("info string book move"), std::string::npos) << a.Lines;
    // Free play uses the book wherever it knows the position; so does a
    // level with enough book plies, but not one with fewer.
    EXPECT_EQ(Go("e2e4 e7e5 g1f3 b8c6", "go depth 1").Move, "h2h4");
    SetLevel("Facil");
    EXPECT_EQ(Go("e2e4 e7e5 g1f3 b8c6", "go depth 1").Move, "h2h4");
    SetLevel("Iniciante");
    EXPECT_EQ(Go("", "go depth 1").Move, "b1a3");
    a = Go("e2e4 e7e5 g1f3 b8c6", "go depth 1");
    EXPECT_EQ(a.Lines.find("book move"), std::string::npos) << a.Lines;
    // Waiting for "stop", the engine searches.
    uci.Send("position startpos");
    uci.Send("go infinite");
    uci.Send("stop");
    const auto best = uci.ReadUntil("bestmove ", nullptr, 10000);
    ASSERT_TRUE(best);

    // A file that is no book is said once, and play goes on without it.
    std::filesystem::remove(path);
    std::ofstream(path, std::ios::binary) << "not a book";
    uci.Send("setoption name BookFile value " + path.string());
    a = Go("", "go depth 1");
    EXPECT_NE(a.Lines.find("info string " + path.string() + " is not a Polyglot opening book"), std::string::npos)
        << a.Lines;
    EXPECT_NE(a.Move, "");
    std::filesystem::remove(path);
    uci.Send("setoption name BookFile value " + path.string());
    a = Go("", "go depth 1");
    EXPECT_NE(a.Lines.find("info string cannot read the book file "), std::string::npos) << a.Lines;
}
