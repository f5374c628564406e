// The search: the moves it chooses, its scores, its tie-breaks, stopping,
// and staying inside its fixed tables.
#include "EngineTestSupport.h"

#include <chrono>
#include <thread>

using namespace engine;

TEST(Search, TakesAnUndefendedQueenAtDepthOne)
{
    LinkedEngine e("4k3/8/8/3q4/8/8/8/3RK3 w - - 0 1");
    EXPECT_EQ(e.Search(1), "d1d5");
}

TEST(Search, FindsMateInOneAtDepthOne)
{
    LinkedEngine e("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1");
    EXPECT_EQ(e.Search(1), "a1a8");
    EXPECT_EQ(e->LastScore(), 9999);
    EXPECT_EQ(e.Search(3), "a1a8");
    EXPECT_EQ(e->LastScore(), 9999);
}

TEST(Search, ReturnsTheOnlyLegalMoveAtEveryDepth)
{
    for (int depth = 1; depth <= 4; ++depth) {
        LinkedEngine e("7k/8/5K2/8/8/8/8/6R1 b - - 0 1");
        EXPECT_EQ(e.Search(depth), "h8h7") << "depth " << depth;
    }
}

TEST(Search, CheckAtTheRootGetsAFullReplyPly)
{
    // White must answer the bishop's check with Kg1, after which Black mates
    // with the quiet Ra1: only the extra ply of the check extension sees it
    // at depth 1.
    LinkedEngine e("r7/8/8/8/4b3/6k1/8/7K w - - 0 1");
    EXPECT_EQ(e.Search(1), "h1g1");
    EXPECT_EQ(e->LastScore(), 2 - 10000);
    const auto pv = e->PrincipalVariation();
    ASSERT_GE(pv.size(), 2u);
    EXPECT_EQ(MoveToUci(pv[1]), "a8a1");
}

TEST(Search, EqualMovesKeepThePreviousChoice)
{
    // With kings alone, Kd2, Ke2 and Kf2 score the same at depth 1; the
    // first generated wins in a fresh engine.
    const char* kingsOnly = "4k3/8/8/8/8/8/8/4K3 w - - 0 1";
    LinkedEngine fresh(kingsOnly);
    EXPECT_EQ(fresh.Search(1), "e1d2");

    // After a search whose best move was Kxf2, that move leads the
    // principal-variation table, is searched first, and keeps the tie.
    LinkedEngine e("4k3/8/8/8/8/8/5p2/4K3 w - - 0 1");
    EXPECT_EQ(e.Search(1), "e1f2");
    e.State = FenSyntaxState(kingsOnly);
    EXPECT_EQ(e.Search(1), "e1f2");
}

TEST(Search, SameInputsGiveTheSameMove)
{
    const char* fen = "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4";
    LinkedEngine a(fen);
    LinkedEngine b(fen);
    const std::string first = a.Search(3);
    EXPECT_EQ(b.Search(3), first);
    EXPECT_EQ(a->Nodes(), b->Nodes());
    // Again, each with the table its first search left.
    const std::string second = a.Search(3);
    EXPECT_EQ(b.Search(3), second);
    EXPECT_EQ(a->Nodes(), b->Nodes());
}

TEST(Search, NoLegalMoveLeavesThePreviousResult)
{
    LinkedEngine e("4k3/8/8/3q4/8/8/8/3RK3 w - - 0 1");
    ASSERT_EQ(e.Search(1), "d1d5");
    // Black is checkmated here: nothing is recorded.
    e.State = FenSyntaxState("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1");
    EXPECT_EQ(e.Search(2), "d1d5");
}

TEST(Search, StopRequestEndsTheSearch)
{
    LinkedEngine e("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
    e->StopRequested = true;
    EXPECT_EQ(e.Search(5), "a8a8"); // the untouched table
    EXPECT_EQ(e->Nodes(), 0u);
    EXPECT_EQ(e->AlphaBeta(-SearchBound, SearchBound, 4), 0);

    // A stop from another thread ends a search that would run for ages.
    e->StopRequested = false;
    e.Depth = 40;
    std::thread searcher([&] { e->FindBestMove(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    e->StopRequested = true;
    searcher.join();
    EXPECT_EQ(e->CurrentPly(), 0);
}

TEST(Search, StaysInsideThePlyTables)
{
    // Walk the kings back and forth until the position sits at the last
    // plies of the tables, then search from there.
    LinkedEngine e("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    const TEngineMove shuffle[4] = {MakeMove("e1", "e2", QuietMove), MakeMove("e8", "e7", QuietMove),
                                    MakeMove("e2", "e1", QuietMove), MakeMove("e7", "e8", QuietMove)};
    for (int i = 0; i < MaxPly - 3; ++i)
        ASSERT_TRUE(e->DoMove(shuffle[i % 4]));
    ASSERT_EQ(e->CurrentPly(), MaxPly - 3);
    e->PrepareEvalTables();
    const int score = e->AlphaBeta(-SearchBound, SearchBound, 6);
    EXPECT_GE(score, -SearchBound);
    EXPECT_LE(score, SearchBound);
    EXPECT_EQ(e->CurrentPly(), MaxPly - 3);
    const int quiet = e->Quiescence(-SearchBound, SearchBound);
    EXPECT_EQ(quiet, e->Evaluate());
}

TEST(Search, StaysInsideTheMoveList)
{
    // Queens everywhere: each ply's list holds about a hundred moves. Fill
    // the shared list ply by ply, then search on top of it.
    LinkedEngine e("q1q1k1q1/8/1q1q1q2/8/8/1Q1Q1Q2/8/Q1Q1K1Q1 w - - 0 1");
    const TEngineMove shuffle[4] = {MakeMove("e1", "e2", QuietMove), MakeMove("e8", "e7", QuietMove),
                                    MakeMove("e2", "e1", QuietMove), MakeMove("e7", "e8", QuietMove)};
    e->PrepareEvalTables();
    std::size_t listed = 0;
    while (e->CurrentPly() < MaxPly - 4) {
        e->GenerateMoves();
        ASSERT_LE(e->CurrentMoves().size(), static_cast<std::size_t>(MaxMovesInPosition));
        listed += e->CurrentMoves().size();
        ASSERT_TRUE(e->DoMove(shuffle[e->CurrentPly() % 4]));
    }
    ASSERT_GT(listed, 4096u);
    ASSERT_LE(listed, static_cast<std::size_t>(MoveListSize));
    const int ply = e->CurrentPly();
    const int score = e->AlphaBeta(-SearchBound, SearchBound, 2);
    EXPECT_GE(score, -SearchBound);
    EXPECT_LE(score, SearchBound);
    EXPECT_EQ(e->CurrentPly(), ply);
}
