// Helpers of the window tests: waiting on the event loop, clicking a widget,
// and a short WAV file made on the spot.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

#include <cmath>
#include <cstdint>
#include <functional>

// Runs the event loop until `done` holds or `ms` milliseconds pass.
inline bool WaitFor(const std::function<bool()>& done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Lets the event loop run for `ms` milliseconds.
inline void Pause(int ms)
{
    WaitFor([] { return false; }, ms);
}

// A left-button press and release in the middle of `widget`.
inline void Click(QWidget* widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// Writes a mono 16-bit 8 kHz WAV of a quiet tone lasting `seconds`.
inline bool WriteToneWav(const QString& path, double seconds)
{
    const std::uint32_t rate = 8000;
    const auto samples = static_cast<std::uint32_t>(seconds * rate);
    QByteArray data;
    auto put32 = [&data](std::uint32_t v) { for (int i = 0; i < 4; ++i) data += char((v >> (8 * i)) & 0xFF); };
    auto put16 = [&data](std::uint16_t v) { data += char(v & 0xFF); data += char(v >> 8); };
    data += "RIFF";
    put32(36 + samples * 2);
    data += "WAVEfmt ";
    put32(16);
    put16(1);         // PCM
    put16(1);         // mono
    put32(rate);
    put32(rate * 2);  // bytes per second
    put16(2);         // bytes per frame
    put16(16);        // bits per sample
    data += "data";
    put32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i)
        put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(2000 * std::sin(i * 2 * M_PI * 440 / rate))));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}
