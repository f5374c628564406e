// The UCI client against the program's own kestravin-uci and against engines
// that hang, crash or print garbage: every failure is reported once, in
// Portuguese, and no process is left behind.
#include "EventPump.h"
#include "FakeEngines.h"

#include "core/Fen.h"
#include "enginehelp/MoveLine.h"
#include "enginehelp/UciClient.h"
#include "enginehelp/UciInfo.h"

#include <QFileInfo>

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr const char* StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

TUciClient::TimeLimits ShortLimits()
{
    TUciClient::TimeLimits limits;
    limits.HandshakeMs = 1500;
    limits.StopMs = 800;
    limits.QuitGraceMs = 300;
    return limits;
}

} // namespace

TEST(UciInfoParsing, ReadsDepthScoresNodesSpeedAndLine)
{
    TUciInfo info;
    ASSERT_TRUE(ParseUciInfo(u"info depth 12 seldepth 18 multipv 1 score cp -35 nodes 123456 nps 987654 "
                             u"hashfull 3 tbhits 0 time 125 pv e2e4 e7e5 g1f3",
                             info));
    EXPECT_EQ(info.Depth, 12);
    EXPECT_EQ(info.SelDepth, 18);
    EXPECT_TRUE(info.HasScore);
    EXPECT_FALSE(info.Mate);
    EXPECT_EQ(info.Score, -35);
    EXPECT_EQ(info.Nodes, 123456);
    EXPECT_EQ(info.Nps, 987654);
    EXPECT_EQ(info.TimeMs, 125);
    EXPECT_EQ(info.Pv, QStringList({"e2e4", "e7e5", "g1f3"}));

    ASSERT_TRUE(ParseUciInfo(u"info depth 5 score mate -2 upperbound pv h7h8q", info));
    EXPECT_TRUE(info.Mate);
    EXPECT_EQ(info.Score, -2);
    EXPECT_TRUE(info.Bound);
    EXPECT_EQ(info.Pv, QStringList({"h7h8q"}));

    EXPECT_FALSE(ParseUciInfo(u"info string NNUE evaluation enabled", info));
    EXPECT_FALSE(ParseUciInfo(u"bestmove e2e4", info));
    EXPECT_FALSE(ParseUciInfo(u"info depth x score cp 3", info));
    EXPECT_FALSE(ParseUciInfo(u"info depth 3 score furlongs 3", info));

    QString move;
    QString ponder;
    ASSERT_TRUE(ParseUciBestMove(u"bestmove e7e8q ponder a2a1", move, ponder));
    EXPECT_EQ(move, "e7e8q");
    EXPECT_EQ(ponder, "a2a1");
    EXPECT_FALSE(IsUciMoveText(u"e7e8k"));
    EXPECT_FALSE(IsUciMoveText(u"i2e4"));
    EXPECT_TRUE(IsUciMoveText(u"h1a8"));
}

TEST(UciClient, SearchesWithKestravinUciAndQuitsCleanly)
{
    TUciClient client;
    client.SetTimeLimits(ShortLimits());
    QSignalSpy ready(&client, &TUciClient::Ready);
    QSignalSpy infos(&client, &TUciClient::Info);
    QSignalSpy best(&client, &TUciClient::BestMove);
    QSignalSpy failed(&client, &TUciClient::Failed);
    QSignalSpy ended(&client, &TUciClient::Ended);
    client.Start(QStringLiteral(KESTRAVIN_UCI_PROGRAM));
    // The search is asked for at once; it goes out after the handshake.
    client.Go(QString::fromLatin1(StartFen), {"e2e4"}, QStringLiteral("depth 4"));
    ASSERT_TRUE(PumpUntil([&] { return best.count() == 1; }, 20000));
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(failed.count(), 0);
    EXPECT_FALSE(client.EngineName().isEmpty());
    ASSERT_GE(infos.count(), 4);
    const auto last = infos.last().at(0).value<TUciInfo>();
    EXPECT_EQ(last.Depth, 4);
    EXPECT_TRUE(last.HasScore);
    EXPECT_FALSE(last.Pv.isEmpty());
    const QString move = best.first().at(0).toString();
    // Black answers 1. e4: a black piece's move from rank 7 or 8.
    ASSERT_TRUE(IsUciMoveText(move)) << move.toStdString();
    EXPECT_TRUE(move[1] == QLatin1Char('7') || move[1] == QLatin1Char('8')) << move.toStdString();
    EXPECT_EQ(client.CurrentState(), TUciClient::State::Ready);

    // An endless search stops on request and still answers.
    client.Go(QString::fromLatin1(StartFen), {}, QStringLiteral("infinite"));
    PumpFor(200);
    client.Stop();
    ASSERT_TRUE(PumpUntil([&] { return best.count() == 2; }, 5000));
    EXPECT_EQ(failed.count(), 0);

    const qint64 pid = client.ProcessId();
    client.Quit();
    ASSERT_TRUE(PumpUntil([&] { return ended.count() == 1; }, 5000));
    EXPECT_FALSE(client.Running());
    EXPECT_TRUE(ProcessGoneAndReaped(pid));
    EXPECT_EQ(failed.count(), 0);
}

