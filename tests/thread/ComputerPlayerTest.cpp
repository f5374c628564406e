// The computer player on its own thread, driven through the board: starting
// at the first paint, moving for the sides it plays, stopping when a side is
// handed back to a person, idling without spinning, never making a move
// computed for a position that has changed, and shutting down mid-search.
#include "board/ChessBoard.h"
#include "engine/ChessThread.h"

#include "EventPump.h"
#include "Placement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

struct MoveLog {
    std::vector<std::pair<Square, Square>> moves;
    std::vector<bool> thinkingDuringMove;
};

// A board whose moves are recorded, with animation off so moves are instant.
void Watch(TChessBoard& board, MoveLog& log)
{
    board.SetAnimateMoves(false);
    board.OnLegalMove = [&board, &log](QObject*, Square from, Square to) {
        log.moves.emplace_back(from, to);
        log.thinkingDuringMove.push_back(board.Thinking());
    };
}

} // namespace

TEST(ComputerPlayer, NeverSearchesWhenItPlaysNoSide)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.show(); // the first paint starts the thread
    PumpFor(100);
    ASSERT_NE(board.ComputerPlayer(), nullptr);
    EXPECT_EQ(board.ComputerPlayer()->SearchCount(), 0u);
    EXPECT_FALSE(board.Thinking());
    EXPECT_TRUE(log.moves.empty());
}

TEST(ComputerPlayer, RunsNoPassBeforeTheFirstPaint)
{
    TChessBoard board;
    PumpFor(50);
    EXPECT_EQ(board.ComputerPlayer()->PassCount(), 0u);
    board.show(); // the first paint starts the thread
    ASSERT_TRUE(PumpUntil([&] { return board.ComputerPlayer()->PassCount() >= 1; }));
}

TEST(ComputerPlayer, ASideGivenToItBeforeTheFirstPaintWaitsForThatPaint)
{
    // A window that sets its players before it is first shown (from its
    // stored settings, say) has no game played behind the user's back.
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.SetSearchDepth(1);
    board.SetComputerPlaysWhite(true);
    board.SetComputerPlaysBlack(true);
    board.ResumeThinking();
    PumpFor(300);
    EXPECT_EQ(board.ComputerPlayer()->PassCount(), 0u);
    EXPECT_TRUE(log.moves.empty());
    board.show(); // the first paint starts the thread
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() >= 2; }));
}

TEST(ComputerPlayer, AnswersForTheSideItPlaysThenIdles)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.SetSearchDepth(3);
    board.SetComputerPlaysBlack(true);
    board.show(); // the first paint starts the thread
    PumpFor(50);
    EXPECT_TRUE(log.moves.empty()); // White (a person) is to move

    board.PlayerMove(Square::E2, Square::E4);
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() == 2; }));
    EXPECT_TRUE(board.WhiteToMove());
    const auto& reply = log.moves[1];
    EXPECT_GE(RankOf(reply.first), 7); // a Black piece from its own side
    // Thinking reads False while the computer's move is being made.
    EXPECT_FALSE(log.thinkingDuringMove[1]);

    // The person is to move: once the pass after the delivery has begun, the
    // thread waits without making passes.
    PumpFor(50);
    const auto passes = board.ComputerPlayer()->PassCount();
    PumpFor(200);
    EXPECT_EQ(board.ComputerPlayer()->PassCount(), passes);
    EXPECT_EQ(board.ComputerPlayer()->SearchCount(), 1u);
}

TEST(ComputerPlayer, SettingItsSideWhileThatSideIsToMoveStartsASearch)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.show(); // the first paint starts the thread
    PumpFor(30);
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() == 1; }));
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_LE(RankOf(log.moves[0].first), 2);
}

TEST(ComputerPlayer, HandingItsSideBackToAPersonStopsTheSearch)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.SetSearchDepth(8); // long enough to be interrupted
    board.show();            // the first paint starts the thread
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return board.Thinking(); }, 5000));
    board.SetComputerPlaysWhite(false);
    EXPECT_FALSE(board.Thinking()); // the pass end was served before returning
    PumpFor(100);
    EXPECT_TRUE(log.moves.empty());
    EXPECT_TRUE(board.WhiteToMove());
}

