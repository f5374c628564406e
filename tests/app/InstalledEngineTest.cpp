// "Motor instalado": an installed UCI engine plays the computer's side at
// the chosen strength with the clocks passed on, and an engine that fails
// leaves the game to the program's own level with a word to the person.
#include "AppTestSupport.h"
#include "app/GameEnding.h"
#include "app/InstalledEngineOpponent.h"
#include "app/MoveListBox.h"
#include "app/NewGameDialog.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/Clock.h"
#include "enginehelp/EngineChoice.h"
#include "enginehelp/UciClient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include <gtest/gtest.h>

namespace {

// An engine that writes what it is told to a log and answers every search
// with the same move, after `delay` seconds.
QString WriteFixedEngine(const QTemporaryDir& dir, const QString& reply, const QString& delay = QStringLiteral("0"))
{
    const QString path = dir.filePath("fixed");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/bash\n"
                              "while read -r line; do\n"
                              "  echo \"$line\" >> '%1'\n"
                              "  case \"$line\" in\n"
                              "    uci) echo 'id name Fixed'\n"
                              "         echo 'option name UCI_LimitStrength type check default false'\n"
                              "         echo 'option name UCI_Elo type spin default 1320 min 1320 max 3190'\n"
                              "         echo uciok;;\n"
                              "    isready) echo readyok;;\n"
                              "    go*) sleep %3; echo 'bestmove %2';;\n"
                              "    quit) exit 0;;\n"
                              "  esac\n"
                              "done\n")
                   .arg(dir.filePath("log"), reply, delay)
                   .toUtf8());
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

QString WriteCrashingEngine(const QTemporaryDir& dir)
{
    const QString path = dir.filePath("crash");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/bash\n"
               "while read -r line; do\n"
               "  case \"$line\" in\n"
               "    uci) echo 'id name Crashy'; echo uciok;;\n"
               "    isready) echo readyok;;\n"
               "    go*) kill -SEGV $$;;\n"
               "  esac\n"
               "done\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

class InstalledEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void TearDown() override { form.hide(); }
    void StartAgainst(const QString& program, int elo, const char* control = nullptr)
    {
        NewGameChoices choices = form.CurrentChoices();
        choices.ComputerWhite = false;
        choices.ComputerBlack = true;
        choices.InstalledEngine = true;
        choices.EngineProgram = program;
        choices.EngineElo = elo;
        if (control != nullptr)
            choices.White = choices.Black = ParseTimeControl(control).value_or(TimeControl{});
        form.StartNewGame(choices);
    }
    int Lines() const { return form.ListBox1->count(); }
    QString Log() const
    {
        QFile file(dir.filePath("log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir;
    CapturedBoxes boxes;
    TForm2 form{nullptr, false};
};

} // namespace

TEST_F(InstalledEngine, PlaysTheComputersSideAtTheChosenStrengthWithTheClocks)
{
    // The board's own level would not answer 1. e4 with Nh6.
    StartAgainst(WriteFixedEngine(dir, "g8h6"), 1600, "180+2");
    ASSERT_TRUE(form.Engine->Active());
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    ASSERT_TRUE(PumpUntil([this] { return Lines() == 2; }, 20000)) << "the engine's move never came";
    EXPECT_EQ(form.ChessBoard1->State().At(Square::H6), 'n');
    const QString log = Log();
    EXPECT_TRUE(log.contains("setoption name UCI_LimitStrength value true")) << log.toStdString();
    EXPECT_TRUE(log.contains("setoption name UCI_Elo value 1600")) << log.toStdString();
    EXPECT_TRUE(log.contains("position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 moves e2e4"))
        << log.toStdString();
    EXPECT_TRUE(log.contains("go wtime 180000 winc 2000 btime 180000 binc 2000")) << log.toStdString();
    EXPECT_TRUE(boxes.errors.isEmpty());

    // The choice is remembered for the next start of the program.
    const NewGameChoices stored = form.CurrentChoices();
    EXPECT_TRUE(stored.InstalledEngine);
    EXPECT_EQ(stored.EngineElo, 1600);

    // Back to the program's levels: the board's search plays again.
    NewGameChoices own = stored;
    own.InstalledEngine = false;
    form.StartNewGame(own);
    EXPECT_FALSE(form.Engine->Active());
    EXPECT_FALSE(form.ChessBoard1->ComputerMovesFromOutside());
}

TEST_F(InstalledEngine, AnIllegalAnswerOrACrashLeavesTheGameToTheProgramsLevel)
{
    for (const QString& program :
         {WriteCrashingEngine(dir), WriteFixedEngine(dir, "a1a8"), dir.filePath("no-such-engine")}) {
        boxes.errors.clear();
        StartAgainst(program, 2000);
        ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
        ASSERT_TRUE(PumpUntil([this] { return Lines() == 2; }, 20000))
            << "the program's level did not take over from " << program.toStdString();
        EXPECT_FALSE(form.Engine->Active());
        ASSERT_EQ(boxes.errors.size(), 1) << program.toStdString();
        EXPECT_TRUE(boxes.errors.front().contains("continua a partida")) << boxes.errors.front().toStdString();
    }
}

TEST_F(InstalledEngine, AnAnswerArrivingWhenTheComputerNoLongerMovesIsNoFaultOfTheEngine)
{
    // The person takes the engine's side over while it thinks: its answer
    // is dropped, and it plays the side again once given it back.
    StartAgainst(WriteFixedEngine(dir, "e7e5", "0.6"), 1600, "180");
    ASSERT_TRUE(form.Engine->Active());
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    ASSERT_TRUE(PumpUntil([this] { return Log().contains("go "); }, 20000));
    form.Humano1->setChecked(true);
    PumpFor(1500);
    EXPECT_EQ(Lines(), 1);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_TRUE(form.Engine->Active());
    form.Computador1->setChecked(true);
    ASSERT_TRUE(PumpUntil([this] { return Lines() == 2; }, 20000)) << "the engine did not play again";
    EXPECT_EQ(form.ChessBoard1->State().At(Square::E5), 'p');

    // A pause while it thinks: its answer waits for "Continuar".
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::G1, Square::F3));
    ASSERT_TRUE(PumpUntil([this] { return Log().count("go ") == 3; }, 20000));
    ASSERT_TRUE(form.Ending->PauseAction()->isEnabled());
    form.Ending->PauseAction()->trigger();
    PumpFor(1500);
    EXPECT_EQ(Lines(), 3);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_TRUE(form.Engine->Active());
    EXPECT_TRUE(form.ChessBoard1->ComputerMovesFromOutside());
}

