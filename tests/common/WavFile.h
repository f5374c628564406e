// Short sound files made on the spot: mono 16-bit PCM WAV at 8 kHz, silent
// or a quiet 440 Hz tone.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cmath>
#include <cstdint>
#include <numbers>

inline QByteArray WavBytes(int milliseconds, bool tone = false)
{
    const std::uint32_t rate = 8000;
    const auto samples = static_cast<std::uint32_t>(static_cast<std::uint64_t>(rate) * milliseconds / 1000);
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
    u32(36 + samples * 2);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2); // bytes per second
    u16(2);        // bytes per frame
    u16(16);       // bits per sample
    wav.append("data");
    u32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = tone ? 2000 * std::sin(i * 2 * std::numbers::pi * 440 / rate) : 0.0;
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    return wav;
}

// Writes bytes to a file, making its folder first.
inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
