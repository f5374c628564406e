// Searches that must end, with a move, however wild the position.
#include "EngineTestSupport.h"

#include <chrono>
#include <future>
#include <thread>

using namespace engine;

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

namespace {

bool IsLegalMoveOf(LinkedEngine& e, TEngineMove move)
{
    e->LoadPosition();
    TEngineMove found;
    return FindLegalMove(*e, MoveToUci(move), found) == MoveTextResult::Legal && found == move;
}

} // namespace

// Out of time, the queens' first iteration cannot finish: the move to play
// is still a legal one, never the empty or a stale move.
TEST(SearchEnds, DeadlineEndsTheQueensSearchWithALegalMove)
{
    // A stale move in the tables from an earlier search elsewhere.
    LinkedEngine e("4k3/8/8/3q4/8/8/8/3RK3 w - - 0 1");
    ASSERT_EQ(e.Search(1), "d1d5");
    // Thirty queens: no game reaches this, but the engine must still answer.
    e.State = FenSyntaxState("qqqqkqqq/qqqqqqqq/8/8/8/8/QQQQQQQQ/QQQQKQQQ w - - 0 1");
    e->SetDeadline(std::chrono::steady_clock::now() + std::chrono::milliseconds(300));
    const auto start = std::chrono::steady_clock::now();
    e.Search(5);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_TRUE(e->LimitReached());
    EXPECT_EQ(e->CompletedDepth(), 0);
    EXPECT_EQ(e->CurrentPly(), 0);
    for (const bool useUnfinished : {false, true}) {
        TEngineMove move;
        ASSERT_TRUE(e->MoveToPlay(move, useUnfinished));
        EXPECT_TRUE(IsLegalMoveOf(e, move)) << MoveToUci(move);
    }
}

// A node limit ends the search inside the iteration after the last that
// fits: the move to play is that iteration's, as an unlimited search of its
// depth chooses it.
TEST(SearchEnds, NodeLimitKeepsTheLastFinishedIterationsMove)
{
    const char* fen = "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4";
    for (int depth = 2; depth <= 4; ++depth) {
        LinkedEngine full(fen);
        full.Search(depth);
        ASSERT_FALSE(full->LimitReached());
        ASSERT_EQ(full->CompletedDepth(), depth);

        LinkedEngine limited(fen);
        limited->SetNodeLimit(full->Nodes() + 1);
        limited.Search(20);
        EXPECT_TRUE(limited->LimitReached());
        EXPECT_EQ(limited->Nodes(), full->Nodes() + 1);
        EXPECT_EQ(limited->CompletedDepth(), depth);
        EXPECT_EQ(limited->CompletedMove(), full->BestMove());
        TEngineMove move;
        ASSERT_TRUE(limited->MoveToPlay(move, false));
        EXPECT_EQ(move, full->BestMove()) << "depth " << depth;
        // The unfinished iteration's best so far, when it has one, was
        // searched in full: a legal move of the position.
        ASSERT_TRUE(limited->MoveToPlay(move, true));
        EXPECT_TRUE(IsLegalMoveOf(limited, move)) << MoveToUci(move);
    }
}

// Searched moves restricted at the root: the best among them, and nothing
// when none is given that can be played.
TEST(SearchEnds, RootMovesRestrictTheChoice)
{
    LinkedEngine e("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
    const std::string free = e.Search(3);
    const TEngineMove only[] = {MakeMove("a2", "a3", PawnStep), MakeMove("h2", "h4", PawnDoubleStep)};
    e->SetRootMoves(only);
    const std::string restricted = e.Search(3);
    EXPECT_NE(restricted, free);
    EXPECT_TRUE(restricted == "a2a3" || restricted == "h2h4") << restricted;
    e->SetRootMoves({});
    EXPECT_EQ(e.Search(3), free);
}
