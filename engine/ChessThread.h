// The computer player's thread. It loops for the life of the board: each
// pass looks whether the computer plays the side to move and, if so,
// searches and hands the chosen move to the board on the user-interface
// thread; every pass ends with the board's pass-end handler, also run on the
// user-interface thread, which suspends the thread and resumes it unless a
// stop is pending.
//
// What a search works from reaches the thread as one value, TSearchInput,
// which the board's InputHandler hands over at the start of each pass, on
// the user-interface thread inside a synchronised call. The thread keeps its
// own copy and the engine's position links point at that copy, so a search
// never reads a board that is being changed, and no board field is shared
// between the threads.
//
// Every change the board makes to what a pass depends on (it calls
// StopThinking first) is announced with NotifyChange. A pass that has nothing
// to do (the person is to move, or the board refused the move computed for
// this very position) waits without using the processor until such a change,
// a stop request or termination; and a move computed for a position that has
// changed since is never delivered.
#pragma once

#include "core/GameState.h"
#include "core/Square.h"
#include "engine/ChessEngine.h"
#include "engine/ComputerStyle.h"
#include "engine/WeakPlay.h"
#include "platform/Thread.h"
#include "platform/ThreadPriority.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

// What one thinking pass works from, copied from the board when the pass
// starts: the position (placement, side to move, castling rights, en passant
// square), the number of iterations, the time limit and the thread's
// priority.
struct TSearchInput {
    GameState Position;
    int Depth = 1;
    // Milliseconds the search may take; none when not positive.
    int TimeLimitMs = 0;
    TThreadPriority Priority = TThreadPriority::tpNormal;
    // How the computer chooses beside the depth (the default: the search
    // alone).
    TComputerStyle Style;
};

class TChessThread final : public TThread {
public:
    // Fills the engine's tables and creates the thread suspended.
    TChessThread();
    // Ends any search, delivers nothing, and waits for the body.
    ~TChessThread() override;

    // The board's half of a pass start, run on the user-interface thread:
    // the input of a search when the computer plays the side to move,
    // nothing otherwise (and when no handler is set).
    std::function<std::optional<TSearchInput>()> InputHandler;

    // Seeds the beginners' levels' and the book's choices (tests).
    void SeedRandom(std::uint64_t seed) { random_.Seed(seed); }
    // The board's MakeMove, and its pass-end operation.
    std::function<bool(Square oldSq, Square newSq)> MoveHandler;
    std::function<void()> PassDoneHandler;
    // Called on the user-interface thread as a pass decides to search,
    // before the move is delivered or the pass ends (may be empty).
    std::function<void()> SearchStarting;

    // A thinking pass is under way (read by the board's Thinking property).
    std::atomic<bool> IsThinking{false};

    // The stop request: ends a running search at its next node, keeps the
    // move from being delivered, and makes the pass end without resuming.
    bool StopRequested() const { return Engine.StopRequested.load(); }
    void RequestStop();
    void ClearStop() { Engine.StopRequested.store(false); }

    // Called by the board, on the user-interface thread, whenever something a
    // pass reads may have changed.
    void NotifyChange();

    // Passes made, and passes that searched, for tests and measurements.
    std::uint64_t PassCount() const { return passes_.load(); }
    std::uint64_t SearchCount() const { return searches_.load(); }
    // Wall-clock time of the last search, in nanoseconds.
    std::int64_t LastSearchNanoseconds() const { return lastSearchNs_.load(); }
    // The last search ran out of its time and played what it had.
    bool LastSearchTimedOut() const { return lastSearchTimedOut_.load(); }

protected:
    void Execute() override;

private:
    // User-interface thread: copies the board's input into the snapshot.
    // Returns whether the computer plays the side to move.
    bool TakeSnapshot();
    // User-interface thread: hands the chosen move to the board.
    void DeliverMove();
    void PassEnd();
    // Worker: the move of the book or of a beginners' level, when the style
    // asks for one; false to search as ever.
    bool ChooseByStyle();

    TChessEngine Engine;
    // The input of the pass under way; the engine's links point at its
    // position.
    TSearchInput Snapshot;
    std::atomic<int> SnapshotDepth{1};

    std::atomic<std::uint64_t> generation_{0};
    // Written and read only inside synchronised calls or by the worker
    // between them; the hand-off orders them.
    std::uint64_t snapshotGeneration_ = 0;
    std::uint64_t refusedGeneration_ = UINT64_MAX;
    TWeakRandom random_;
    // The move the last search chose, and whether it found one.
    TEngineMove chosenMove_;
    bool moveChosen_ = false;
    std::atomic<std::uint64_t> passes_{0};
    std::atomic<std::uint64_t> searches_{0};
    std::atomic<std::int64_t> lastSearchNs_{0};
    std::atomic<bool> lastSearchTimedOut_{false};
};
