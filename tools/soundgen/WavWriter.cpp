// RIFF/WAVE writer: a 44-byte header (RIFF, fmt, data chunks) and the
// samples as little-endian signed 16-bit integers.
#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void Normalise(std::vector<float>& samples, float peak)
{
    float loudest = 0.0f;
    for (float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0.0f)
        return;
    const float gain = peak / loudest;
    for (float& s : samples)
        s *= gain;
}

bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    PutLittleEndian(out, 16, 4); // chunk size
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, 1, 2);  // mono
    PutLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(sampleRate * 2), 4); // bytes per second
    PutLittleEndian(out, 2, 2);                                          // bytes per frame
    PutLittleEndian(out, 16, 2);                                         // bits per sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (float s : samples) {
        const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        PutLittleEndian(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
    }
    return static_cast<bool>(out);
}
