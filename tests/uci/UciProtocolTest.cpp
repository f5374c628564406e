// kestravin-uci through its protocol: the handshake, a whole game against
// itself, perft output, the Depth option, stopping, answers to bad input,
// and every form of "go" with the time it takes to answer.
#include "UciProcess.h"

#include "core/Fen.h"
#include "core/GameState.h"
#include "engine/ChessEngine.h"
#include "engine/MoveText.h"
#include "engine/Perft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <regex>
#include <sstream>
#include <vector>

namespace {

class UciProtocol : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(uci.Started()); }

    // Sends isready and expects readyok: the program is alive and has
    // answered everything sent before.
    void ExpectReady()
    {
        uci.Send("isready");
        std::string skipped;
        EXPECT_EQ(uci.ReadUntil("readyok", &skipped, 20000), "readyok") << skipped;
    }

    static std::string Program()
    {
        // The built program, unless the environment names another one.
        const char* other = std::getenv("KESTRAVIN_UCI_PROGRAM");
        return other ? other : KESTRAVIN_UCI_PROGRAM;
    }

    UciProcess uci{Program()};
};

GameState FenState(const char* fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error)) << fen << ": " << error;
    return position.State;
}

bool HasLegalMove(GameState& state)
{
    auto engine = std::make_unique<TChessEngine>();
    engine->LinkTo(state);
    engine->LoadPosition();
    engine->GenerateMoves();
    for (const TMoveEntry& entry : engine->CurrentMoves()) {
        if (engine->DoMove(entry.Move)) {
            engine->UndoMove();
            return true;
        }
    }
    return false;
}

bool OnlyKings(const GameState& state)
{
    for (int s = 1; s <= 64; ++s) {
        if (state.Board[s] != ' ' && state.Board[s] != 'K' && state.Board[s] != 'k')
            return false;
    }
    return true;
}

int PieceCount(const GameState& state)
{
    int count = 0;
    for (int s = 1; s <= 64; ++s)
        count += state.Board[s] != ' ';
    return count;
}

} // namespace

TEST_F(UciProtocol, HandshakeNamesTheEngineAndItsOption)
{
    uci.Send("uci");
    std::string lines;
    ASSERT_TRUE(uci.ReadUntil("uciok", &lines, 10000));
    EXPECT_NE(lines.find("id name Kestravin 2005\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("option name Depth type spin default 5"), std::string::npos) << lines;
    ExpectReady();
    uci.Send("quit");
    EXPECT_EQ(uci.WaitForExit(), 0);
}

TEST_F(UciProtocol, PlaysAWholeGameAgainstItself)
{
    const std::regex infoLine(
        R"(info depth (\d+) score (cp -?\d+|mate -?\d+) nodes \d+ nps \d+ time \d+ pv( [a-h][1-8][a-h][1-8][nbrq]?)+)");
    uci.Send("uci");
    ASSERT_TRUE(uci.ReadUntil("uciok"));
    uci.Send("ucinewgame");
    ExpectReady();

    GameState state = GameState::Initial();
    std::string moves;
    std::vector<GameState> seen;
    int quietPlies = 0;
    std::string ending;
    auto engine = std::make_unique<TChessEngine>();
    for (int ply = 0; ply < 600 && ending.empty(); ++ply) {
        const int depth = ply % 2 == 0 ? 3 : 2; // White looks further
        uci.Send("position startpos" + (moves.empty() ? std::string() : " moves" + moves));
        uci.Send("go depth " + std::to_string(depth));
        std::string infos;
        const auto best = uci.ReadUntil("bestmove ", &infos);
        ASSERT_TRUE(best) << "no answer after" << moves;
        const std::string move = best->substr(9);

        if (!HasLegalMove(state)) {
            EXPECT_EQ(move, "0000");
            EXPECT_TRUE(infos.empty()) << infos;
            ending = "no legal move";
            break;
        }
        // One info line per iteration, the last at the depth asked for.
        std::istringstream lines(infos);
        int iterations = 0;
        for (std::string line; std::getline(lines, line);) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(line, m, infoLine)) << line;
            EXPECT_EQ(std::stoi(m[1]), ++iterations) << infos;
        }
        EXPECT_EQ(iterations, depth);

        const int piecesBefore = PieceCount(state);
        const bool pawnMove = move.size() >= 4 && (state.At(SquareAt(move[0] - 'a' + 1, move[1] - '0')) | 0x20) == 'p';
        ASSERT_EQ(PlayMove(*engine, state, move), MoveTextResult::Legal) << move << " after" << moves;
        moves += " " + move;
        quietPlies = (pawnMove || PieceCount(state) != piecesBefore) ? 0 : quietPlies + 1;

        seen.push_back(state);
        if (std::count(seen.begin(), seen.end(), state) >= 3)
            ending = "threefold repetition";
        else if (quietPlies >= 100)
            ending = "fifty moves";
        else if (OnlyKings(state))
            ending = "bare kings";
    }
    EXPECT_FALSE(ending.empty()) << "the game did not end:" << moves;
    if (ending == "no legal move") {
        // The final position is mate or stalemate, as the engine saw it.
        EXPECT_FALSE(HasLegalMove(state));
    }
    RecordProperty("ending", ending);
    std::cout << "self-play: " << seen.size() << " positions, ended by " << ending << "\n";
    uci.Send("quit");
    EXPECT_EQ(uci.WaitForExit(), 0);
}

