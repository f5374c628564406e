// The score of "Abertura" and its rendering. The melody is written as
// note:beats pairs, one bar per string; each bar has a chord that the
// accompaniment plays as a low root on the first beat and a soft
// two-note chord on the second and third.
#include "Score.h"

#include "Synth.h"

#include <cctype>
#include <cmath>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr double kBeatsPerMinute = 92.0;
constexpr int kBeatsPerBar = 3;

struct Bar {
    const char* melody; // "A4:1 C5:1 E5:1"
    const char* chord;  // a key of kChords
};

constexpr Bar kBars[] = {
    {"A4:1 C5:1 E5:1", "Am"},          {"F5:1.5 E5:0.5 D5:1", "Dm"},
    {"B4:1 G#4:1 E4:1", "E"},          {"A4:2 E5:1", "Am"},
    {"A5:1.5 G5:0.5 F5:1", "F"},       {"E5:1 G5:1 C5:1", "C"},
    {"D5:1 F5:1 A4:1", "Dm"},          {"G#4:2 B4:1", "E"},
    {"C5:1 B4:0.5 A4:0.5 E5:1", "Am"}, {"F5:1 E5:0.5 D5:0.5 A5:1", "Dm"},
    {"G5:1 F5:0.5 E5:0.5 D5:1", "G"},  {"E5:2 C5:1", "C"},
    {"A5:1 F5:1 D5:1", "F"},           {"E5:1 D5:0.5 C5:0.5 B4:1", "E"},
    {"D5:1 C5:0.5 B4:0.5 G#4:1", "E"}, {"A4:3", "Am"},
};

struct Chord {
    const char* name;
    const char* root;
    const char* upper[2];
};

constexpr Chord kChords[] = {
    {"Am", "A2", {"C4", "E4"}}, {"Dm", "D3", {"F3", "A3"}}, {"E", "E2", {"G#3", "B3"}},
    {"F", "F2", {"A3", "C4"}},  {"C", "C3", {"E3", "G3"}},  {"G", "G2", {"B3", "D4"}},
};

// "G#4" -> 68. Letters A to G, an optional '#' or 'b', an octave digit.
int MidiNote(const std::string& name)
{
    static const int kOffsets[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G from C
    int note = kOffsets[std::toupper(static_cast<unsigned char>(name[0])) - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++note;
        ++i;
    } else if (name[i] == 'b') {
        --note;
        ++i;
    }
    const int octave = name[i] - '0';
    return 12 * (octave + 1) + note;
}

const Chord& FindChord(const std::string& name)
{
    for (const Chord& chord : kChords)
        if (name == chord.name)
            return chord;
    return kChords[0];
}

} // namespace

std::vector<float> RenderAbertura(int sampleRate)
{
    const double beat = 60.0 / kBeatsPerMinute;
    std::vector<float> mix;
    std::mt19937 random(2005);
    std::uniform_real_distribution<double> jitter(-0.008, 0.008);
    std::uniform_real_distribution<float> touch(0.88f, 1.0f);
    unsigned seed = 1;

    double barStart = 0.25;
    for (const Bar& bar : kBars) {
        // Melody.
        std::istringstream notes(bar.melody);
        std::string token;
        double at = barStart;
        while (notes >> token) {
            const std::size_t colon = token.find(':');
            const int midi = MidiNote(token.substr(0, colon));
            const double beats = std::stod(token.substr(colon + 1));
            const auto voice =
                PluckedString(NoteFrequency(midi), beats * beat + 0.15, sampleRate, 0.55f, 0.75f, seed++);
            MixInto(mix, voice, at + jitter(random), sampleRate, 0.5f * touch(random));
            at += beats * beat;
        }

        // Accompaniment.
        const Chord& chord = FindChord(bar.chord);
        const auto root =
            PluckedString(NoteFrequency(MidiNote(chord.root)), kBeatsPerBar * beat, sampleRate, 0.3f, 0.9f, seed++);
        MixInto(mix, root, barStart + jitter(random), sampleRate, 0.42f);
        for (int b = 1; b < kBeatsPerBar; ++b)
            for (const char* upper : chord.upper) {
                const auto tone =
                    PluckedString(NoteFrequency(MidiNote(upper)), 0.8 * beat, sampleRate, 0.35f, 0.5f, seed++);
                MixInto(mix, tone, barStart + b * beat + jitter(random), sampleRate, 0.16f * touch(random));
            }
        barStart += kBeatsPerBar * beat;
    }

    // Closing chord, rolled from the bass up.
    const char* closing[] = {"A2", "E3", "A3", "C4", "E4", "A4"};
    for (int i = 0; i < 6; ++i) {
        const auto tone = PluckedString(NoteFrequency(MidiNote(closing[i])), 3.0, sampleRate, 0.3f, 0.9f, seed++);
        MixInto(mix, tone, barStart + 0.045 * i, sampleRate, 0.3f);
    }

    AddReverb(mix, sampleRate, 0.22f);
    return mix;
}
