// Reading VmRSS and VmHWM from /proc/self/status.
#include "MemoryProbe.h"

#include <fstream>
#include <sstream>
#include <string>

TMemorySample SampleMemory()
{
    TMemorySample sample;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        std::istringstream fields(line);
        std::string key;
        long kib = 0;
        fields >> key >> kib;
        if (key == "VmRSS:")
            sample.ResidentKiB = kib;
        else if (key == "VmHWM:")
            sample.PeakKiB = kib;
    }
    return sample;
}