TEST_F(UciProtocol, PerftPrintsEachRootMoveAndTheTotal)
{
    struct Case {
        const char* Position;
        const char* Fen;
        int Depth;
        std::uint64_t Total;
    };
    const Case cases[] = {
        {"startpos", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4, 197281},
        {"fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
         "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3, 97862},
        {"fen 8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 4, 43238},
    };
    for (const Case& c : cases) {
        uci.Send(std::string("position ") + c.Position);
        uci.Send("go perft " + std::to_string(c.Depth));
        std::string lines;
        const auto total = uci.ReadUntil("Nodes searched: ", &lines);
        ASSERT_TRUE(total);
        EXPECT_EQ(*total, "Nodes searched: " + std::to_string(c.Total));

        // The same counts as the library's, in the same order, then a blank.
        FenPosition position;
        std::string error;
        ASSERT_TRUE(ReadFen(c.Fen, position, error)) << error;
        auto engine = std::make_unique<TChessEngine>();
        engine->LinkTo(position.State);
        engine->LoadPosition();
        std::string expected;
        for (const TDivideEntry& part : PerftDivide(*engine, c.Depth))
            expected += MoveToUci(part.Move) + ": " + std::to_string(part.Nodes) + "\n";
        EXPECT_EQ(lines, expected + "\n");
    }
}

TEST_F(UciProtocol, GoWithoutDepthUsesTheDepthOption)
{
    uci.Send("setoption name Depth value 2");
    uci.Send("position startpos moves e2e4");
    uci.Send("go");
    std::string infos;
    const auto best = uci.ReadUntil("bestmove ", &infos);
    ASSERT_TRUE(best);
    EXPECT_NE(infos.find("info depth 2 "), std::string::npos) << infos;
    EXPECT_EQ(infos.find("info depth 3 "), std::string::npos) << infos;
}

TEST_F(UciProtocol, FindsMateAndAnswersNoMoveWhenMated)
{
    uci.Send("position fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1");
    uci.Send("go depth 2");
    std::string infos;
    EXPECT_EQ(uci.ReadUntil("bestmove ", &infos), "bestmove a1a8");
    EXPECT_NE(infos.find("score mate 1 "), std::string::npos) << infos;

    uci.Send("position fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1 moves a1a8");
    uci.Send("go depth 2");
    EXPECT_EQ(uci.ReadUntil("bestmove "), "bestmove 0000");
}

// The same verdict as the PGN reader and the window: a position no game can
// reach is refused with its reason and leaves no position behind, so that
// the search never takes a king or moves a pawn from its first rank.
TEST_F(UciProtocol, RefusesAnImpossiblePositionAndKeepsNone)
{
    const struct {
        const char* Fen;
        const char* Reason;
    } impossible[] = {
        {"4k3/8/8/8/8/8/8/P3K3 w - - 0 1", "FEN: peão na primeira ou na última fileira (a1)"},
        {"4k3/8/8/8/8/8/4r3/R3K3 b - - 0 1", "FEN: o rei branco está em xeque com as pretas a jogar"},
    };
    for (const auto& c : impossible) {
        // A legal position first: the refused one must not leave it standing.
        uci.Send("position startpos moves e2e4");
        uci.Send(std::string("position fen ") + c.Fen);
        EXPECT_EQ(uci.ReadLine(10000), "info string position refused: " + std::string(c.Reason)) << c.Fen;
        uci.Send("go depth 2");
        std::string lines;
        EXPECT_EQ(uci.ReadUntil("bestmove ", &lines, 10000), "bestmove 0000") << c.Fen;
        EXPECT_EQ(lines.find("info depth"), std::string::npos) << lines;
        uci.Send("go perft 1");
        EXPECT_EQ(uci.ReadLine(10000), "info string no position to count: the last one was refused");
        ExpectReady();
    }
    // A legal position with the same pieces still searches.
    uci.Send("position fen 4k3/8/8/8/8/8/4r3/R3K3 w - - 0 1");
    uci.Send("go depth 2");
    const auto best = uci.ReadUntil("bestmove ", nullptr, 20000);
    ASSERT_TRUE(best);
    GameState state = FenState("4k3/8/8/8/8/8/4r3/R3K3 w - - 0 1");
    auto engine = std::make_unique<TChessEngine>();
    EXPECT_EQ(PlayMove(*engine, state, best->substr(9)), MoveTextResult::Legal) << *best;
}

TEST_F(UciProtocol, StopEndsAnInfiniteSearchWithALegalMove)
{
    uci.Send("position startpos moves d2d4 d7d5 c2c4");
    uci.Send("go infinite");
    ASSERT_TRUE(uci.ReadUntil("info depth 2 "));
    uci.Send("stop");
    const auto best = uci.ReadUntil("bestmove ", nullptr, 20000);
    ASSERT_TRUE(best);
    GameState state = GameState::Initial();
    auto engine = std::make_unique<TChessEngine>();
    for (const char* move : {"d2d4", "d7d5", "c2c4"})
        ASSERT_EQ(PlayMove(*engine, state, move), MoveTextResult::Legal);
    EXPECT_EQ(PlayMove(*engine, state, best->substr(9)), MoveTextResult::Legal) << *best;
    ExpectReady();
}

TEST_F(UciProtocol, BadInputIsAnsweredAndTheSessionGoesOn)
{
    struct Case {
        const char* Command;
        const char* Answer;
    };
    const Case cases[] = {
        {"fly away", "info string unknown command: fly"},
        {"position", "info string expected 'position startpos' or 'position fen <fen>'"},
        {"position startpos e2e4", "info string expected 'moves' after 'position startpos'"},
        {"position fen 8/8/8 w - -", "info string position refused: FEN: a disposição das peças não tem 8 fileiras"},
        {"position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
         "info string position refused: FEN: o lado a jogar deve ser 'w' ou 'b', não 'x'"},
        {"position fen 4k3/8/8/8/8/8/8/8 w - - 0 1", "info string position refused: FEN: as brancas não têm rei"},
        {"position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkz - 0 1",
         "info string position refused: FEN: direito de roque inválido: 'z'"},
        {"position startpos moves e2e4 e7e5 e1e3",
         "info string illegal move: e1e3; the position stands after the 2 moves before it"},
        {"position startpos moves e2e4 zz99",
         "info string malformed move: zz99; the position stands after the 1 moves before it"},
        {"position startpos moves e2e4 e7e5 g1f3 b8c6 f3e5 c6e5 e4e5x",
         "info string malformed move: e4e5x; the position stands after the 6 moves before it"},
        {"go perft", "info string go perft needs a number from 1 to 10"},
        {"setoption name Depth value 99", "info string Depth needs a value from 1 to 30"},
        {"setoption name Hash value 16", "info string unknown option: Hash"},
        {"setoption", "info string expected 'setoption name <name> value <value>'"},
        {"\x01\x02\xff", "info string unknown command: \x01\x02\xff"},
    };
    for (const Case& c : cases) {
        uci.Send(c.Command);
        EXPECT_EQ(uci.ReadLine(10000), std::string(c.Answer)) << c.Command;
    }
    // A very long line is only an unknown command.
    uci.Send(std::string(100000, 'x'));
    const auto answer = uci.ReadLine(10000);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->rfind("info string unknown command: ", 0), 0u);
    ExpectReady();

    // The last good position stands: the same as the six moves alone.
    uci.Send("position startpos moves e2e4 e7e5 g1f3 b8c6 f3e5 c6e5");
    uci.Send("go perft 3");
    const auto good = uci.ReadUntil("Nodes searched: ");
    uci.Send("position startpos moves e2e4 e7e5 g1f3 b8c6 f3e5 c6e5 e4e5x");
    EXPECT_TRUE(uci.ReadLine(10000));
    uci.Send("go perft 3");
    const auto afterBadMove = uci.ReadUntil("Nodes searched: ");
    ASSERT_TRUE(good);
    EXPECT_EQ(afterBadMove, good);
}

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool IsLegalIn(const std::string& moves, const std::string& move)
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

class UciGo : public UciProtocol {
protected:
    // Sends the position and the go command and reads up to "bestmove":
    // the move, the time the answer took and the lines before it. Then
    // checks that nothing more comes: no second "bestmove" before readyok.
    struct Answer {
        std::string Move;
        double Seconds = 0;
        std::string Lines;
    };
    Answer Go(const std::string& moves, const std::string& go, int timeoutMs = 60000)
    {
        uci.Send("position startpos" + (moves.empty() ? std::string() : " moves " + moves));
        const auto start = Clock::now();
        uci.Send(go);
        Answer answer;
        const auto best = uci.ReadUntil("bestmove ", &answer.Lines, timeoutMs);
        answer.Seconds = SecondsSince(start);
        EXPECT_TRUE(best) << go << " gave no bestmove:\n" << answer.Lines;
        if (!best)
            return answer;
        answer.Move = best->substr(9);
        EXPECT_TRUE(IsLegalIn(moves, answer.Move)) << go << ": " << *best;
        ExpectNothingMore();
        return answer;
    }

    void ExpectNothingMore()
    {
        uci.Send("isready");
        std::string skipped;
        EXPECT_EQ(uci.ReadUntil("readyok", &skipped, 20000), "readyok");
        EXPECT_EQ(skipped.find("bestmove"), std::string::npos) << skipped;
    }
};

} // namespace

