// kestravin-uci in Chess960: the UCI_Chess960 option, perft through the
// program equal to Debian's stockfish's counts (all 960 starts at depth 3,
// the sample at depth 4, the positions after moves; X-FEN and
// Shredder-FEN), and castling written and read as king-takes-rook.
#include "Chess960PerftData.h"
#include "UciProcess.h"

#include <gtest/gtest.h>

namespace {

std::uint64_t PerftThroughProgram(UciProcess& uci, const std::string& fen, int depth, std::string* divide = nullptr)
{
    uci.Send("position fen " + fen);
    uci.Send("go perft " + std::to_string(depth));
    const std::optional<std::string> total = uci.ReadUntil("Nodes searched: ", divide);
    if (!total)
        return 0;
    return std::stoull(total->substr(std::string("Nodes searched: ").size()));
}

} // namespace

TEST(UciChess960, PerftMatchesStockfishWithTheOptionOn)
{
    const std::vector<Chess960PerftCase> cases = LoadChess960PerftCases();
    if (cases.empty())
        GTEST_SKIP() << "tests/core/data/chess960_perft.txt not found";
    UciProcess uci(KESTRAVIN_UCI_PROGRAM);
    ASSERT_TRUE(uci.Started());
    uci.Send("uci");
    std::string handshake;
    ASSERT_TRUE(uci.ReadUntil("uciok", &handshake));
    EXPECT_NE(handshake.find("option name UCI_Chess960 type check default false\n"), std::string::npos);
    uci.Send("setoption name UCI_Chess960 value true");
    int n = 0;
    for (const Chess960PerftCase& c : cases) {
        // Both forms, taking turns.
        const std::string& fen = (n++ % 2 == 0) ? c.XFen : c.ShredderFen;
        EXPECT_EQ(PerftThroughProgram(uci, fen, c.Depth), c.Nodes) << c.Kind << " " << fen;
    }
    uci.Send("quit");
    EXPECT_EQ(uci.WaitForExit(), 0);
}

TEST(UciChess960, CastlingIsKingTakesRook)
{
    UciProcess uci(KESTRAVIN_UCI_PROGRAM);
    ASSERT_TRUE(uci.Started());
    uci.Send("setoption name UCI_Chess960 value true");
    // The king on b1 castles queen side onto a1; the divide lists it so.
    std::string divide;
    PerftThroughProgram(uci, "1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/RK2R3 w KQkq - 0 1", 1, &divide);
    EXPECT_NE(divide.find("b1a1: 1"), std::string::npos) << divide;
    EXPECT_NE(divide.find("b1e1: 1"), std::string::npos) << divide;
    // Played as b1a1 (and e8h8 for Black), the king stands on c1.
    uci.Send("position fen 1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/RK2R3 w KQkq - 0 1 moves b1a1 e8h8");
    uci.Send("go perft 1");
    std::string after;
    ASSERT_TRUE(uci.ReadUntil("Nodes searched: ", &after));
    EXPECT_NE(after.find("c1b1: 1"), std::string::npos) << "the king stands on c1: " << after;
    EXPECT_EQ(after.find("b1a1"), std::string::npos) << after;
    EXPECT_EQ(after.find("illegal"), std::string::npos) << after;
    // The usual array with the option on: castling is e1h1, not e1g1.
    uci.Send("position fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    uci.Send("go perft 1");
    std::string usual;
    ASSERT_TRUE(uci.ReadUntil("Nodes searched: ", &usual));
    EXPECT_NE(usual.find("e1h1: 1"), std::string::npos) << usual;
    EXPECT_EQ(usual.find("e1g1"), std::string::npos) << usual;
    // A mate in one by castling: the program answers with it in
    // king-takes-rook form.
    uci.Send("position fen 2rkr3/2p1p3/8/8/8/8/8/RK6 w A - 0 1");
    uci.Send("go depth 2");
    const std::optional<std::string> best = uci.ReadUntil("bestmove ");
    ASSERT_TRUE(best);
    EXPECT_EQ(*best, "bestmove b1a1");
    // Off again: standard castling as ever.
    uci.Send("setoption name UCI_Chess960 value false");
    uci.Send("position startpos moves e2e4 e7e5 g1f3 b8c6 f1c4 g8f6 e1g1");
    uci.Send("go perft 1");
    std::string standard;
    ASSERT_TRUE(uci.ReadUntil("Nodes searched: ", &standard));
    EXPECT_EQ(standard.find("illegal"), std::string::npos) << standard;
    uci.Send("setoption name UCI_Chess960 value maybe");
    EXPECT_TRUE(uci.ReadUntil("info string UCI_Chess960 needs the value true or false"));
    uci.Send("quit");
    EXPECT_EQ(uci.WaitForExit(), 0);
}
