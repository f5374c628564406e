// Application-wide services of the windows.
#include "app/Application.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
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

void ShowMessageWithCopy(const QString& text, const QString& copyButton, const QString& copied)
{
    if (MessageSink()) {
        MessageSink()(text);
        return;
    }
    QMessageBox* box = CreateMessageBox(text, QApplication::activeWindow());
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* copy = box->addButton(copyButton, QMessageBox::ActionRole);
    // The box stays open after a copy, so that the person may read on.
    copy->disconnect();
    QObject::connect(copy, &QPushButton::clicked, box, [copied] { QApplication::clipboard()->setText(copied); });
    box->exec();
    delete box;
}

int WidthForTitle(const QWidget* window, const QString& title)
{
    // Half as wide again as the window's own face, and 160 pixels for the
    // bar's icon, buttons and margins.
    return QFontMetrics(window->font()).horizontalAdvance(title) * 3 / 2 + 160;
}

QMessageBox* CreateMessageBox(const QString& text, QWidget* parent)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent);
    // A box as narrow as a short text ("Cheque Mate!") would leave the
    // title bar too little room, and the title would be cut ("K… 5"). The
    // box sizes itself from its layout, so the width goes there.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(
            new QSpacerItem(WidthForTitle(box, ApplicationTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    return box;
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