TEST(UciClient, Chess960SearchesTurnTheEngineOptionOnAndCastleKingTakesRook)
{
    // Mate in one by castling queen side from b1 (the rook a1 goes to d1);
    // the castling is written b1a1 once UCI_Chess960 is on.
    FenPosition position;
    std::string error;
    ASSERT_TRUE(ReadFen("2rkr3/2p1p3/8/8/8/8/8/RK6 w Q - 0 1", position, error, true)) << error;
    QStringList engines{QStringLiteral(KESTRAVIN_UCI_PROGRAM)};
    if (QFileInfo::exists(QStringLiteral("/usr/games/stockfish")))
        engines << QStringLiteral("/usr/games/stockfish");
    for (const QString& program : engines) {
        TUciClient client;
        client.SetTimeLimits(ShortLimits());
        QSignalSpy best(&client, &TUciClient::BestMove);
        QSignalSpy failed(&client, &TUciClient::Failed);
        client.Start(program);
        client.SetChess960(true);
        client.Go(StateToFen(position.State), {}, QStringLiteral("depth 3"));
        ASSERT_TRUE(PumpUntil([&] { return best.count() == 1; }, 20000)) << program.toStdString();
        const QString move = best.first().at(0).toString();
        EXPECT_EQ(move, QStringLiteral("b1a1")) << program.toStdString();
        EXPECT_TRUE(IsLegalUciMove(position.State, move));
        EXPECT_EQ(MoveLineText(position.State, {move}, TMoveNotation::Algebraic), QStringLiteral("1. O-O-O#"));
        // A standard search after it turns the option off again: the
        // standard castling e1g1 is then a move the engine takes.
        client.SetChess960(false);
        client.Go(QStringLiteral("r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq - 0 1"), {"e1g1"},
                  QStringLiteral("depth 2"));
        ASSERT_TRUE(PumpUntil([&] { return best.count() == 2; }, 20000));
        const QString answer = best.at(1).at(0).toString();
        // Black answers: a move from rank 7 or 8.
        EXPECT_TRUE(answer[1] == QLatin1Char('7') || answer[1] == QLatin1Char('8')) << answer.toStdString();
        EXPECT_EQ(failed.count(), 0);
        client.Quit();
        PumpUntil([&] { return !client.Running(); }, 5000);
    }
}

TEST(UciClient, ANewSearchReplacesTheRunningOneAndOnlyItsAnswerArrives)
{
    TUciClient client;
    client.SetTimeLimits(ShortLimits());
    QSignalSpy best(&client, &TUciClient::BestMove);
    client.Start(QStringLiteral(KESTRAVIN_UCI_PROGRAM));
    client.Go(QString::fromLatin1(StartFen), {}, QStringLiteral("infinite"));
    PumpFor(300);
    // Only Black can answer this position: the answer is the second search's.
    client.Go(QString::fromLatin1(StartFen), {"d2d4"}, QStringLiteral("depth 2"));
    ASSERT_TRUE(PumpUntil([&] { return best.count() >= 1; }, 10000));
    PumpFor(300);
    ASSERT_EQ(best.count(), 1);
    const QString move = best.first().at(0).toString();
    EXPECT_TRUE(move[1] == QLatin1Char('7') || move[1] == QLatin1Char('8')) << move.toStdString();
}

struct Misbehaviour {
    const char* Script;
    const char* Expected; // a word of the message
    bool Search;          // the failure shows only once a search is asked for
};

class MisbehavingEngine : public ::testing::TestWithParam<Misbehaviour> {};

TEST_P(MisbehavingEngine, IsReportedOnceAndLeavesNoProcess)
{
    FakeEngines fakes;
    const Misbehaviour& m = GetParam();
    TUciClient client;
    client.SetTimeLimits(ShortLimits());
    QSignalSpy failed(&client, &TUciClient::Failed);
    QSignalSpy ended(&client, &TUciClient::Ended);
    QSignalSpy best(&client, &TUciClient::BestMove);
    client.Start(fakes.Path(m.Script));
    const qint64 pid = client.ProcessId();
    if (m.Search) {
        client.Go(QString::fromLatin1(StartFen), {}, QStringLiteral("movetime 100"), 100);
        client.Stop();
        client.Go(QString::fromLatin1(StartFen), {}, QStringLiteral("movetime 100"), 100);
    }
    ASSERT_TRUE(PumpUntil([&] { return failed.count() >= 1 && ended.count() >= 1; }, 8000));
    PumpFor(300);
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(best.count(), 0);
    const QString message = failed.first().at(0).toString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(m.Expected))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromLatin1(m.Script))) << message.toStdString();
    EXPECT_EQ(client.CurrentState(), TUciClient::State::Failed);
    EXPECT_FALSE(client.Running());
    EXPECT_TRUE(ProcessGoneAndReaped(pid));
}

INSTANTIATE_TEST_SUITE_P(Fakes, MisbehavingEngine,
                         ::testing::Values(Misbehaviour{"hang", "não respondeu", false},
                                           Misbehaviour{"crash", "terminou de repente", true},
                                           Misbehaviour{"garbage", "incompreensível", false},
                                           Misbehaviour{"deaf", "não respondeu", true}),
                         [](const auto& param) { return std::string(param.param.Script); });

TEST(UciClient, AProgramThatDoesNotExistIsReportedOnce)
{
    TUciClient client;
    QSignalSpy failed(&client, &TUciClient::Failed);
    client.Start(QStringLiteral("/nonexistent/engine-program"));
    ASSERT_TRUE(PumpUntil([&] { return failed.count() >= 1; }, 5000));
    PumpFor(200);
    EXPECT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.first().at(0).toString().contains(QString::fromUtf8("Não foi possível iniciar")));
}

TEST(UciClient, DestroyingARunningClientEndsItsEngine)
{
    FakeEngines fakes;
    qint64 pid = 0;
    {
        TUciClient client;
        client.Start(fakes.Path("hang"));
        ASSERT_TRUE(PumpUntil([&] { return client.Running(); }, 5000));
        pid = client.ProcessId();
        ASSERT_GT(pid, 0);
    }
    EXPECT_TRUE(ProcessGoneAndReaped(pid));
}
