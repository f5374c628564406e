// Helpers for the window tests: capturing the error box, message boxes,
// desktop "open" requests and the end of the application while a test runs.
#pragma once

#include "app/Application.h"
#include "platform/ErrorBox.h"
#include "platform/ShellOpen.h"

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

// Processes events until the condition holds or the time is up; the
// condition's final value. (QTRY_* would report to QTest, not GoogleTest.)
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs = 5000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

// A short, valid PCM WAV file (mono, 8 kHz, 16 bit, silence).
inline QByteArray SilentWav(int milliseconds = 50)
{
    const std::uint32_t rate = 8000;
    const std::uint32_t dataBytes = rate * 2 * static_cast<std::uint32_t>(milliseconds) / 1000;
    QByteArray wav;
    const auto u32 = [&wav](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            wav.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    const auto u16 = [&wav](std::uint16_t v) {
        wav.append(static_cast<char>(v & 0xFF));
        wav.append(static_cast<char>(v >> 8));
    };
    wav.append("RIFF");
    u32(36 + dataBytes);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(dataBytes);
    wav.append(QByteArray(static_cast<qsizetype>(dataBytes), '\0'));
    return wav;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