TEST_F(UciGo, DepthOutOfRangeOrMalformedIsClampedAndStillAnswered)
{
    uci.Send("setoption name Depth value 2");
    Answer a = Go("", "go depth 0");
    EXPECT_EQ(a.Lines.rfind("info string go depth 0 is out of range (1 to 30); searching to depth 1\n", 0), 0u)
        << a.Lines;
    EXPECT_NE(a.Lines.find("info depth 1 "), std::string::npos) << a.Lines;
    EXPECT_EQ(a.Lines.find("info depth 2 "), std::string::npos) << a.Lines;

    for (const char* go : {"go depth many", "go depth", "go depth 2.5"}) {
        a = Go("e2e4", go);
        EXPECT_EQ(a.Lines.rfind("info string go depth needs a number from 1 to 30; searching to depth 2\n", 0), 0u)
            << go << "\n"
            << a.Lines;
        EXPECT_NE(a.Lines.find("info depth 2 "), std::string::npos) << a.Lines;
        EXPECT_EQ(a.Lines.find("info depth 3 "), std::string::npos) << a.Lines;
    }

    // Too deep to end by itself: it searches to depth 30 until stopped.
    for (const char* go : {"go depth 31", "go depth 99999999999999999999999"}) {
        uci.Send("position startpos");
        uci.Send(go);
        const auto said = uci.ReadLine(10000);
        ASSERT_TRUE(said);
        EXPECT_EQ(said->rfind("info string go depth ", 0), 0u) << *said;
        EXPECT_NE(said->find("searching to depth 30"), std::string::npos) << *said;
        ASSERT_TRUE(uci.ReadUntil("info depth 3 "));
        uci.Send("stop");
        const auto best = uci.ReadUntil("bestmove ", nullptr, 10000);
        ASSERT_TRUE(best);
        EXPECT_TRUE(IsLegalIn("", best->substr(9))) << *best;
        ExpectNothingMore();
    }
}

