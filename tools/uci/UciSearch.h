// The search side of the UCI front end: runs the engine on a worker thread,
// prints an "info" line after every finished iteration and "bestmove" at
// the end, and stops on request.
#pragma once

#include "core/GameState.h"
#include "engine/ChessEngine.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

class TUciSearch : public TSearchObserver {
public:
    using LineWriter = std::function<void(const std::string&)>;

    explicit TUciSearch(LineWriter write);
    ~TUciSearch() override;
    TUciSearch(const TUciSearch&) = delete;
    TUciSearch& operator=(const TUciSearch&) = delete;

    // Searches the state to the depth on the worker thread; the state is
    // copied. An infinite search runs until Stop. A search still running
    // is first finished (Finish).
    void Start(const GameState& state, int depth, bool infinite = false);
    // Ends a running search at once (its "bestmove" is printed) and waits.
    void Stop();
    // Waits for a running search to end by itself; an infinite one is
    // stopped, as it never would.
    void Finish();
    bool Running() const { return worker_.joinable(); }
    // Forgets what earlier searches left (the principal variation).
    void NewGame();

    void IterationDone(int depth, int score, std::uint64_t nodes) override;

private:
    void Run();

    LineWriter write_;
    std::unique_ptr<TChessEngine> engine_ = std::make_unique<TChessEngine>();
    GameState state_;
    std::atomic<int> depth_{1};
    std::thread worker_;
    std::chrono::steady_clock::time_point start_;
    TEngineMove lastCompletedMove_;
    bool anyIterationDone_ = false;
    bool infinite_ = false;
};

// "cp 35" or "mate 3" / "mate -2" for a search score.
std::string UciScore(int score);