TEST_F(InstalledEngine, NoProgramFoundIsSaidAndTheLevelPlays)
{
    StartAgainst(QString(), 1500);
    EXPECT_FALSE(form.Engine->Active());
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.front().contains("stockfish"));
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    EXPECT_TRUE(PumpUntil([this] { return Lines() == 2; }, 20000));
}

TEST_F(InstalledEngine, DebiansStockfishPlaysAGameOfTenMovesAtTheWeakestStrength)
{
    const QString stockfish = EngineChoice::FindInstalledStockfish();
    if (stockfish.isEmpty())
        GTEST_SKIP() << "stockfish is not installed";
    // Computer against computer: stockfish has Black, the program's level White.
    StartAgainst(stockfish, 1350);
    form.Computador2->click();
    ASSERT_TRUE(PumpUntil([this] { return Lines() >= 20 || !form.ChessBoard1->HasLegalMove(); }, 120000))
        << "the game stopped after " << Lines() << " half-moves";
    EXPECT_TRUE(form.Engine->Active());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST(InstalledEngineClock, GivesBothSidesTimeBonusAndTheMovesToTheControl)
{
    ClockMs now = 0;
    GameClock clock([&now] { return now; });
    clock.Start(*ParseTimeControl("40/5400:1800"), *ParseTimeControl("300+3"), true);
    EXPECT_EQ(TInstalledEngineOpponent::GoArguments(clock), "wtime 5400000 btime 300000 binc 3000 movestogo 40");
    clock.MoveMade();
    clock.MoveMade();
    now += 1000;
    clock.MoveMade(); // White's second move took a second
    EXPECT_EQ(TInstalledEngineOpponent::GoArguments(clock), "wtime 5399000 btime 300000 binc 3000");
    now += 4000;
    EXPECT_EQ(TInstalledEngineOpponent::GoArguments(clock), "wtime 5399000 btime 296000 binc 3000");
}

TEST(NewGameDialogOpponent, OffersTheSevenLevelsAndTheEngineAndNamesEveryControl)
{
    NewGameChoices current;
    current.Level = FindPlayingLevel("Aprendiz");
    current.EngineProgram = "/usr/games/stockfish";
    current.EngineElo = 2100;
    NewGameDialog dialog(current);
    ASSERT_EQ(dialog.Level->count(), 7);
    EXPECT_EQ(dialog.Level->currentText(), "Aprendiz");
    EXPECT_EQ(dialog.Level->itemText(0), "Iniciante");
    EXPECT_EQ(dialog.Level->itemText(6), "Super Difícil");
    // The engine's fields wait until the engine is chosen.
    EXPECT_FALSE(dialog.EngineProgram->isEnabled());
    dialog.Opponent->setCurrentIndex(1);
    EXPECT_TRUE(dialog.EngineProgram->isEnabled());
    EXPECT_TRUE(dialog.EngineElo->isEnabled());
    dialog.Level->setCurrentIndex(0);
    const NewGameChoices chosen = dialog.Choices();
    EXPECT_EQ(chosen.Level, FindPlayingLevel("Iniciante"));
    EXPECT_TRUE(chosen.InstalledEngine);
    EXPECT_EQ(chosen.EngineProgram, "/usr/games/stockfish");
    EXPECT_EQ(chosen.EngineElo, 2100);
    // Every label with a mnemonic leads to its control, so that no "&" is
    // shown as it stands and Alt with the letter reaches the control.
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().contains(QRegularExpression("&[^&]"))) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
}
