// soundgen <resources folder>: writes FX/click.wav (the hover tick),
// FX/click2.wav (the click), FX/lowtime.wav (the game window's low-time
// warning) and MUSICAS/Abertura.wav (the short piece of music) into the
// folder.
#include "Score.h"
#include "Synth.h"
#include "WavWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kEffectsRate = 44100;
constexpr int kMusicRate = 22050; // keeps the piece under 2 MB

bool Save(const std::filesystem::path& path, const std::vector<float>& samples, int rate)
{
    std::filesystem::create_directories(path.parent_path());
    if (!WriteWav(path.string(), samples, rate)) {
        std::fprintf(stderr, "soundgen: cannot write %s\n", path.string().c_str());
        return false;
    }
    std::printf("%s %.2f s\n", path.string().c_str(), static_cast<double>(samples.size()) / rate);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: soundgen <resources folder>\n");
        return 2;
    }
    const std::filesystem::path root(argv[1]);

    std::vector<float> tick = SoftTick(kEffectsRate);
    Normalise(tick, 0.35f);
    std::vector<float> click = ButtonClick(kEffectsRate);
    Normalise(click, 0.7f);
    FadeOut(click, kEffectsRate, 0.01);
    std::vector<float> lowTime = LowTimeChime(kEffectsRate);
    Normalise(lowTime, 0.5f);
    FadeOut(lowTime, kEffectsRate, 0.02);
    std::vector<float> music = RenderAbertura(kMusicRate);
    Normalise(music, 0.85f);
    FadeOut(music, kMusicRate, 1.2);

    const bool ok = Save(root / "FX" / "click.wav", tick, kEffectsRate) &&
        Save(root / "FX" / "click2.wav", click, kEffectsRate) &&
        Save(root / "FX" / "lowtime.wav", lowTime, kEffectsRate) &&
        Save(root / "MUSICAS" / "Abertura.wav", music, kMusicRate);
    return ok ? 0 : 1;
}
