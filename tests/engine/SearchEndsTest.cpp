// Searches that must end, with a move, however wild the position.
#include "EngineTestSupport.h"

#include <chrono>
#include <future>
#include <thread>

// Queens facing queens: the capture sequences of the quiescence search grow
// beyond any time a search can be given, so only the stop request ends it.
// The request must reach the quiescence search too, or a board waiting for
// its thread to stop waits for ever.
TEST(SearchEnds, StopRequestEndsAQuiescenceSearchOfQueensFacingQueens)
{
    auto e = std::make_shared<LinkedEngine>("qqqqkqqq/qqqqqqqq/8/8/8/8/QQQQQQQQ/QQQQKQQQ w - - 0 1");
    e->Depth = 1;
    // Detached, so that a search that never ends fails the test instead of
    // hanging it; the engine is shared with the thread.
    auto finished = std::make_shared<std::promise<void>>();
    std::future<void> search = finished->get_future();
    std::thread([e, finished] {
        (*e)->FindBestMove();
        finished->set_value();
    }).detach();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    (*e)->StopRequested = true;
    // Generous: a search that heeds the request ends within milliseconds.
    const bool ended = search.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    ASSERT_TRUE(ended) << "the search ignored the stop request";
    EXPECT_EQ((*e)->CurrentPly(), 0);
}

// A lone king against twenty queens: the static score is beyond the root's
// window, so no move of the king ever raised the root's lower bound and the
// search chose nothing (the untouched a8a8). Static scores stay inside the
// window, below every mate score, and the king must choose one of its moves.
TEST(SearchEnds, LoneKingAgainstAHugeArmyStillChoosesAMove)
{
    const char* fen = "k7/8/4QQQQ/5QQQ/2Q3QQ/2QQ3Q/2QQQ3/2QQQQ1K b - - 0 1";
    for (int depth = 1; depth <= 3; ++depth) {
        LinkedEngine e(fen);
        const std::string move = e.Search(depth);
        EXPECT_TRUE(move == "a8a7" || move == "a8b7" || move == "a8b8") << "depth " << depth << ": " << move;
        EXPECT_GT(e->LastScore(), -SearchBound);
    }
}
