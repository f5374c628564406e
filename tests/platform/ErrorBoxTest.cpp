// The standard error box: its text rule, the guarded handler and the box.
#include "platform/ErrorBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Captures what the box would show while a test runs.
class CapturedErrors {
public:
    CapturedErrors()
    {
        SetErrorBoxSink([this](const QString& text) { shown.append(text); });
    }
    ~CapturedErrors() { SetErrorBoxSink({}); }
    QStringList shown;
};

} // namespace

TEST(ErrorBoxText, AddsAFullStopOnlyWhenMissing)
{
    EXPECT_EQ(ErrorBoxText("Text exceeds memo capacity"), "Text exceeds memo capacity.");
    EXPECT_EQ(ErrorBoxText("Resource not found."), "Resource not found.");
    EXPECT_EQ(ErrorBoxText("Cannot open file \"/x\". No such file or directory \n"),
              "Cannot open file \"/x\". No such file or directory.");
    EXPECT_EQ(ErrorBoxText("Cheque!"), "Cheque!.");
    EXPECT_EQ(ErrorBoxText(""), "");
    EXPECT_EQ(ErrorBoxText("Peça inválida"), "Peça inválida.");
}

TEST(RunGuarded, ShowsAnEscapingErrorAndEndsTheHandler)
{
    CapturedErrors errors;
    bool reachedEnd = false;
    const bool ok = RunGuarded([&] {
        throw std::runtime_error("There is no default printer currently selected");
        reachedEnd = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(reachedEnd);
    EXPECT_EQ(errors.shown, QStringList{"There is no default printer currently selected."});
}

TEST(RunGuarded, ShowsNothingWhenTheHandlerSucceeds)
{
    CapturedErrors errors;
    int runs = 0;
    EXPECT_TRUE(RunGuarded([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(errors.shown.isEmpty());
}

TEST(RunGuarded, ShowsAnExceptionThatIsNoStandardOne)
{
    CapturedErrors errors;
    EXPECT_FALSE(RunGuarded([] { throw 42; }));
    ASSERT_EQ(errors.shown.size(), 1);
    EXPECT_FALSE(errors.shown.front().isEmpty());
}

TEST(ShowErrorBox, ShowsAModalErrorBoxWithTheTitleAndOneButton)
{
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        box->button(QMessageBox::Ok)->click();
    });
    ShowErrorBox("Printer selected is not valid");
    EXPECT_EQ(caption, "Kestravin 2005");
    EXPECT_EQ(text, "Printer selected is not valid.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons.size(), 1);
}