TEST_F(UciGo, MoveTimeIsUsedButNotExceeded)
{
    const Answer a = Go("", "go movetime 300");
    EXPECT_GE(a.Seconds, 0.25) << a.Lines;
    EXPECT_LE(a.Seconds, 3.0) << a.Lines;
    // A fixed time ends the search where it stands, not at a depth.
    EXPECT_NE(a.Lines.find("info depth 3 "), std::string::npos) << a.Lines;
}

TEST_F(UciGo, ClockTakesAShareOfTheSideToMovesTime)
{
    // A minute for the whole game: one move takes a small share.
    Answer a = Go("", "go wtime 60000 btime 60000 winc 0 binc 0");
    EXPECT_LE(a.Seconds, 10.0) << a.Lines;

    // Little time left: the answer comes within it, even with a large
    // increment that cannot be spent before it is given.
    a = Go("", "go wtime 300 btime 300 winc 5000 binc 5000");
    EXPECT_LE(a.Seconds, 1.5) << a.Lines;
    a = Go("", "go wtime 0 btime 60000");
    EXPECT_LE(a.Seconds, 1.5) << a.Lines;
    a = Go("", "go wtime -1200 btime 60000");
    EXPECT_LE(a.Seconds, 1.5) << a.Lines;

    // One move to the time control: most of the time may go into it, but
    // never all of it. Black's own time counts when Black is to move.
    a = Go("e2e4", "go wtime 600000 btime 1000 winc 0 binc 0 movestogo 1");
    EXPECT_GE(a.Seconds, 0.4) << a.Lines;
    EXPECT_LE(a.Seconds, 3.0) << a.Lines;
    a = Go("e2e4", "go wtime 600000 btime 1000 movestogo 40");
    EXPECT_LE(a.Seconds, 1.5) << a.Lines;
}

