// The process's memory as the kernel counts it: resident set now (VmRSS)
// and its peak (VmHWM), in KiB, from /proc/self/status.
#pragma once

struct TMemorySample {
    long ResidentKiB = 0;
    long PeakKiB = 0;
};

TMemorySample SampleMemory();