TEST(ComputerPlayer, PlaysBothSidesToAResult)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    bool ended = false;
    board.OnMate = [&](QObject*, Square, Square) { ended = true; };
    board.OnStaleMate = [&](QObject*, Square, Square) { ended = true; };
    board.OnDraw = [&](QObject*) { ended = true; };
    board.SetSearchDepth(2);
    board.show(); // the first paint starts the thread
    board.SetComputerPlaysWhite(true);
    board.SetComputerPlaysBlack(true);
    ASSERT_TRUE(PumpUntil([&] { return ended; }, 120000)) << log.moves.size() << " moves without a result";
    // Every move it made was one the board accepted, alternating sides.
    EXPECT_GE(log.moves.size(), 4u);
}

TEST(ComputerPlayer, AMateHandlerMayChangeSettingsWithoutHanging)
{
    // White to move mates at once (Qh5-f7 style set-up): Qf7 is mate.
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.SetPosition(PlacementOfRanks(
        {"r bqkb r", "pppp ppp", "  n  n  ", "    p  Q", "  B P   ", "        ", "PPPP PPP", "RNB K NR"}));
    board.SetCastlingAllowed(CastleSet());
    int mates = 0;
    board.OnMate = [&](QObject*, Square, Square) {
        ++mates;
        // Both stop the thread in the protocol; the guard lets them return.
        board.SetComputerPlaysWhite(false);
        board.NewGame();
    };
    board.SetSearchDepth(2);
    board.show(); // the first paint starts the thread
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return mates == 1; }));
    EXPECT_EQ(log.moves[0], std::make_pair(Square::H5, Square::F7));
    PumpFor(100);
    EXPECT_EQ(board.Position().substr(0, 16), "rnbqkbnrpppppppp");
    EXPECT_EQ(log.moves.size(), 1u); // nothing more: White is a person again
}

TEST(ComputerPlayer, AfterMateWithTheComputerToMoveItDoesNotSearchAgainAndAgain)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    // White is mated (the fool's mate), and the computer plays White.
    board.SetPosition(PlacementOfRanks(
        {"rnb kbnr", "pppp ppp", "        ", "    p   ", "      Pq", "     P  ", "PPPPP  P", "RNBQKBNR"}));
    board.SetWhiteToMove(true);
    ASSERT_FALSE(board.HasLegalMove());
    board.show(); // the first paint starts the thread
    board.SetComputerPlaysWhite(true);
    PumpFor(300);
    EXPECT_TRUE(log.moves.empty());
    // One search found nothing to play; the refused result is not retried
    // until something changes.
    EXPECT_LE(board.ComputerPlayer()->SearchCount(), 1u);
    const auto passes = board.ComputerPlayer()->PassCount();
    PumpFor(200);
    EXPECT_EQ(board.ComputerPlayer()->PassCount(), passes);

    // A change (a new game) wakes it, and it plays White's first move.
    board.NewGame();
    board.ResumeThinking();
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() == 1; }));
}

TEST(ComputerPlayer, StopThinkingEndsEvenWhenAServedHandlerResumes)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.SetSearchDepth(8);
    board.show(); // the first paint starts the thread
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return board.Thinking(); }, 5000));
    // While StopThinking waits, a queued event (a click on a player box)
    // resumes the thread.
    QMetaObject::invokeMethod(
        &board, [&board] { board.ResumeThinking(); }, Qt::QueuedConnection);
    board.StopThinking();
    EXPECT_TRUE(board.ComputerPlayer()->Suspended());
    EXPECT_FALSE(board.Thinking());
}

TEST(ComputerPlayer, StoppedByAPositionWriteItStaysStoppedUntilResumed)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.SetSearchDepth(2);
    board.show(); // the first paint starts the thread
    board.SetPosition("init");
    board.SetComputerPlaysBlack(true); // resumes; White (a person) to move
    board.SetWhiteToMove(false);       // stops and stays stopped
    PumpFor(150);
    EXPECT_TRUE(log.moves.empty());
    board.ResumeThinking();
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() == 1; }));
}

