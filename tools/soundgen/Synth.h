// Small synthesis kit for the program's sounds: a plucked string
// (Karplus-Strong), the two interface clicks, a mixer and a room reverb.
#pragma once

#include <vector>

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteFrequency(int midiNote);

// A plucked string sounding `frequency` for `seconds` (then damped over
// 60 ms). `brightness` 0..1 shapes the pluck, `sustain` 0..1 how long the
// string rings. `seed` fixes the pluck's noise, so output is repeatable.
std::vector<float> PluckedString(double frequency, double seconds, int sampleRate, float brightness, float sustain,
                                 unsigned seed);

// The hover sound: a short, soft, high tick.
std::vector<float> SoftTick(int sampleRate);

// The click sound: a button's press and, a little later, its release.
std::vector<float> ButtonClick(int sampleRate);

// The low-time warning: two short bell-like beeps, the second higher, about
// a third of a second in all.
std::vector<float> LowTimeChime(int sampleRate);

// Adds `voice` into `mix` starting at `atSeconds`, scaled by `gain`,
// growing the mix as needed.
void MixInto(std::vector<float>& mix, const std::vector<float>& voice, double atSeconds, int sampleRate, float gain);

// A small room: four damped comb filters and two all-pass filters
// (Schroeder's design), mixed in at `wet`.
void AddReverb(std::vector<float>& samples, int sampleRate, float wet);

// Fades the last `seconds` of the samples out to silence.
void FadeOut(std::vector<float>& samples, int sampleRate, double seconds);
