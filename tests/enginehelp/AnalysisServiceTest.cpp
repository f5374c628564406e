// The analysis service on known positions with the built-in engine and with
// Stockfish when it is installed, its fallback from broken engines, and the
// review of a game that throws away its queen.
#include "EventPump.h"
#include "FakeEngines.h"

#include "core/Fen.h"
#include "enginehelp/AnalysisService.h"
#include "enginehelp/EngineChoice.h"
#include "enginehelp/GameReviewer.h"
#include "enginehelp/MoveLine.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

GameState FromFen(const char* fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error)) << fen << ": " << error;
    return position.State;
}

// White mates with Ra8; Black's king is shut in by its own pawns.
constexpr const char* BackRankMate = "6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1";
// The same with colours swapped: Black mates with ...Ra1.
constexpr const char* BlackMatesInOne = "r5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1";
// Black has a queen and a rook against a bare king.
constexpr const char* BlackIsWinning = "4k3/8/8/3q4/8/8/r7/4K3 w - - 0 1";

struct Outcome {
    QString Best;
    TAnalysisReport Last;
    int Reports = 0;
};

Outcome Search(TAnalysisService& service, const GameState& state, int depth, int timeMs, int uciMoveTimeMs = 0)
{
    QSignalSpy finished(&service, &TAnalysisService::Finished);
    QSignalSpy reports(&service, &TAnalysisService::Report);
    TAnalysisRequest request;
    request.State = state;
    request.MaxDepth = depth;
    request.TimeLimitMs = timeMs;
    request.UciMoveTimeMs = uciMoveTimeMs;
    const std::uint64_t id = service.Start(request);
    Outcome outcome;
    EXPECT_TRUE(PumpUntil([&] { return finished.count() > 0; }, 30000));
    if (finished.isEmpty())
        return outcome;
    EXPECT_EQ(finished.first().at(0).value<std::uint64_t>(), id);
    outcome.Best = finished.first().at(1).toString();
    outcome.Last = finished.first().at(2).value<TAnalysisReport>();
    outcome.Reports = static_cast<int>(reports.count());
    return outcome;
}

TUciClient::TimeLimits ShortLimits()
{
    TUciClient::TimeLimits limits;
    limits.HandshakeMs = 1500;
    limits.StopMs = 800;
    limits.QuitGraceMs = 300;
    return limits;
}

} // namespace

TEST(AnalysisService, TheBuiltInEngineFindsAMateInOneForEitherSide)
{
    TAnalysisService service;
    Outcome white = Search(service, FromFen(BackRankMate), 20, 5000);
    EXPECT_EQ(white.Best, "a1a8");
    EXPECT_TRUE(white.Last.Score.Mate);
    EXPECT_EQ(white.Last.Score.Value, 1);
    EXPECT_EQ(white.Last.Score.Text(), "#1");
    EXPECT_EQ(white.Last.PvText, "1. A1-A8");

    Outcome black = Search(service, FromFen(BlackMatesInOne), 20, 5000);
    EXPECT_EQ(black.Best, "a8a1");
    EXPECT_EQ(black.Last.Score.Text(), "#-1");
    EXPECT_EQ(black.Last.PvText, "1... A8-A1");
}

TEST(AnalysisService, TheLineIsWrittenInTheMoveListsNotation)
{
    const GameState afterE4 = FromFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    const QStringList line{"e7e5", "g1f3", "b8c6", "f1c4", "g8f6", "e1g1"};
    EXPECT_EQ(MoveLineText(afterE4, line).toStdString(), "1... E7-E5 2. G1-F3 B8-C6 3. F1-C4 G8-F6 4. E1-G1");
    EXPECT_EQ(MoveLineText(afterE4, line, TMoveNotation::Algebraic).toStdString(),
              "1... e5 2. Cf3 Cc6 3. Bc4 Cf6 4. O-O");
    // A capture that promotes and gives check, a knight that needs its file,
    // and the line cut at its first illegal move.
    GameState promotion = FromFen("r3k3/1P6/8/8/8/5N2/8/1N2K3 w - - 0 1");
    promotion.CurrentMove = 40;
    EXPECT_EQ(
        MoveLineText(promotion, {"b7a8q", "e8e7", "b1d2", "e7e6", "e1e1"}, TMoveNotation::Algebraic).toStdString(),
        "40. bxa8=D+ Re7 41. Cbd2 Re6");
    EXPECT_EQ(MoveLineText(promotion, {"b7a8n"}).toStdString(), "40. B7-A8=C");

    // The service follows its notation from the next report on, and the
    // last report that Finished carries follows a change at once.
    TAnalysisService service;
    service.SetNotation(TMoveNotation::Algebraic);
    Outcome white = Search(service, FromFen(BackRankMate), 20, 5000);
    EXPECT_EQ(white.Last.PvText, "1. Ta8#");
    Outcome black = Search(service, FromFen(BlackMatesInOne), 20, 5000);
    EXPECT_EQ(black.Last.PvText, "1... Ta1#");
    // Changed once the (only) report is out, before Finished.
    QString reported;
    QObject::connect(&service, &TAnalysisService::Report, &service, [&](std::uint64_t, const TAnalysisReport& report) {
        reported = report.PvText;
        service.SetNotation(TMoveNotation::Coordinates);
    });
    Outcome changed = Search(service, FromFen(BackRankMate), 20, 5000);
    EXPECT_EQ(reported.toStdString(), "1. Ta8#");
    EXPECT_EQ(changed.Last.PvText.toStdString(), "1. A1-A8");
}

