// Application-wide services of the windows.
#include "app/Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

std::function<void(const QString&)>& MessageSink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}

std::function<void()>& EndSink()
{
    static std::function<void()> sink;
    return sink;
}

} // namespace

void InitApplicationResources()
{
    // The pictures are compiled into the static library; its resource
    // initialiser is only linked in when something refers to it.
    static const bool registered = [] {
        Q_INIT_RESOURCE(app);
        return true;
    }();
    (void)registered;
}

QString ApplicationTitle()
{
    return QStringLiteral("Kestravin 2005");
}

void ShowMessage(const QString& text)
{
    if (MessageSink()) {
        MessageSink()(text);
        return;
    }
    QMessageBox* box = CreateMessageBox(text, QApplication::activeWindow());
    box->exec();
    delete box;
}

QMessageBox* CreateMessageBox(const QString& text, QWidget* parent)
{
    return new QMessageBox(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent);
}

void SetMessageSink(std::function<void(const QString&)> sink)
{
    MessageSink() = std::move(sink);
}

void EndApplication()
{
    if (EndSink()) {
        EndSink()();
        return;
    }
    QApplication::quit();
}

void SetEndApplicationSink(std::function<void()> sink)
{
    EndSink() = std::move(sink);
}

void ShowWindow(QWidget* window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}