TEST_F(UciGo, NodesLimitTheSearch)
{
    const Answer a = Go("e2e4 e7e5", "go nodes 20000");
    EXPECT_LE(a.Seconds, 10.0);
    std::istringstream lines(a.Lines);
    int infos = 0;
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_search(line, m, std::regex(R"(^info depth \d+ .* nodes (\d+) )")))
            continue;
        ++infos;
        EXPECT_LE(std::stoull(m[1]), 20000u) << line;
    }
    EXPECT_GE(infos, 2) << a.Lines;
}

TEST_F(UciGo, InfiniteAndPonderAnswerOnlyWhenTold)
{
    uci.Send("position startpos moves e2e4");
    uci.Send("go infinite");
    std::string lines;
    EXPECT_FALSE(uci.ReadUntil("bestmove ", &lines, 1000)) << "an infinite search answered by itself";
    uci.Send("stop");
    auto best = uci.ReadUntil("bestmove ", &lines, 10000);
    ASSERT_TRUE(best);
    EXPECT_TRUE(IsLegalIn("e2e4", best->substr(9)));
    ExpectNothingMore();

    // Pondering on a fixed time: the time starts at ponderhit.
    uci.Send("position startpos moves e2e4 e7e5");
    uci.Send("go ponder movetime 300");
    EXPECT_FALSE(uci.ReadUntil("bestmove ", &lines, 1000)) << "pondering answered by itself";
    auto start = Clock::now();
    uci.Send("ponderhit");
    best = uci.ReadUntil("bestmove ", &lines, 10000);
    ASSERT_TRUE(best);
    EXPECT_GE(SecondsSince(start), 0.25);
    EXPECT_LE(SecondsSince(start), 3.0);
    EXPECT_TRUE(IsLegalIn("e2e4 e7e5", best->substr(9)));
    ExpectNothingMore();

    // A ponder search that ended by itself answers at once at ponderhit;
    // one the opponent did not allow ends with stop.
    uci.Send("position startpos moves d2d4");
    uci.Send("go ponder depth 2");
    EXPECT_FALSE(uci.ReadUntil("bestmove ", &lines, 500));
    start = Clock::now();
    uci.Send("ponderhit");
    ASSERT_TRUE(uci.ReadUntil("bestmove ", &lines, 10000));
    EXPECT_LE(SecondsSince(start), 2.0);
    ExpectNothingMore();
    uci.Send("go ponder wtime 1000 btime 1000");
    EXPECT_FALSE(uci.ReadUntil("bestmove ", &lines, 1500)) << "pondering ran on the clock";
    uci.Send("stop");
    ASSERT_TRUE(uci.ReadUntil("bestmove ", &lines, 10000));
    ExpectNothingMore();

    // A stop with no search running is not answered.
    uci.Send("stop");
    ExpectNothingMore();
}

