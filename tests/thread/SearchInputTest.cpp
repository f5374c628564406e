// The search thread on its own, without a board: what it searches is the
// one TSearchInput its input handler hands over when a pass starts (the
// position with its side to move, the depth, the time limit and the
// priority), and a pass whose handler offers nothing searches nothing.
#include "engine/ChessThread.h"

#include "EventPump.h"
#include "Placement.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

// A thread whose handlers stand in for the board's: the input is offered
// for the first pass only, moves are recorded, and every pass end leaves
// the thread suspended.
struct LoneThread {
    TChessThread thread;
    std::optional<TSearchInput> firstInput;
    int inputCalls = 0;
    int passEnds = 0;
    std::vector<std::pair<Square, Square>> moves;

    explicit LoneThread(std::optional<TSearchInput> input) : firstInput(std::move(input))
    {
        thread.InputHandler = [this]() -> std::optional<TSearchInput> {
            return ++inputCalls == 1 ? firstInput : std::nullopt;
        };
        thread.MoveHandler = [this](Square from, Square to) {
            moves.emplace_back(from, to);
            return true;
        };
        thread.PassDoneHandler = [this] {
            ++passEnds;
            thread.IsThinking.store(false);
            thread.Suspend();
        };
    }

    bool RunOnePass()
    {
        thread.Resume();
        return PumpUntil([this] { return passEnds >= 1; }, 60000);
    }
};

TSearchInput InputFor(const char* fen, bool whiteToMove, int depth)
{
    TSearchInput input;
    input.Position = GameState::FromPlacement(PlacementFromFen(fen), whiteToMove);
    input.Depth = depth;
    return input;
}

} // namespace

TEST(SearchInput, TheThreadPlaysForTheSideToMoveOfTheInput)
{
    // The same placement: White mates with Ra8, Black with Ra1.
    const char* placement = "r5k1/5ppp/8/8/8/8/5PPP/R5K1";
    LoneThread white(InputFor(placement, true, 2));
    ASSERT_TRUE(white.RunOnePass());
    ASSERT_EQ(white.moves.size(), 1u);
    EXPECT_EQ(white.moves[0], std::make_pair(Square::A1, Square::A8));

    LoneThread black(InputFor(placement, false, 2));
    ASSERT_TRUE(black.RunOnePass());
    ASSERT_EQ(black.moves.size(), 1u);
    EXPECT_EQ(black.moves[0], std::make_pair(Square::A8, Square::A1));
    EXPECT_EQ(black.inputCalls, 1); // one copy per pass
}

TEST(SearchInput, LimitsAndPriorityComeFromTheInput)
{
    // Queens everywhere: depth 8 cannot finish in a millisecond.
    TSearchInput input = InputFor("q1q1k1q1/8/1q1q1q2/8/8/1Q1Q1Q2/8/Q1Q1K1Q1", true, 8);
    input.TimeLimitMs = 1;
    input.Priority = TThreadPriority::tpLower;
    LoneThread lone(input);
    ASSERT_TRUE(lone.RunOnePass());
    EXPECT_TRUE(lone.thread.LastSearchTimedOut());
    EXPECT_EQ(lone.thread.Priority(), TThreadPriority::tpLower);
    EXPECT_EQ(lone.moves.size(), 1u); // out of time it still plays
}

TEST(SearchInput, APassWithoutInputSearchesNothing)
{
    LoneThread lone(std::nullopt);
    lone.thread.Resume();
    // The pass finds nothing to do and sleeps until a change is announced.
    ASSERT_TRUE(PumpUntil([&] { return lone.inputCalls >= 1; }));
    lone.thread.NotifyChange();
    ASSERT_TRUE(PumpUntil([&] { return lone.passEnds >= 1; }));
    EXPECT_EQ(lone.thread.SearchCount(), 0u);
    EXPECT_TRUE(lone.moves.empty());
}
