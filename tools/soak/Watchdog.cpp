// The soak's hang detector.
#include "Watchdog.h"

#include <cstdio>
#include <cstdlib>

using Clock = std::chrono::steady_clock;

TWatchdog::TWatchdog(std::chrono::seconds limit)
    : limit_(limit)
    , last_(Clock::now().time_since_epoch().count())
    , thread_(&TWatchdog::Watch, this)
{
}

TWatchdog::~TWatchdog()
{
    done_ = true;
    thread_.join();
}

void TWatchdog::Progress(const std::string& what)
{
    {
        std::lock_guard lock(whatMutex_);
        what_ = what;
    }
    last_ = Clock::now().time_since_epoch().count();
}

void TWatchdog::Watch()
{
    while (!done_) {
        for (int i = 0; i < 10 && !done_; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const Clock::duration quiet = Clock::now().time_since_epoch() - Clock::duration(last_.load());
        if (quiet <= limit_)
            continue;
        std::string what;
        {
            std::lock_guard lock(whatMutex_);
            what = what_;
        }
        std::printf("HANG: nothing happened for %lld s; last: %s\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(quiet).count()),
                    what.c_str());
        std::fflush(stdout);
        std::_Exit(HangExitCode);
    }
}