TEST(ComputerPlayer, AMoveComputedForAPositionThatChangedIsNeverMade)
{
    // After an announced draw (insufficient material does not freeze the
    // game) StopThinking returns at once, so a position can be written while
    // a search runs. The move of that search must not be made on the new
    // board, even where it would be legal there.
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    std::vector<std::uint64_t> searchOfMove;
    board.OnLegalMove = [&](QObject*, Square from, Square to) {
        log.moves.emplace_back(from, to);
        searchOfMove.push_back(board.ComputerPlayer()->SearchCount());
    };
    bool drawn = false;
    board.OnDraw = [&](QObject*) { drawn = true; };
    // White's knight takes Black's rook: two knights against a bishop.
    const auto before = PlacementOfRanks(
        {"  b k   ", "        ", "        ", "   r    ", "        ", "    N   ", "        ", "    K N "});
    board.SetPosition(before);
    board.SetCastlingAllowed(CastleSet());
    board.show(); // the first paint starts the thread
    ASSERT_TRUE(board.MakeMove(Square::E3, Square::D5));
    ASSERT_TRUE(drawn);
    ASSERT_TRUE(board.EndEventGuard());
    const std::string drawnPosition = board.Position();

    board.SetSearchDepth(8);
    board.SetComputerPlaysBlack(true); // Black to move: a search starts
    ASSERT_TRUE(PumpUntil([&] { return board.Thinking(); }, 5000));
    const auto staleSearch = board.ComputerPlayer()->SearchCount();
    // The same pieces plus a White pawn: the stale search's move is still
    // legal here. The guard lets this write through without waiting.
    std::string changed = drawnPosition;
    changed[Ord(Square::A2) - 1] = 'P';
    board.SetPosition(changed);
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() == 2; }, 120000));
    EXPECT_GT(searchOfMove.back(), staleSearch);
}

TEST(ComputerPlayer, DestroyingTheBoardDuringASearchNeitherHangsNorDelivers)
{
    MoveLog log;
    {
        TChessBoard board;
        Watch(board, log);
        board.SetSearchDepth(8);
        board.show(); // the first paint starts the thread
        board.SetComputerPlaysWhite(true);
        ASSERT_TRUE(PumpUntil([&] { return board.Thinking(); }, 5000));
    }
    EXPECT_TRUE(log.moves.empty());
}

TEST(ComputerPlayer, PriorityFollowsThePropertyWhileRunning)
{
    TChessBoard board;
    board.SetThinkingPriority(TThreadPriority::tpLower);
    EXPECT_EQ(board.ComputerPlayer()->Priority(), TThreadPriority::tpLower);
    board.show(); // the first paint starts the thread
    board.SetThinkingPriority(TThreadPriority::tpIdle);
    EXPECT_EQ(board.ComputerPlayer()->Priority(), TThreadPriority::tpIdle);
}

TEST(ComputerPlayer, DesignModeBoardHasNoThread)
{
    TChessBoard board(nullptr, true);
    EXPECT_EQ(board.ComputerPlayer(), nullptr);
    board.SetComputerPlaysWhite(true);
    board.show(); // the first paint starts the thread
    EXPECT_FALSE(board.Thinking());
    EXPECT_TRUE(board.ComputerPlaysWhite());
}

