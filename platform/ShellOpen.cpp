// The desktop's "open" (see ShellOpen.h).
#include "platform/ShellOpen.h"

#include <QDesktopServices>

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
