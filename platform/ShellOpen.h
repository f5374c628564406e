// The desktop's "open": hands a document or an address (file, http, mailto)
// to the program the desktop associates with it. ShellOpen does not examine
// the result (a desktop without a mail program reports nothing);
// ShellOpenFile tells when nothing could open the file.
//
//     ShellOpen(QUrl(QStringLiteral("mailto:someone@example.org")));
//     ShellOpen(QUrl::fromLocalFile(path));
//
// Tests call SetShellOpenSink to record the requests instead of opening them.
#pragma once

#include <QUrl>

#include <functional>

void ShellOpen(const QUrl& url);

// Opens a file with the desktop's program for it and, unlike ShellOpen,
// finds out whether one could: `failed` is called (on this thread, at once
// or once the desktop's opener has given up) when no program opened it.
// The opener's process belongs to `context`.
void ShellOpenFile(const QString& path, QObject* context, std::function<void()> failed);

// Replaces the desktop by a function that receives each request. An empty
// function restores the desktop.
void SetShellOpenSink(std::function<void(const QUrl&)> sink);