TEST(ComputerPlayer, APersonCannotDropAPieceWhileTheComputerThinks)
{
    QWidget window;
    window.resize(500, 500);
    auto* board = new TChessBoard(&window);
    MoveLog log;
    Watch(*board, log);
    std::vector<Square> refused;
    board->OnIllegalMove = [&](QObject*, Square s) { refused.push_back(s); };
    window.show();
    board->SetSearchDepth(8);
    board->SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return board->Thinking(); }, 5000));

    // e2-e4 would be legal, but the computer is thinking: the drop is refused.
    auto centre = [&](Square s) {
        int x = 0, y = 0;
        board->SquareOrigin(s, x, y);
        return QPoint(x + board->SizeOfSquare() / 2, y + board->SizeOfSquare() / 2);
    };
    const QPoint from = centre(Square::E2), to = centre(Square::E4);
    auto drag = [&] {
        QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
        for (int i = 1; i <= 6; ++i)
            QTest::mouseMove(board, from + (to - from) * i / 6);
        QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, to);
    };
    drag();
    EXPECT_EQ(refused.size(), 1u);
    EXPECT_EQ(board->PieceAt(Square::E2), 'P');
    EXPECT_TRUE(log.moves.empty());

    // Once White is handed back to a person, the same drag makes the move.
    board->SetComputerPlaysWhite(false);
    drag();
    EXPECT_EQ(refused.size(), 1u);
    ASSERT_EQ(log.moves.size(), 1u);
    EXPECT_EQ(log.moves[0], std::make_pair(Square::E2, Square::E4));
}

// A board crowded with queens makes the capture sequences explode: without a
// time limit even the first level searches for minutes and the computer
// seems to hang. Out of time it plays a legal move.
TEST(ComputerPlayer, OutOfTimeOnACrowdedBoardItStillPlaysALegalMove)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    EXPECT_EQ(board.ThinkingTimeLimit(), TChessBoard::DefaultThinkingTimeLimit);
    board.SetPosition(PlacementOfRanks(
        {"qqqqkqqq", "qqqqqqqq", "        ", "        ", "        ", "        ", "QQQQQQQQ", "QQQQKQQQ"}));
    board.SetCastlingAllowed(CastleSet());
    board.SetWhiteToMove(true);
    board.SetSearchDepth(5);
    board.SetThinkingTimeLimit(500);
    board.show(); // the first paint starts the thread
    QElapsedTimer clock;
    clock.start();
    board.SetComputerPlaysWhite(true);
    // Generous for a loaded machine; without the limit it takes minutes.
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() == 1; }, 20000));
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_TRUE(board.ComputerPlayer()->LastSearchTimedOut());
    // The board made it, so it was legal; White moved.
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_LE(RankOf(log.moves[0].first), 2);

    // A normal position is searched in full under the default limit.
    board.SetComputerPlaysWhite(false);
    board.SetThinkingTimeLimit(TChessBoard::DefaultThinkingTimeLimit);
    board.NewGame();
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return log.moves.size() == 2; }, 20000));
    EXPECT_FALSE(board.ComputerPlayer()->LastSearchTimedOut());
}

TEST(ComputerPlayer, ThinkingIsToldAroundEachSearchOfItsOwn)
{
    TChessBoard board;
    board.SetAnimateMoves(false);
    std::vector<std::string> told;
    QObject::connect(&board, &TChessBoard::thinkingChanged, &board,
                     [&told](bool thinking) { told.push_back(thinking ? "thinking" : "done"); });
    QObject::connect(&board, &TChessBoard::moveMade, &board, [&told] { told.push_back("move"); });
    board.SetSearchDepth(2);
    board.show(); // the first paint starts the thread
    board.SetComputerPlaysWhite(true);
    board.SetComputerPlaysBlack(true);
    ASSERT_TRUE(PumpUntil([&] { return std::count(told.begin(), told.end(), "move") >= 4; }, 60000));
    board.SetComputerPlaysWhite(false);
    board.SetComputerPlaysBlack(false);
    PumpFor(100);
    // Each of its moves comes after its search was told to begin and end;
    // the last word is that it thinks no more.
    ASSERT_GE(told.size(), 12u);
    for (std::size_t i = 0; i < told.size(); ++i) {
        if (told[i] != "move")
            continue;
        ASSERT_GE(i, 2u);
        EXPECT_EQ(told[i - 1], "done") << i;
        EXPECT_EQ(told[i - 2], "thinking") << i;
    }
    const auto lastWord =
        std::find_if(told.rbegin(), told.rend(), [](const std::string& word) { return word != "move"; });
    ASSERT_NE(lastWord, told.rend());
    EXPECT_EQ(*lastWord, "done");
    EXPECT_FALSE(board.Thinking());
}
