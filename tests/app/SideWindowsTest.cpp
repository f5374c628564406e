// The online play window and the about box, and what the three side windows
// share: caption, fixed size, closing that only hides.
#include "WindowTestHelpers.h"
#include "app/Application.h"
#include "app/HoverLabel.h"
#include "app/Unit4.h"
#include "app/Unit6.h"
#include "app/Unit8.h"
#include "platform/DataPaths.h"
#include "platform/ShellOpen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include <vector>

namespace {

void ExpectSideWindow(QWidget& window, const QString& caption, QSize client)
{
    EXPECT_EQ(window.windowTitle(), caption);
    EXPECT_EQ(window.size(), client);
    EXPECT_EQ(window.minimumSize(), client);
    EXPECT_EQ(window.maximumSize(), client);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.testAttribute(Qt::WA_QuitOnClose));
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(window.isHidden());
}

} // namespace

TEST(SideWindows, HaveTheirCaptionAndSizeAndOnlyHideWhenClosed)
{
    TForm4 player;
    ExpectSideWindow(player, "Media Player", QSize(274, 115));
    EXPECT_EQ(player.pos(), QPoint(192, 114));
    TForm8 about;
    ExpectSideWindow(about, "Sobre o Kestravin 2005", QSize(450, 207));
    EXPECT_EQ(about.pos(), QPoint(192, 114));
}

TEST(SideWindows, ShowTheirPictures)
{
    TForm4 player;
    TForm8 about;
    EXPECT_EQ(player.Image1->pixmap().size(), QSize(274, 116));
    EXPECT_EQ(about.Image1->pixmap().size(), QSize(450, 209));
}

TEST(OnlineWindow, PointsItsViewAtTheSiteOnEveryShowing)
{
    TForm6 online;
    EXPECT_EQ(online.WebBrowser1(), nullptr); // no browser engine until it is needed
    online.show();
    QWebEngineView* view = online.WebBrowser1();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 792, 566));
    // Whether the page itself loads depends on the network; the address is what counts.
    auto showsSite = [&] { return view->url() == TForm6::OnlineSite(); };
    EXPECT_TRUE(PumpUntil(showsSite, 30000)) << view->url().toString().toStdString();

    view->setUrl(QUrl("about:blank"));
    ASSERT_TRUE(PumpUntil([&] { return view->url() == QUrl("about:blank"); }, 30000));
    online.close();
    online.show();
    EXPECT_EQ(online.WebBrowser1(), view); // the same view, loaded anew
    EXPECT_TRUE(PumpUntil(showsSite, 30000)) << view->url().toString().toStdString();
    EXPECT_EQ(TForm6::OnlineSite().scheme(), "https");
    online.close();
}

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetShellOpenSink([this](const QUrl& url) { opened.push_back(url); });
        SetMessageSink([this](const QString& text) { messages << text; });
    }
    void TearDown() override
    {
        SetShellOpenSink({});
        SetMessageSink({});
    }
    std::vector<QUrl> opened;
    QStringList messages;
    TForm8 about;
};

TEST_F(AboutWindowTest, ClickingTheAddressesAsksTheDesktopToOpenThem)
{
    TForm8 box{QStringLiteral("xadrez@kestravin.org"), QUrl(QStringLiteral("https://kestravin.org/"))};
    box.show();
    Click(box.Label6);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].scheme(), "mailto");
    EXPECT_EQ(opened[0].path(), "xadrez@kestravin.org");
    EXPECT_EQ(box.Label6->text(), "xadrez@kestravin.org");

    Click(box.Label7);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl("https://kestravin.org/"));
    EXPECT_EQ(QUrl(box.Label7->text()), QUrl("https://kestravin.org/"));
    EXPECT_EQ(box.Label6->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.Label7->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(AboutWindowTest, WithoutAddressesOffersTheUserGuideAndNoMailLink)
{
    // The help documents are looked up from the current folder first.
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("DOC"));
    QFile guide(folder.filePath(TForm8::UserGuideDocument()));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.close();
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    TForm8 box{QString(), QUrl()};
    QDir::setCurrent(previous);
    box.show();

    Click(box.Label6);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(box.Label6->text(), "não informado");
    EXPECT_FALSE(box.Label6->testAttribute(Qt::WA_SetCursor));
    EXPECT_NE(box.Label6->cursor().shape(), Qt::PointingHandCursor);

    Click(box.Label7);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QFileInfo(guide).absoluteFilePath()));
    EXPECT_EQ(box.Label7->text(), "Guia: regras do xadrez e como jogar");
    EXPECT_EQ(box.Label7->cursor().shape(), Qt::PointingHandCursor);
    // Where the addresses were, in their colour and font.
    EXPECT_EQ(box.Label6->pos(), QPoint(80, 72));
    EXPECT_EQ(box.Label7->pos(), QPoint(80, 88));
    EXPECT_TRUE(box.Label7->font().bold());
    EXPECT_EQ(box.Label7->palette().color(QPalette::WindowText), QColor("#0000FF"));
}

TEST_F(AboutWindowTest, WithoutAWebSiteOrAGuideNeitherLineIsALink)
{
    QTemporaryDir empty;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(empty.path()));
    TForm8 box{QString(), QUrl()};
    QDir::setCurrent(previous);
    if (!FindHelpDocument(TForm8::UserGuideDocument()).isEmpty())
        GTEST_SKIP() << "a user guide is installed on this machine";
    box.show();
    Click(box.Label6);
    Click(box.Label7);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(box.Label7->text(), "não informado");
    EXPECT_FALSE(box.Label7->testAttribute(Qt::WA_SetCursor));
}

TEST_F(AboutWindowTest, ShowsTheAddressesTheProgramWasBuiltWith)
{
    // Built without addresses (the default), the box falls back as above;
    // a build that names them shows them.
    if (TForm8::ContactEmail().isEmpty())
        EXPECT_EQ(about.Label6->text(), "não informado");
    else
        EXPECT_EQ(about.Label6->text(), TForm8::ContactEmail());
    if (TForm8::WebSite().isEmpty()) {
        EXPECT_TRUE(about.WebSiteLink().isEmpty() || about.WebSiteLink().isLocalFile())
            << about.WebSiteLink().toString().toStdString();
    } else {
        EXPECT_EQ(about.WebSiteLink(), TForm8::WebSite());
        EXPECT_EQ(QUrl(about.Label7->text()), TForm8::WebSite());
    }
}

TEST_F(AboutWindowTest, ClickingThePictureShowsTheCreditLine)
{
    about.show();
    Click(about.Image1);
    EXPECT_EQ(messages, QStringList{TForm8::CreditLine()});
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutWindowTest, LaysOutItsLabels)
{
    EXPECT_EQ(about.Label4->text(), "E-mail:");
    EXPECT_EQ(about.Label4->pos(), QPoint(24, 72));
    EXPECT_EQ(about.Label5->text(), "Website:");
    EXPECT_EQ(about.Label5->pos(), QPoint(24, 88));
    EXPECT_EQ(about.Label6->pos(), QPoint(80, 72));
    EXPECT_EQ(about.Label7->pos(), QPoint(80, 88));
    EXPECT_TRUE(about.Label6->font().bold());
    EXPECT_EQ(about.Label6->palette().color(QPalette::WindowText), QColor("#0000FF"));
    EXPECT_EQ(about.Label4->palette().color(QPalette::WindowText), QColor("#C0C0C0"));
}
