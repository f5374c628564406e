// "Opções › Som de pouco tempo" on clocks driven by hand: off, nothing is
// asked for; on, one sound each time a person's running clock passes ten
// seconds, none for the computer's clock, none for time given back by a
// take-back or a redo, and a sound file that cannot be played is silent.
#include "app/LowTimeSound.h"
#include "AppTestSupport.h"
#include "app/GameClocks.h"
#include "app/GameEnding.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

class LowTimeSoundTest : public ::testing::Test {
protected:
    LowTimeSoundTest()
    {
        form.Clocks->SetTimeSource([this] { return now; });
        form.LowTime->SetPlay([this] { ++requests; });
    }
    void Settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void StartGame(const char* control, bool computerBlack = false)
    {
        NewGameChoices choices;
        choices.ComputerWhite = false;
        choices.ComputerBlack = computerBlack;
        choices.White = choices.Black = ParseTimeControl(control).value_or(TimeControl{});
        form.StartNewGame(choices);
        Settle();
    }
    void Play(Square from, Square to, ClockMs thinking = 0)
    {
        now += thinking;
        ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to)) << Ord(from) << "-" << Ord(to);
        Settle();
    }
    // The clock's time passes and the window's timer looks at it.
    void Wait(ClockMs ms)
    {
        now += ms;
        form.Clocks->Tick();
        Settle();
    }
    ClockMs Left(bool white) const { return form.Clocks->Clock().Remaining(white); }

    ClockMs now = 1'000'000;
    int requests = 0;
    TForm2 form{nullptr, true};
};

TEST_F(LowTimeSoundTest, OffAtFirstBesideTheGamesOptionsAndThenSilent)
{
    QAction* option = form.LowTime->Switch();
    EXPECT_EQ(option->text(), "Som de pouco tempo");
    EXPECT_FALSE(option->isChecked());
    const QList<QAction*> options = form.Opcoes1->actions();
    ASSERT_TRUE(options.contains(option));
    EXPECT_EQ(options.indexOf(option), options.indexOf(form.Ending->ThreefoldOnClaimAction()) + 1);

    StartGame("15");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    Wait(6000);
    ASSERT_EQ(Left(true), 9000);
    EXPECT_EQ(requests, 0);
}

TEST_F(LowTimeSoundTest, OnEachPersonsClockSoundsOnceAsItPassesTenSecondsAndIsRemembered)
{
    form.LowTime->Switch()->trigger();
    EXPECT_TRUE(QSettings(TForm2::SettingsOrganisation(), TForm2::SettingsApplication())
                    .value("Opcoes/SomDePoucoTempo")
                    .toBool());
    StartGame("15");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    Wait(4000);
    EXPECT_EQ(requests, 0) << "11 s left";
    Wait(1000);
    EXPECT_EQ(requests, 1) << "exactly 10 s left";
    Wait(500);
    Wait(500);
    EXPECT_EQ(requests, 1) << "still below";
    Play(Square::G1, Square::F3);
    // Between people, Black's clock is a person's too.
    Wait(5500);
    EXPECT_EQ(requests, 2);
    Wait(3000);
    EXPECT_EQ(requests, 2);

    // Remembered: a new window has it on.
    TForm2 again(nullptr, true);
    EXPECT_TRUE(again.LowTime->Switch()->isChecked());
}

TEST_F(LowTimeSoundTest, TheComputersClockMakesNoSound)
{
    form.LowTime->Switch()->setChecked(true);
    StartGame("15", true);
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    Play(Square::G1, Square::F3, 1000);
    Wait(7000);
    ASSERT_LT(Left(false), 10000);
    EXPECT_EQ(requests, 0);
    Play(Square::B8, Square::C6);
    Wait(5000);
    ASSERT_LT(Left(true), 10000);
    EXPECT_EQ(requests, 1);
}

TEST_F(LowTimeSoundTest, TimeGivenBackIsNoPassingButPassingAgainSoundsAgain)
{
    form.LowTime->Switch()->setChecked(true);
    StartGame("20");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    Play(Square::G1, Square::F3, 5000); // White 15 s
    Wait(11000);                        // Black 9 s
    ASSERT_EQ(requests, 1);
    Play(Square::B8, Square::C6);
    Play(Square::F1, Square::C4, 1000); // White 14 s; Black to move with 9 s

    // Back to Black's move before it passed: 20 s, no sound.
    form.VoltarLance1->trigger();
    form.VoltarLance1->trigger();
    Settle();
    ASSERT_EQ(Left(false), 20000);
    Wait(1000);
    EXPECT_EQ(requests, 1);
    // Redone: Black has 9 s again, given back rather than run down.
    form.RefazerLance1->trigger();
    form.RefazerLance1->trigger();
    Settle();
    ASSERT_FALSE(form.Clocks->Clock().WhiteToMove());
    ASSERT_EQ(Left(false), 9000);
    Wait(500);
    EXPECT_EQ(requests, 1);

    // Taken back once more, Black's clock runs down through ten seconds
    // again: that is a new passing.
    form.VoltarLance1->trigger();
    form.VoltarLance1->trigger();
    Settle();
    Wait(9000);
    EXPECT_EQ(requests, 1);
    Wait(2000);
    EXPECT_EQ(requests, 2);
}

TEST_F(LowTimeSoundTest, ASoundFileThatCannotBePlayedIsSilent)
{
    CapturedBoxes boxes;
    form.LowTime->SetPlay({});
    form.LowTime->SetSoundFile(QStringLiteral("/nonexistent/FX/lowtime.wav"));
    form.LowTime->Switch()->setChecked(true);
    StartGame("12");
    Play(Square::E2, Square::E4);
    Play(Square::E7, Square::E5);
    Wait(3000);
    Wait(3000);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(" | ").toStdString();
    EXPECT_LT(Left(true), 10000);
    EXPECT_FALSE(form.Ending->Over());
}

} // namespace
