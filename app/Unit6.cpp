// TForm6, the online play window (see Unit6.h).
#include "app/Unit6.h"

#include "app/SideWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWebEngineView>

#include <cstdlib>
#include <unistd.h>

namespace {

// The browser engine reads its settings from the environment when it starts,
// on the first view. Chromium refuses to run as root with its sandbox on,
// and on machines without a GPU (virtual displays) it must not try to use
// one. Settings the user made are kept.
void PrepareBrowserEngine()
{
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking --disable-component-update", 0);
}

} // namespace

TForm6::TForm6(QWidget* parent) : QWidget(parent)
{
    SetUpSideWindow(this, tr("Jogo Online"), QSize(792, 566));
    // Centred on the desktop.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(0, 0), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

QUrl TForm6::OnlineSite()
{
    return QUrl(QStringLiteral("https://lichess.org/"));
}

void TForm6::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm6::FormShow()
{
    if (!WebBrowser1_) {
        PrepareBrowserEngine();
        WebBrowser1_ = new QWebEngineView(this);
        WebBrowser1_->setGeometry(rect());
        WebBrowser1_->show();
    }
    WebBrowser1_->load(OnlineSite());
}
