// "go perft N" for the UCI front end: counts on a thread of its own, so that
// the commands' thread goes on reading "isready", "stop" and "quit" while
// it counts, as it does during a search.
#pragma once

#include "core/GameState.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class TUciPerft {
public:
    using LineWriter = std::function<void(const std::string&)>;

    explicit TUciPerft(LineWriter write);
    ~TUciPerft();
    TUciPerft(const TUciPerft&) = delete;
    TUciPerft& operator=(const TUciPerft&) = delete;

    // Prints "e2e4: 20" for each legal move and then "Nodes searched: N";
    // a count still running is first finished.
    void Start(const GameState& state, int depth);
    // Ends a running count soon, with the moves counted whole so far and an
    // "info string" that says it was stopped, and waits.
    void Stop();
    // Waits for a running count to end by itself.
    void Finish();
    bool Running() const { return worker_.joinable(); }

private:
    void Run(GameState state, int depth);

    LineWriter write_;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};
