// The desktop's "open" (see ShellOpen.h).
#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace {

std::function<void(const QUrl&)>& Sink()
{
    static std::function<void(const QUrl&)> sink;
    return sink;
}

} // namespace

void ShellOpen(const QUrl& url)
{
    if (const auto& sink = Sink()) {
        sink(url);
        return;
    }
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void SetShellOpenSink(std::function<void(const QUrl&)> sink)
{
    Sink() = std::move(sink);
}

void ShellOpenFile(const QString& path, QObject* context, std::function<void()> failed)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (const auto& sink = Sink()) {
        sink(url);
        return;
    }
    // Qt hands a file to xdg-open and only knows whether it started; its
    // status says whether any program took the file (3: none found).
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            failed();
        return;
    }
    auto* process = new QProcess(context);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if (status != QProcess::NormalExit || code != 0)
            failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        failed();
    });
    process->start(opener, {path});
}
