// "Abertura": the short piece of this program's own that ships in the
// media player's music folder. A waltz-time melody in A minor over an
// "oom-pah-pah" accompaniment, played on plucked strings.
#pragma once

#include <vector>

std::vector<float> RenderAbertura(int sampleRate);
