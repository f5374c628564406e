// Ends the process when the soak stops making progress: a thread of its own
// checks once a second that some move or step was reported within the
// limit, and otherwise prints what was going on and exits with status 3.
// It works even when the user-interface thread itself is stuck.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

class TWatchdog {
public:
    static constexpr int HangExitCode = 3;

    explicit TWatchdog(std::chrono::seconds limit);
    ~TWatchdog();
    TWatchdog(const TWatchdog&) = delete;
    TWatchdog& operator=(const TWatchdog&) = delete;

    // Something moved on; `what` says where the soak stands now.
    void Progress(const std::string& what);

private:
    void Watch();

    const std::chrono::seconds limit_;
    std::atomic<std::chrono::steady_clock::rep> last_;
    std::mutex whatMutex_;
    std::string what_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};
