// Helpers for the window tests: capturing the error box, message boxes,
// desktop "open" requests and the end of the application while a test runs.
#pragma once

#include "app/Application.h"
#include "platform/ErrorBox.h"
#include "platform/ShellOpen.h"

#include "EventPump.h"
#include "WavFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <QUrl>

#include <cstdint>

class CapturedBoxes {
public:
    CapturedBoxes()
    {
        SetErrorBoxSink([this](const QString& text) { errors.append(text); });
        SetMessageSink([this](const QString& text) { messages.append(text); });
        SetShellOpenSink([this](const QUrl& url) { opened.append(url); });
        SetEndApplicationSink([this] { ++endRequests; });
    }
    ~CapturedBoxes()
    {
        SetErrorBoxSink({});
        SetMessageSink({});
        SetShellOpenSink({});
        SetEndApplicationSink({});
    }
    CapturedBoxes(const CapturedBoxes&) = delete;
    CapturedBoxes& operator=(const CapturedBoxes&) = delete;

    QStringList errors;
    QStringList messages;
    QList<QUrl> opened;
    int endRequests = 0;
};