TEST(AnalysisService, AWonPositionIsScoredAsWonFromWhitesSide)
{
    TAnalysisService service;
    Outcome outcome = Search(service, FromFen(BlackIsWinning), 5, 0);
    // One report per iteration; a mate found ends the deepening early.
    EXPECT_GE(outcome.Last.Depth, 1);
    EXPECT_EQ(outcome.Reports, outcome.Last.Depth);
    EXPECT_LT(outcome.Last.Score.CappedCentipawns(), -800) << outcome.Last.Score.Text().toStdString();
    EXPECT_GT(outcome.Last.Nodes, 0u);
    EXPECT_FALSE(outcome.Last.PvUci.isEmpty());
    EXPECT_TRUE(IsLegalUciMove(FromFen(BlackIsWinning), outcome.Best));
}

TEST(AnalysisService, AMatedOrImpossiblePositionIsNotSearched)
{
    TAnalysisService service;
    // Fool's mate: White is mated.
    Outcome mated = Search(service, FromFen("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3"), 10, 0);
    EXPECT_TRUE(mated.Best.isEmpty());
    EXPECT_EQ(mated.Last.Score.CappedCentipawns(), -1000);
    GameState kingless = FromFen(BackRankMate);
    kingless.Put(Square::G8, EmptySquare);
    Outcome none = Search(service, kingless, 10, 0);
    EXPECT_TRUE(none.Best.isEmpty());
    EXPECT_EQ(none.Last.Depth, 0);
}

TEST(AnalysisService, StopEndsTheSearchAtOnceAndNothingMoreArrives)
{
    TAnalysisService service;
    QSignalSpy reports(&service, &TAnalysisService::Report);
    QSignalSpy finished(&service, &TAnalysisService::Finished);
    TAnalysisRequest request;
    request.State = GameState::Initial();
    request.MaxDepth = 60;
    service.Start(request);
    ASSERT_TRUE(PumpUntil([&] { return reports.count() >= 3; }, 10000));
    service.Stop();
    EXPECT_FALSE(service.Searching());
    const std::uint64_t nodes = service.BuiltinNodes();
    const int seen = static_cast<int>(reports.count());
    PumpFor(1000);
    EXPECT_EQ(service.BuiltinNodes(), nodes);
    EXPECT_EQ(reports.count(), seen);
    EXPECT_EQ(finished.count(), 0);
}

TEST(AnalysisService, ABrokenEngineIsReportedOnceAndTheBuiltInEngineAnswers)
{
    FakeEngines fakes;
    for (const char* script : {"crash", "hang", "garbage", "illegal"}) {
        SCOPED_TRACE(script);
        TAnalysisService service;
        service.SetUciTimeLimits(ShortLimits());
        service.SetUciEngine(fakes.Path(script));
        QSignalSpy failures(&service, &TAnalysisService::EngineFailed);
        Outcome first = Search(service, FromFen(BackRankMate), 10, 3000, 200);
        EXPECT_EQ(first.Best, "a1a8");
        EXPECT_EQ(first.Last.EngineName, BuiltinEngineName());
        Outcome second = Search(service, FromFen(BlackMatesInOne), 10, 3000, 200);
        EXPECT_EQ(second.Best, "a8a1");
        ASSERT_EQ(failures.count(), 1);
        EXPECT_TRUE(failures.first().at(0).toString().contains(QString::fromUtf8("motor interno")));
        EXPECT_FALSE(service.UsingUci());
    }
}

TEST(AnalysisService, KestravinUciAnswersThroughTheService)
{
    TAnalysisService service;
    service.SetUciEngine(QStringLiteral(KESTRAVIN_UCI_PROGRAM));
    QSignalSpy failures(&service, &TAnalysisService::EngineFailed);
    Outcome outcome = Search(service, FromFen(BackRankMate), 4, 0);
    EXPECT_EQ(failures.count(), 0);
    EXPECT_TRUE(service.UsingUci());
    EXPECT_EQ(outcome.Best, "a1a8");
    EXPECT_EQ(outcome.Last.Score.Text(), "#1");
    EXPECT_NE(outcome.Last.EngineName, BuiltinEngineName());
}

