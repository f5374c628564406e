// The search side of the UCI front end: runs the engine on a worker thread
// within the limits of a "go" command, prints an "info" line after every
// finished iteration and exactly one "bestmove" at the end, and stops on
// request.
#pragma once

#include "core/GameState.h"
#include "engine/ChessEngine.h"
#include "engine/PlayingLevels.h"
#include "engine/WeakPlay.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// What a "go" command asks for. Times are in milliseconds; a missing limit
// is 0 (or false).
struct TGoLimits {
    int Depth = 0; // plies; 0 for as deep as the other limits allow
    std::uint64_t Nodes = 0;
    int Mate = 0; // moves
    std::int64_t MoveTime = 0;
    bool HasClock = false; // the side to move's time was given
    std::int64_t Time = 0; // the side to move's remaining time and increment
    std::int64_t Increment = 0;
    int MovesToGo = 0;
    bool Infinite = false;
    bool Ponder = false;
    std::vector<TEngineMove> SearchMoves; // none: all moves
};

// How long one move may take on the clock: the search starts no iteration
// that is expected to end after Target, and ends where it stands at Hard.
struct TTimeBudget {
    std::chrono::milliseconds Target{0};
    std::chrono::milliseconds Hard{0};
};

// A share of the remaining time plus most of the increment, never more than
// what is left after a margin for the answer to reach the interface.
TTimeBudget PlanMoveTime(std::int64_t remaining, std::int64_t increment, int movesToGo);

class TUciSearch : public TSearchObserver {
public:
    using LineWriter = std::function<void(const std::string&)>;

    static constexpr int MaxDepth = 30;

    explicit TUciSearch(LineWriter write);
    ~TUciSearch() override;
    TUciSearch(const TUciSearch&) = delete;
    TUciSearch& operator=(const TUciSearch&) = delete;

    // Searches the state within the limits on the worker thread; the state
    // is copied. An infinite or pondering search answers only after Stop
    // (or, pondering, PonderHit). A search still running is first finished.
    void Start(const GameState& state, const TGoLimits& limits);
    // Ends a running search at once (its "bestmove" is printed) and waits.
    void Stop();
    // The move pondered on was played: the clock limits start now.
    void PonderHit();
    // Waits for a running search to end by itself; one that would wait for
    // "stop" is stopped.
    void Finish();
    bool Running() const { return worker_.joinable(); }
    // Forgets what earlier searches left (the principal variation).
    void NewGame();
    // Plays one of the program's levels (nullptr: free search within the
    // limits of each "go"). With a level, a search goes to the level's
    // depth, or chooses as a beginners' level does, whatever depth or node
    // limit it is given; the time limits still hold.
    void SetLevel(const TPlayingLevel* level) { level_ = level; }
    const TPlayingLevel* Level() const { return level_; }
    // Seeds the beginners' levels' choices.
    void SeedRandom(std::uint64_t seed) { random_.Seed(seed); }

    void IterationDone(int depth, int score, std::uint64_t nodes) override;

private:
    using Clock = std::chrono::steady_clock;

    void Run();
    void CreateEngine();
    // Starts the clock limits (at the start, or at ponderhit). Called with
    // the mutex held.
    void StartClock(Clock::time_point now);

    LineWriter write_;
    std::unique_ptr<TChessEngine> engine_;
    GameState state_;
    TGoLimits limits_;
    std::atomic<int> depth_{1};
    const TPlayingLevel* level_ = nullptr;
    TWeakRandom random_;
    std::thread worker_;
    Clock::time_point start_;

    // Shared by the worker and the commands' thread.
    std::mutex mutex_;
    std::condition_variable released_;
    bool waitForRelease_ = false; // infinite or pondering: answer only when told
    bool pondering_ = false;
    bool clockRunning_ = false;
    Clock::time_point clockStart_;
    TTimeBudget budget_;
    Clock::time_point lastIterationEnd_;
    Clock::duration lastIterationTime_{0};
};

// "cp 35" or "mate 3" / "mate -2" for a search score.
std::string UciScore(int score);
