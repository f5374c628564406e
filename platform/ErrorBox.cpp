// The application's standard error box (see ErrorBox.h).
#include "platform/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace {

std::function<void(const QString&)>& Sink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}

} // namespace

QString ErrorBoxText(const QString& message)
{
    QString text = message;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

void ShowErrorBox(const QString& message)
{
    const QString text = ErrorBoxText(message);
    if (const auto& sink = Sink()) {
        sink(text);
        return;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "Kestravin 2005: %s\n", text.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kestravin 2005"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetErrorBoxSink(std::function<void(const QString&)> sink)
{
    Sink() = std::move(sink);
}
