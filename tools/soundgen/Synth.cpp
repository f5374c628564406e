// Synthesis for soundgen. Everything is computed from fixed seeds, so two
// runs write identical files.
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::vector<float> Silence(double seconds, int sampleRate)
{
    return std::vector<float>(static_cast<std::size_t>(seconds * sampleRate), 0.0f);
}

// A feedback comb filter with a one-pole low-pass in its loop.
class DampedComb {
public:
    DampedComb(int delay, float feedback, float damping)
        : buffer_(static_cast<std::size_t>(delay), 0.0f)
        , feedback_(feedback)
        , damping_(damping)
    {
    }

    float Process(float input)
    {
        const float out = buffer_[index_];
        filtered_ = out * (1.0f - damping_) + filtered_ * damping_;
        buffer_[index_] = input + filtered_ * feedback_;
        index_ = (index_ + 1) % buffer_.size();
        return out;
    }

private:
    std::vector<float> buffer_;
    float feedback_;
    float damping_;
    float filtered_ = 0.0f;
    std::size_t index_ = 0;
};

class AllPass {
public:
    AllPass(int delay, float gain) : buffer_(static_cast<std::size_t>(delay), 0.0f), gain_(gain) {}

    float Process(float input)
    {
        const float delayed = buffer_[index_];
        const float out = -gain_ * input + delayed;
        buffer_[index_] = input + gain_ * out;
        index_ = (index_ + 1) % buffer_.size();
        return out;
    }

private:
    std::vector<float> buffer_;
    float gain_;
    std::size_t index_ = 0;
};

} // namespace

double NoteFrequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

std::vector<float> PluckedString(double frequency, double seconds, int sampleRate, float brightness, float sustain,
                                 unsigned seed)
{
    constexpr double kDamping = 0.06;
    std::vector<float> out = Silence(seconds + kDamping, sampleRate);

    // Loop delay = buffer length + half a sample (the averaging filter)
    // + the fractional delay of a first-order all-pass, which tunes the
    // string exactly instead of to the nearest whole sample.
    const double period = sampleRate / frequency;
    const int length = std::max(2, static_cast<int>(std::floor(period - 0.5 - 0.1)));
    const double fraction = period - 0.5 - length;
    const double tune = (1.0 - fraction) / (1.0 + fraction);

    // The pluck: noise, smoothed for a softer, rounder attack.
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> line(static_cast<std::size_t>(length));
    float smooth = 0.0f;
    const float keep = 1.0f - std::clamp(brightness, 0.05f, 1.0f);
    for (float& sample : line) {
        smooth = keep * smooth + (1.0f - keep) * noise(random);
        sample = smooth;
    }
    float mean = 0.0f;
    for (float sample : line)
        mean += sample;
    mean /= static_cast<float>(line.size());
    for (float& sample : line)
        sample -= mean;

    const float loss = 0.990f + 0.0095f * std::clamp(sustain, 0.0f, 1.0f);
    float previous = 0.0f;
    float allPassIn = 0.0f;
    float allPassOut = 0.0f;
    std::size_t index = 0;
    const std::size_t held = static_cast<std::size_t>(seconds * sampleRate);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const float current = line[index];
        const float averaged = 0.5f * (current + previous) * loss;
        previous = current;
        allPassOut = static_cast<float>(tune * averaged + allPassIn - tune * allPassOut);
        allPassIn = averaged;
        line[index] = allPassOut;
        index = (index + 1) % line.size();

        float envelope = 1.0f;
        if (n > held) // the player lifts the finger: the string is damped
            envelope = std::max(0.0f, 1.0f - static_cast<float>((n - held) / (kDamping * sampleRate)));
        out[n] = current * envelope;
    }
    return out;
}

std::vector<float> SoftTick(int sampleRate)
{
    std::vector<float> out = Silence(0.035, sampleRate);
    std::mt19937 random(1);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    float last = 0.0f;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / sampleRate;
        // High-passed noise for the edge of the tick, two decaying tones for its body.
        const float white = noise(random);
        const float edge = white - last;
        last = white;
        const double body = 0.55 * std::sin(kTwoPi * 3150.0 * t) * std::exp(-t / 0.005) +
            0.35 * std::sin(kTwoPi * 1720.0 * t) * std::exp(-t / 0.009);
        out[n] = static_cast<float>(0.35 * edge * std::exp(-t / 0.0018) + body);
    }
    // A two-millisecond rise, so the tick does not start with a pop.
    const std::size_t rise = static_cast<std::size_t>(0.002 * sampleRate);
    for (std::size_t n = 0; n < rise && n < out.size(); ++n)
        out[n] *= static_cast<float>(n) / rise;
    return out;
}

