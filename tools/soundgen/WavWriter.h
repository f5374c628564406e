// Writes mono 16-bit PCM WAV files from floating-point samples in [-1, 1].
#pragma once

#include <string>
#include <vector>

// Scales the samples so that the loudest one reaches `peak` (0..1).
void Normalise(std::vector<float>& samples, float peak);

// Writes a RIFF/WAVE file; returns false when the file cannot be written.
// Samples outside [-1, 1] are clipped.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate);