TEST_F(UciGo, SearchMovesRestrictTheChoice)
{
    // From the start the engine prefers a centre pawn; restricted, it picks
    // among the moves given, and says which it left out.
    Answer a = Go("", "go depth 3 searchmoves a2a3 h2h3 e2e5 zz");
    EXPECT_TRUE(a.Move == "a2a3" || a.Move == "h2h3") << a.Move;
    EXPECT_NE(a.Lines.find("info string go searchmoves: illegal move e2e5 is left out"), std::string::npos) << a.Lines;
    EXPECT_NE(a.Lines.find("info string go searchmoves: malformed move zz is left out"), std::string::npos) << a.Lines;
    std::istringstream lines(a.Lines);
    for (std::string line; std::getline(lines, line);) {
        const auto pv = line.find(" pv ");
        if (pv != std::string::npos) {
            const std::string first = line.substr(pv + 4, 4);
            EXPECT_TRUE(first == "a2a3" || first == "h2h3") << line;
        }
    }
    // The move chosen freely is not played when another alone is named.
    const std::string free = Go("e2e4 d7d5", "go depth 2").Move;
    const std::string other = free == "b1c3" ? "g1f3" : "b1c3";
    EXPECT_EQ(Go("e2e4 d7d5", "go depth 2 searchmoves " + other).Move, other);
}

TEST_F(UciGo, MateFindsTheMateAndStopsThere)
{
    uci.Send("position fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1");
    uci.Send("go mate 1");
    std::string lines;
    EXPECT_EQ(uci.ReadUntil("bestmove ", &lines, 20000), "bestmove a1a8");
    EXPECT_NE(lines.find("score mate 1 "), std::string::npos) << lines;
    ExpectNothingMore();

    // A quiet first move: the king takes c7 and the rook mates on a1.
    lines.clear();
    uci.Send("position fen k7/8/2K5/8/8/8/8/1R6 w - - 0 1");
    uci.Send("go mate 2");
    EXPECT_EQ(uci.ReadUntil("bestmove ", &lines, 20000), "bestmove c6c7");
    EXPECT_NE(lines.find("info depth 3 score mate 2 "), std::string::npos) << lines;
    EXPECT_EQ(lines.find("info depth 4 "), std::string::npos) << lines;
    ExpectNothingMore();
}
