// The desktop's "open": hands a document or an address (file, http, mailto)
// to the program the desktop associates with it. The result is not examined:
// a missing document or a desktop without a mail program reports nothing.
//
//     ShellOpen(QUrl(QStringLiteral("mailto:someone@example.org")));
//     ShellOpen(QUrl::fromLocalFile(path));
//
// Tests call SetShellOpenSink to record the requests instead of opening them.
#pragma once

#include <QUrl>

#include <functional>

void ShellOpen(const QUrl& url);

// Replaces the desktop by a function that receives each request. An empty
// function restores the desktop.
void SetShellOpenSink(std::function<void(const QUrl&)> sink);
