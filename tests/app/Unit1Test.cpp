// The start screen: its layout, the hover colours and sounds, and each
// label's action, also when the sounds are missing.
#include "app/Unit1.h"
#include "AppTestSupport.h"
#include "app/HoverLabel.h"
#include "app/MoveListBox.h"
#include "app/SoundPlayer.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor TextColor(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

// A start screen whose sounds come from a folder of the test's own.
class StartScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        form1.SetSoundFolder(folder.path() + "/");
        form1.SetGameWindow(&form2);
        form1.SetAboutWindow(&about);
    }
    void InstallSounds()
    {
        ASSERT_TRUE(WriteFile(form1.HoverSoundFile(), WavBytes(50)));
        ASSERT_TRUE(WriteFile(form1.ClickSoundFile(), WavBytes(50)));
    }

    CapturedBoxes boxes;
    QTemporaryDir folder;
    TForm1 form1;
    TForm2 form2{nullptr, true};
    QWidget about;
};

} // namespace

TEST_F(StartScreen, LayoutAsDesigned)
{
    EXPECT_TRUE(form1.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form1.size(), QSize(632, 446));
    EXPECT_EQ(form1.pos(), QPoint(192, 114));
    EXPECT_EQ(form1.Image1->geometry(), QRect(0, 0, 640, 480));
    ASSERT_FALSE(form1.Image1->pixmap().isNull());
    EXPECT_EQ(form1.Image1->pixmap().size(), QSize(640, 480));

    const struct {
        HoverLabel* label;
        const char* caption;
        QPoint place;
    } labels[] = {{form1.Label1, "Novo Jogo", {168, 136}},
                  {form1.Label2, "Sobre", {232, 224}},
                  {form1.Label3, "Sair", {264, 328}}};
    for (const auto& [label, caption, place] : labels) {
        EXPECT_EQ(label->text(), caption);
        EXPECT_EQ(label->pos(), place);
        EXPECT_EQ(TextColor(label), QColor(0xC0, 0xC0, 0xC0));
        // Sized to its text and inside the window.
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_LE(label->geometry().right(), 632);
    }
    EXPECT_LE(form1.Label1->width(), 294 + 12);
}