TEST(AnalysisService, StockfishFindsTheMateAndScoresTheWonPosition)
{
    const QString stockfish = EngineChoice::FindInstalledStockfish();
    if (stockfish.isEmpty())
        GTEST_SKIP() << "stockfish is not installed";
    TAnalysisService service;
    service.SetUciEngine(stockfish);
    QSignalSpy failures(&service, &TAnalysisService::EngineFailed);
    Outcome mate = Search(service, FromFen(BlackMatesInOne), 10, 0, 500);
    EXPECT_EQ(mate.Best, "a8a1");
    EXPECT_EQ(mate.Last.Score.Text(), "#-1");
    Outcome won = Search(service, FromFen(BlackIsWinning), 12, 0);
    EXPECT_LT(won.Last.Score.CappedCentipawns(), -800);
    EXPECT_EQ(won.Last.Depth, 12);
    EXPECT_EQ(failures.count(), 0);
    EXPECT_TRUE(service.UsingUci());
}

TEST(GameReview, MarksTheMoveThatLosesTheQueen)
{
    // 1. e4 e5 2. Qh5 Nc6 3. Qxe5+?? Nxe5
    const QStringList moves{"e2e4", "e7e5", "d1h5", "b8c6", "h5e5", "c6e5", "g1f3", "e5f3"};
    std::vector<TReviewPosition> positions;
    GameState state = GameState::Initial();
    for (int i = 0; i <= moves.size(); ++i) {
        TReviewPosition position;
        position.State = state;
        position.MoveNumber = state.CurrentMove;
        position.WhiteToMove = state.WhiteToMove;
        if (i < moves.size()) {
            const QString& m = moves[i];
            position.From = static_cast<Square>(('8' - m[1].unicode()) * 8 + (m[0].unicode() - 'a') + 1);
            position.To = static_cast<Square>(('8' - m[3].unicode()) * 8 + (m[2].unicode() - 'a') + 1);
            ASSERT_EQ(PlayUciMoves(state, {m}), 1);
            // The move number grows after Black's move.
            if (state.WhiteToMove)
                ++state.CurrentMove;
        }
        positions.push_back(position);
    }
    TAnalysisService service;
    TGameReviewer reviewer(&service);
    reviewer.SetEffort(3, 100);
    QSignalSpy done(&reviewer, &TGameReviewer::Done);
    QSignalSpy progress(&reviewer, &TGameReviewer::Progress);
    reviewer.Start(positions);
    ASSERT_TRUE(PumpUntil([&] { return done.count() == 1; }, 60000));
    EXPECT_EQ(progress.last().at(0).toInt(), static_cast<int>(positions.size()));
    const auto review = done.first().at(0).value<TGameReview>();
    ASSERT_EQ(review.Moves.size(), moves.size());
    const TReviewedMove* queen = review.Find(3, true);
    ASSERT_NE(queen, nullptr);
    EXPECT_EQ(queen->From, Square::H5);
    EXPECT_EQ(queen->Mark, TMoveMark::Blunder);
    EXPECT_GE(queen->LossCp, 500);
    EXPECT_EQ(MarkNag(queen->Mark), 4);
    // The knight that takes the queen loses nothing.
    EXPECT_EQ(review.Find(3, false)->Mark, TMoveMark::None);
    // Nf3 hangs the knight: a mistake, but less than the queen.
    const auto worst = review.WorstMoves(3);
    ASSERT_FALSE(worst.empty());
    EXPECT_EQ(worst.front().From, Square::H5);
}

TEST(GameReview, MarksFollowTheThresholdsAndMatesAreCapped)
{
    EXPECT_EQ(MarkForLoss(49), TMoveMark::None);
    EXPECT_EQ(MarkForLoss(50), TMoveMark::Dubious);
    EXPECT_EQ(MarkForLoss(100), TMoveMark::Mistake);
    EXPECT_EQ(MarkForLoss(299), TMoveMark::Mistake);
    EXPECT_EQ(MarkForLoss(300), TMoveMark::Blunder);
    EXPECT_EQ(MarkText(TMoveMark::Dubious), "?!");
    EXPECT_EQ(MarkNag(TMoveMark::Dubious), 6);
    EXPECT_EQ(MarkNag(TMoveMark::Mistake), 2);
    // Black's move from -50 to +80 (White's side) loses 130 for Black.
    EXPECT_EQ(MoveLoss(false, -50, 80), 130);
    EXPECT_EQ(MoveLoss(true, -50, 80), 0);

    std::vector<TReviewPosition> positions(3);
    positions[0].From = Square::E2;
    positions[0].To = Square::E4;
    positions[1].WhiteToMove = false;
    positions[1].From = Square::E7;
    positions[1].To = Square::E5;
    // White mating becomes Black mating: the loss is twice the cap at most.
    const TGameReview review = BuildReview(positions, {100000, -100000, -100000});
    ASSERT_EQ(review.Moves.size(), 2u);
    EXPECT_EQ(review.Moves[0].LossCp, 2000);
    EXPECT_EQ(review.Moves[1].LossCp, 0);
}