std::vector<float> ButtonClick(int sampleRate)
{
    std::vector<float> out = Silence(0.09, sampleRate);
    std::mt19937 random(2);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    // Press at 0 ms, release (quieter, a little higher) at 32 ms.
    const struct {
        double start;
        double gain;
        double pitch;
    } strokes[] = {{0.0, 1.0, 1.0}, {0.032, 0.45, 1.18}};
    for (const auto& stroke : strokes) {
        float last = 0.0f;
        const std::size_t first = static_cast<std::size_t>(stroke.start * sampleRate);
        for (std::size_t n = first; n < out.size(); ++n) {
            const double t = static_cast<double>(n - first) / sampleRate;
            const float white = noise(random);
            const float edge = white - last;
            last = white;
            const double snap = 0.6 * edge * std::exp(-t / 0.0012);
            const double tock = 0.7 * std::sin(kTwoPi * 1150.0 * stroke.pitch * t) * std::exp(-t / 0.011) +
                0.4 * std::sin(kTwoPi * 2630.0 * stroke.pitch * t) * std::exp(-t / 0.005) +
                0.5 * std::sin(kTwoPi * 190.0 * t) * std::exp(-t / 0.014);
            out[n] += static_cast<float>(stroke.gain * (snap + tock));
        }
    }
    return out;
}

std::vector<float> LowTimeChime(int sampleRate)
{
    std::vector<float> out = Silence(0.34, sampleRate);
    // Two beeps a fifth apart (E6, then B6), each a sine with a weaker
    // octave, a 3 ms rise and a quick decay, so the sound stays short and
    // clear over the board's own quiet.
    const struct {
        double start;
        double frequency;
    } beeps[] = {{0.0, NoteFrequency(88)}, {0.14, NoteFrequency(95)}};
    const double rise = 0.003;
    for (const auto& beep : beeps) {
        const std::size_t first = static_cast<std::size_t>(beep.start * sampleRate);
        for (std::size_t n = first; n < out.size(); ++n) {
            const double t = static_cast<double>(n - first) / sampleRate;
            const double envelope = std::min(1.0, t / rise) * std::exp(-t / 0.045);
            const double tone =
                std::sin(kTwoPi * beep.frequency * t) + 0.3 * std::sin(kTwoPi * 2.0 * beep.frequency * t);
            out[n] += static_cast<float>(envelope * tone);
        }
    }
    return out;
}

void MixInto(std::vector<float>& mix, const std::vector<float>& voice, double atSeconds, int sampleRate, float gain)
{
    const std::size_t start = static_cast<std::size_t>(std::lround(atSeconds * sampleRate));
    if (mix.size() < start + voice.size())
        mix.resize(start + voice.size(), 0.0f);
    for (std::size_t i = 0; i < voice.size(); ++i)
        mix[start + i] += gain * voice[i];
}

void AddReverb(std::vector<float>& samples, int sampleRate, float wet)
{
    const double scale = sampleRate / 44100.0;
    DampedComb combs[] = {
        {static_cast<int>(1557 * scale), 0.80f, 0.3f},
        {static_cast<int>(1617 * scale), 0.79f, 0.3f},
        {static_cast<int>(1491 * scale), 0.81f, 0.3f},
        {static_cast<int>(1422 * scale), 0.80f, 0.3f},
    };
    AllPass allPasses[] = {{static_cast<int>(556 * scale), 0.5f}, {static_cast<int>(225 * scale), 0.5f}};
    samples.resize(samples.size() + static_cast<std::size_t>(1.5 * sampleRate), 0.0f);
    for (float& sample : samples) {
        float room = 0.0f;
        for (DampedComb& comb : combs)
            room += comb.Process(sample);
        room *= 0.25f;
        for (AllPass& allPass : allPasses)
            room = allPass.Process(room);
        sample = (1.0f - wet) * sample + wet * room;
    }
}

void FadeOut(std::vector<float>& samples, int sampleRate, double seconds)
{
    const std::size_t length = std::min(samples.size(), static_cast<std::size_t>(seconds * sampleRate));
    const std::size_t start = samples.size() - length;
    for (std::size_t i = 0; i < length; ++i) {
        const double x = static_cast<double>(i) / length;
        samples[start + i] *= static_cast<float>(0.5 * (1.0 + std::cos(std::numbers::pi * x)));
    }
}