TEST_F(StartScreen, HoverTurnsALabelRedWithTheHoverSoundAndLeavingTurnsItBack)
{
    InstallSounds();
    form1.Label1MouseEnter(form1.Label1);
    EXPECT_EQ(TextColor(form1.Label1), QColor(0xFF, 0, 0));
    EXPECT_EQ(form1.MediaPlayer1->FileName(), form1.HoverSoundFile());

    // Straight from one label onto the next.
    form1.Label1MouseLeave(form1.Label1);
    form1.Label2MouseEnter(form1.Label2);
    EXPECT_EQ(TextColor(form1.Label1), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(TextColor(form1.Label2), QColor(0xFF, 0, 0));
    form1.Label2MouseLeave(form1.Label2);
    EXPECT_EQ(TextColor(form1.Label2), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(StartScreen, RealPointerEventsReachTheHandlers)
{
    InstallSounds();
    form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    QWindow* window = form1.windowHandle();
    QTest::mouseMove(window, QPoint(5, 5));
    QTest::mouseMove(window, form1.Label3->geometry().center());
    EXPECT_TRUE(PumpUntil([&] { return TextColor(form1.Label3) == QColor(0xFF, 0, 0); }));
    QTest::mouseMove(window, QPoint(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return TextColor(form1.Label3) == QColor(0xC0, 0xC0, 0xC0); }));

    QTest::mouseClick(form1.Label1, Qt::LeftButton);
    EXPECT_TRUE(form2.isVisible());
    EXPECT_EQ(form1.MediaPlayer1->FileName(), form1.ClickSoundFile());
    form2.hide();
    form1.hide();
}

TEST_F(StartScreen, MissingSoundsAreReportedOnceAndTheActionsStillHappen)
{
    // No sound files at all: a broken installation.
    for (int pass = 0; pass < 3; ++pass) {
        form1.Label1MouseEnter(form1.Label1);
        form1.Label1MouseLeave(form1.Label1);
    }
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors[0].contains(form1.HoverSoundFile()));
    EXPECT_TRUE(boxes.errors[0].endsWith('.'));

    form1.Label1Click(form1.Label1);
    EXPECT_TRUE(form2.isVisible());
    ASSERT_EQ(boxes.errors.size(), 2);
    EXPECT_TRUE(boxes.errors[1].contains(form1.ClickSoundFile()));

    form1.Label2Click(form1.Label2);
    EXPECT_TRUE(about.isVisible());
    form1.Label3Click(form1.Label3);
    EXPECT_EQ(boxes.endRequests, 1);
    EXPECT_EQ(boxes.errors.size(), 2);
    form2.hide();
    about.hide();
}

TEST_F(StartScreen, NovoJogoShowsTheGameAsItStood)
{
    InstallSounds();
    form1.Label1Click(form1.Label1);
    ASSERT_TRUE(form2.isVisible());
    ASSERT_TRUE(form2.ChessBoard1->MakeMove(Square::E2, Square::E4));
    form2.Humano1->setChecked(true);
    form2.close();
    EXPECT_FALSE(form2.isVisible());

    form1.Label1Click(form1.Label1);
    EXPECT_TRUE(form2.isVisible());
    EXPECT_EQ(form2.ChessBoard1->PieceAt(Square::E4), 'P');
    EXPECT_EQ(form2.ListBox1->count(), 1);
    EXPECT_TRUE(form2.Humano1->isChecked());
    EXPECT_FALSE(form2.ChessBoard1->ComputerPlaysBlack());
    // Already visible: shown again, still one window, nothing reset.
    form1.Label1Click(form1.Label1);
    EXPECT_TRUE(form2.isVisible());
    EXPECT_EQ(form2.ListBox1->count(), 1);
    form2.hide();
}

TEST_F(StartScreen, ClosingTheStartScreenEndsTheProgram)
{
    form1.show();
    form1.close();
    EXPECT_EQ(boxes.endRequests, 1);
}

TEST_F(StartScreen, TheKeyboardReachesAndChoosesEachWordAndTheLookWaitsForAKey)
{
    InstallSounds();
    form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    form1.activateWindow();
    PumpUntil([&] { return form1.isActiveWindow(); }, 5000);
    const QColor normal(0xC0, 0xC0, 0xC0), red(0xFF, 0, 0);
    // Shown and focused, but no key yet: the screen looks as always.
    const QImage untouched = form1.grab().toImage();
    for (HoverLabel* label : {form1.Label1, form1.Label2, form1.Label3})
        EXPECT_EQ(TextColor(label), normal);
    // A click gives no focus, so the pointer alone never leaves a word lit.
    EXPECT_EQ(form1.Label1->focusPolicy(), Qt::TabFocus);

    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, form1.Label1);
    QTest::keyClick(focused, Qt::Key_Tab);
    PumpFor(20);
    EXPECT_EQ(QApplication::focusWidget(), form1.Label2);
    EXPECT_EQ(TextColor(form1.Label2), red);
    EXPECT_EQ(TextColor(form1.Label1), normal);
    EXPECT_EQ(form1.MediaPlayer1->FileName(), form1.HoverSoundFile());
    // The arrows go on, round the three words.
    QTest::keyClick(form1.Label2, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), form1.Label3);
    QTest::keyClick(form1.Label3, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), form1.Label1);
    QTest::keyClick(form1.Label1, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), form1.Label3);
    QTest::keyClick(form1.Label3, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), form1.Label2);
    EXPECT_EQ(TextColor(form1.Label2), red);
    EXPECT_EQ(TextColor(form1.Label3), normal);

    // The pointer leaving the focused word leaves it lit.
    form1.Label2MouseEnter(form1.Label2);
    form1.Label2MouseLeave(form1.Label2);
    EXPECT_EQ(TextColor(form1.Label2), red);

    // Space chooses "Sobre", Enter "Novo Jogo", Enter "Sair".
    QTest::keyClick(form1.Label2, Qt::Key_Space);
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(form1.MediaPlayer1->FileName(), form1.ClickSoundFile());
    form1.activateWindow();
    form1.Label1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form1.Label1, Qt::Key_Return);
    EXPECT_TRUE(form2.isVisible());
    form1.Label3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form1.Label3, Qt::Key_Enter);
    EXPECT_EQ(boxes.endRequests, 1);
    form2.hide();
    about.hide();

    // A fresh screen looks exactly like the untouched one.
    TForm1 fresh;
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    EXPECT_EQ(fresh.grab().toImage(), untouched);
    form1.hide();
}

TEST(HoverLabel, ScreenReadersSeeAPushButtonWithAPressAction)
{
    HoverLabel label(QStringLiteral("Novo Jogo"));
    int clicks = 0;
    QObject::connect(&label, &HoverLabel::Clicked, [&] { ++clicks; });
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), "Novo Jogo");
    EXPECT_TRUE(face->state().focusable);
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST(HoverLabel, AClickIsAPressAndReleaseOverTheLabel)
{
    HoverLabel label(QStringLiteral("Sair"));
    label.resize(100, 40);
    int clicks = 0;
    QObject::connect(&label, &HoverLabel::Clicked, [&clicks] { ++clicks; });

    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    // Released away from the label: no click, as with a button.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_EQ(clicks, 1);
    // The right button does not click.
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}
