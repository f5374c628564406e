// kestravin-uci when its interface goes away or wants it back: the end of
// the input ends a long search at once (the program exits), and "go perft"
// counts while the commands are still read, so that "isready", "stop" and
// "quit" are answered at once, as during a search.
#include "UciProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string Program()
{
    const char* other = std::getenv("KESTRAVIN_UCI_PROGRAM");
    return other ? other : KESTRAVIN_UCI_PROGRAM;
}

// Far beyond what either finishes in the time the test waits.
const char* const LongSearch = "go depth 30";
const char* const LongCount = "go perft 9";

} // namespace

TEST(UciEnd, TheEndOfTheInputEndsASearchAndTheProgram)
{
    UciProcess uci(Program());
    ASSERT_TRUE(uci.Started());
    uci.Send("position startpos moves e2e4 e7e5");
    uci.Send(LongSearch);
    ASSERT_TRUE(uci.ReadUntil("info depth 2 ", nullptr, 20000));
    // Closes the input, as a killed interface does.
    EXPECT_EQ(uci.WaitForExit(10000), 0) << "still searching after the end of its input";
}

TEST(UciEnd, PerftIsStoppableLikeASearch)
{
    UciProcess uci(Program());
    ASSERT_TRUE(uci.Started());
    uci.Send(LongCount);
    uci.Send("isready");
    EXPECT_EQ(uci.ReadUntil("readyok", nullptr, 10000), "readyok") << "isready not read while counting";
    uci.Send("stop");
    std::string counted;
    const auto stopped = uci.ReadUntil("info string perft stopped", &counted, 10000);
    ASSERT_TRUE(stopped) << counted;
    // No total is claimed for a count that was cut short.
    EXPECT_EQ(counted.find("Nodes searched"), std::string::npos) << counted;
    uci.Send("isready");
    EXPECT_EQ(uci.ReadUntil("readyok", nullptr, 10000), "readyok");

    // A short count still gives its whole answer.
    uci.Send("go perft 2");
    EXPECT_EQ(uci.ReadUntil("Nodes searched: ", nullptr, 10000), "Nodes searched: 400");

    uci.Send(LongCount);
    uci.Send("quit");
    EXPECT_EQ(uci.WaitForExit(10000), 0) << "quit not read while counting";

    // And the end of the input ends a count too.
    UciProcess fed(Program());
    ASSERT_TRUE(fed.Started());
    fed.Send(LongCount);
    EXPECT_EQ(fed.WaitForExit(10000), 0);
}
