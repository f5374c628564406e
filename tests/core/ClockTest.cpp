// The clocks driven by a hand-moved time source: nothing sleeps. Each kind
// of bonus, the periods, the start after both first moves, the flag,
// pausing, taking back, the PGN control strings and the %clk command.
#include "core/Clock.h"
#include "core/ClockComment.h"
#include "core/TimeControl.h"

#include <gtest/gtest.h>

namespace {

struct ManualTime {
    ClockMs Now = 1'000'000;
    GameClock::TimeSource Source()
    {
        return [this] { return Now; };
    }
};

TimeControl Control(const char* pgn)
{
    const auto control = ParseTimeControl(pgn);
    EXPECT_TRUE(control.has_value()) << pgn;
    return control.value_or(TimeControl{});
}

// A clock whose first two half-moves (which take no time) are made.
struct Timed {
    ManualTime time;
    GameClock clock{time.Source()};
    explicit Timed(const char* white, const char* black = nullptr)
    {
        clock.Start(Control(white), Control(black != nullptr ? black : white), true);
        clock.MoveMade();
        clock.MoveMade();
    }
    // The side to move thinks `ms` and moves.
    bool Move(ClockMs ms)
    {
        time.Now += ms;
        return clock.MoveMade();
    }
};

TEST(TimeControlText, ReadsAndWritesThePgnForms)
{
    struct Case {
        const char* Text;
        TimeControl Expected;
        const char* Written;
    };
    const Case cases[] = {
        {"-", {}, "-"},
        {"300+2", {{{0, 300000, 2000, DelayKind::Increment}}}, "300+2"},
        {"60", {{{0, 60000, 0, DelayKind::Increment}}}, "60"},
        {"60+0", {{{0, 60000, 0, DelayKind::Increment}}}, "60"},
        {"40/5400:1800",
         {{{40, 5400000, 0, DelayKind::Increment}, {0, 1800000, 0, DelayKind::Increment}}},
         "40/5400:1800"},
        {"40/5400+30:1800+30",
         {{{40, 5400000, 30000, DelayKind::Increment}, {0, 1800000, 30000, DelayKind::Increment}}},
         "40/5400+30:1800+30"},
        {"300d5", {{{0, 300000, 5000, DelayKind::Simple}}}, "300d5"},
        {"180b2.5", {{{0, 180000, 2500, DelayKind::Bronstein}}}, "180b2.5"},
        {"40/9000", {{{40, 9000000, 0, DelayKind::Increment}}}, "40/9000"},
    };
    for (const Case& c : cases) {
        const auto control = ParseTimeControl(c.Text);
        ASSERT_TRUE(control.has_value()) << c.Text;
        EXPECT_EQ(*control, c.Expected) << c.Text;
        EXPECT_EQ(TimeControlToPgn(*control), c.Written) << c.Text;
    }
    for (const char* bad : {"", "?", "*60", "abc", "300+", "+2", "0", "0+0", "60:40/300", "-5", "40/", "/300", "300+2x",
                            "1.2.3", "99999999999", "0/300", "40/300::60"})
        EXPECT_FALSE(ParseTimeControl(bad).has_value()) << bad;
}

TEST(TimeControlText, PresetsAreTheUsualOnes)
{
    std::vector<std::string> written;
    for (const TimeControl& preset : PresetTimeControls())
        written.push_back(TimeControlToPgn(preset));
    EXPECT_EQ(written,
              (std::vector<std::string>{"60", "120+1", "180", "180+2", "300", "300+3", "600", "600+5", "900+10", "1800",
                                        "1800+20", "5400+30"}));
}

TEST(GameClockTest, RunsOnlyOnceEachSideHasMoved)
{
    ManualTime time;
    GameClock clock(time.Source());
    clock.Start(Control("60"), Control("60"), true);
    EXPECT_FALSE(clock.Running());
    time.Now += 30000;
    clock.MoveMade(); // White's first move: free
    time.Now += 30000;
    EXPECT_EQ(clock.Remaining(false), 60000);
    clock.MoveMade(); // Black's first move: free, and now White's clock runs
    EXPECT_TRUE(clock.Running());
    EXPECT_EQ(clock.Remaining(true), 60000);
    time.Now += 1500;
    EXPECT_EQ(clock.Remaining(true), 58500);
    EXPECT_EQ(clock.Remaining(false), 60000);
}

TEST(GameClockTest, FischerIncrementAfterEveryMove)
{
    Timed game("180+2");
    EXPECT_TRUE(game.Move(5000));
    EXPECT_EQ(game.clock.Remaining(true), 180000 - 5000 + 2000);
    EXPECT_TRUE(game.Move(500)); // quicker than the increment: gains time
    EXPECT_EQ(game.clock.Remaining(false), 180000 - 500 + 2000);
}

TEST(GameClockTest, SimpleDelayWaitsBeforeCounting)
{
    Timed game("60d5");
    game.time.Now += 3000;
    EXPECT_EQ(game.clock.Remaining(true), 60000); // inside the delay
    game.time.Now += 4000;
    EXPECT_EQ(game.clock.Remaining(true), 58000);
    game.Move(0);
    EXPECT_EQ(game.clock.Remaining(true), 58000); // nothing added
    game.Move(2000);
    EXPECT_EQ(game.clock.Remaining(false), 60000); // a move inside the delay costs nothing
}

TEST(GameClockTest, BronsteinGivesBackUpToTheDelay)
{
    Timed game("60b5");
    game.time.Now += 3000;
    EXPECT_EQ(game.clock.Remaining(true), 57000); // runs at once
    game.Move(0);
    EXPECT_EQ(game.clock.Remaining(true), 60000); // the 3 s given back
    game.Move(8000);
    EXPECT_EQ(game.clock.Remaining(false), 60000 - 8000 + 5000); // never more than the delay
}

TEST(GameClockTest, PeriodsAddTheirTimeAfterTheirMoves)
{
    // Two moves in 10 s, then 5 s with 1 s a move. The free first moves
    // count as moves of the period.
    Timed game("2/10:5+1");
    game.Move(4000); // White's second move ends its first period
    EXPECT_EQ(game.clock.Remaining(true), 10000 - 4000 + 5000);
    EXPECT_EQ(game.clock.Record(game.clock.Ply()).White.Period, 1U);
    game.Move(1000); // Black too
    game.Move(2000); // White's third: the second period's increment
    EXPECT_EQ(game.clock.Remaining(true), 11000 - 2000 + 1000);
}

TEST(GameClockTest, ALastPeriodWithMovesStartsAgain)
{
    Timed game("2/10");
    game.Move(1000);
    EXPECT_EQ(game.clock.Remaining(true), 19000);
    game.Move(1000);
    game.Move(1000);
    game.Move(1000);
    game.Move(1000); // White's fourth move: two more moves in 10 s
    EXPECT_EQ(game.clock.Remaining(true), 27000);
}

TEST(GameClockTest, TheFlagFallsAtZeroAndALateMoveIsReported)
{
    Timed game("5");
    game.time.Now += 4999;
    EXPECT_FALSE(game.clock.FlagFallen());
    game.time.Now += 1;
    EXPECT_TRUE(game.clock.FlagFallen());
    EXPECT_FALSE(game.Move(100)); // made after the flag fell
}

TEST(GameClockTest, PauseStopsBothClocks)
{
    Timed game("60");
    game.time.Now += 1000;
    game.clock.Pause();
    game.time.Now += 500000;
    EXPECT_EQ(game.clock.Remaining(true), 59000);
    EXPECT_FALSE(game.clock.FlagFallen());
    game.clock.Resume();
    game.time.Now += 1000;
    EXPECT_EQ(game.clock.Remaining(true), 58000);
    game.Move(0);
    EXPECT_EQ(game.clock.Remaining(true), 58000);
}

TEST(GameClockTest, TakingBackAndRedoingRestoreBothClocks)
{
    Timed game("60+1");
    game.Move(5000);  // White: 56 s
    game.Move(10000); // Black: 51 s
    game.Move(2000);  // White: 55 s
    const ClockRecord afterThird = game.clock.Record(5);
    ASSERT_EQ(game.clock.Ply(), 5U);
    ASSERT_TRUE(game.clock.RestorePly(3));
    EXPECT_FALSE(game.clock.WhiteToMove());
    EXPECT_EQ(game.clock.Remaining(true), 56000);
    EXPECT_EQ(game.clock.Remaining(false), 60000);
    // Redo: the record after the taken-back moves is still there.
    ASSERT_TRUE(game.clock.RestorePly(5));
    EXPECT_FALSE(game.clock.WhiteToMove());
    EXPECT_EQ(game.clock.Record(5), afterThird);
    EXPECT_EQ(game.clock.Remaining(true), 55000);
    // A new move after going back replaces what followed.
    ASSERT_TRUE(game.clock.RestorePly(3));
    game.Move(1000);
    EXPECT_EQ(game.clock.Ply(), 4U);
    EXPECT_FALSE(game.clock.RestorePly(5));
    EXPECT_EQ(game.clock.Remaining(false), 60000);
}

TEST(GameClockTest, StopFreezesWhatTheClocksShow)
{
    Timed game("60");
    game.time.Now += 2500;
    game.clock.Stop();
    game.time.Now += 100000;
    EXPECT_EQ(game.clock.Remaining(true), 57500);
    EXPECT_FALSE(game.clock.Running());
}

TEST(GameClockTest, HandicapAndAnUntimedSide)
{
    ManualTime time;
    GameClock clock(time.Source());
    clock.Start(Control("300"), TimeControl{}, true);
    EXPECT_TRUE(clock.Enabled());
    EXPECT_FALSE(clock.Timed(false));
    clock.MoveMade();
    clock.MoveMade();
    clock.MoveMade();
    time.Now += 10'000'000; // Black thinks for hours
    EXPECT_FALSE(clock.FlagFallen());
    clock.MoveMade();
    EXPECT_EQ(clock.Remaining(true), 300000);
}

TEST(GameClockTest, RecordedMovesSetTheClocksWithoutCharging)
{
    ManualTime time;
    GameClock clock(time.Source());
    clock.Start(Control("180+2"), Control("180+2"), true);
    clock.MoveRecorded(180000);
    clock.MoveRecorded(180000);
    clock.MoveRecorded(171300);
    time.Now += 999999;
    clock.MoveRecorded(std::nullopt); // no %clk: only the increment
    EXPECT_EQ(clock.Remaining(true), 171300);
    EXPECT_EQ(clock.Remaining(false), 182000);
}

TEST(GameClockTest, BudgetLeavesAReserveAndUsesTheBonus)
{
    for (const char* control : {"60", "180+2", "5+1", "40/300:60", "10d3", "10b3"}) {
        Timed game(control);
        for (int move = 0; move < 60 && !game.clock.FlagFallen(); ++move) {
            const ClockMs budget = game.clock.MoveBudget();
            const ClockMs left = game.clock.Remaining(game.clock.WhiteToMove());
            EXPECT_GT(budget, 0) << control;
            // Spending the budget and the delivery's overhead never flags.
            EXPECT_TRUE(game.Move(budget + 100)) << control << " move " << move << " left " << left;
        }
    }
    Timed quick("180+2");
    EXPECT_GT(quick.clock.MoveBudget(), 5000); // 180 s / 32 + 1.5 s
    EXPECT_LT(quick.clock.MoveBudget(), 10000);
}

TEST(ClockCommentTest, WritesAndReadsTheClockCommand)
{
    EXPECT_EQ(ClockText(298200), "0:04:58.2");
    EXPECT_EQ(ClockText(298000), "0:04:58");
    EXPECT_EQ(ClockText(3723456), "1:02:03.4");
    EXPECT_EQ(ClockText(-20), "0:00:00");
    for (const ClockMs ms : {ClockMs{0}, ClockMs{298200}, ClockMs{5400000}, ClockMs{59900}, ClockMs{36000000 + 100}})
        EXPECT_EQ(ParseClockText(ClockText(ms)), ms);
    EXPECT_EQ(ParseClockText("4:58"), 298000);
    EXPECT_EQ(ParseClockText("0:00:01.25"), 1250);
    for (const char* bad : {"", "1", "0:60:00", "0:00:60", "a:00:00", "0:00:01.", "1:2:3:4", "-0:00:01"})
        EXPECT_FALSE(ParseClockText(bad).has_value()) << bad;

    EXPECT_EQ(CommentClock("[%clk 0:04:58.2]"), 298200);
    EXPECT_EQ(CommentClock("good move [%eval 0.3] [%clk 0:01:00] really"), 60000);
    EXPECT_FALSE(CommentClock("no clock here").has_value());
    EXPECT_FALSE(CommentClock("[%clk broken").has_value());
    EXPECT_EQ(WithCommentClock("", 61000), "[%clk 0:01:01]");
    EXPECT_EQ(WithCommentClock("nice", 61000), "[%clk 0:01:01] nice");
    EXPECT_EQ(WithCommentClock("nice [%clk 0:09:00] move", 500), "nice [%clk 0:00:00.5] move");
    EXPECT_EQ(WithoutCommentClock("[%clk 0:01:01] nice"), "nice");
    EXPECT_EQ(WithoutCommentClock("nice [%clk 0:01:01]"), "nice");
    EXPECT_EQ(WithoutCommentClock("[%clk 0:01:01]"), "");
}

} // namespace
