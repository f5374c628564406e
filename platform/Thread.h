// A worker thread with the classic component-toolkit shape: an overridable
// Execute body, creation in the suspended state, Suspend and Resume, the
// Suspended and Terminated flags, a priority that can change while the body
// runs, and Synchronize, which runs a call on the user-interface thread and
// waits for it.
//
// Suspension is cooperative. Suspend() marks the thread suspended at once (so
// Suspended() reads true immediately), and the body actually stands still at
// its next suspension point: on entry, and whenever a Synchronize call
// returns. The program suspends the worker only from inside a synchronised
// call or while destroying it, so the two agree.
//
// The destructor terminates the body and waits for it while serving its
// synchronised calls, so a worker blocked in Synchronize can never deadlock
// the user-interface thread that is destroying it.
#pragma once

#include "platform/ThreadPriority.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QThread;

class TThread {
public:
    explicit TThread(bool createSuspended = true);
    virtual ~TThread();

    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Lets the body run (starting it the first time).
    void Resume();
    // Marks the thread suspended; the body stops at its next suspension point.
    void Suspend();
    bool Suspended() const;

    // Asks the body to end; it tests Terminated() itself.
    void Terminate();
    bool Terminated() const { return terminated_.load(std::memory_order_acquire); }

    TThreadPriority Priority() const { return priority_.load(); }
    // Applies at once to a running thread, otherwise when it starts.
    void SetPriority(TThreadPriority priority);

    // True once the body has returned.
    bool Finished() const { return finished_.load(std::memory_order_acquire); }

    // User-interface thread: runs the pending synchronised call, if any.
    // Returns true when one was run.
    bool ServeSynchronize();
    // True while the user-interface thread runs one of the worker's
    // synchronised calls (the worker is blocked until it returns).
    bool ServingSynchronize() const { return serving_.load(); }
    // User-interface thread: waits up to timeoutMs for the worker to post a
    // synchronised call, become suspended or finish, whichever comes first.
    void WaitForWorkerEvent(int timeoutMs);

    // Ends the body and waits for it, serving its synchronised calls. Called
    // by the destructor; a subclass whose Execute uses its own members must
    // call it first in its own destructor.
    void TerminateAndWait();

protected:
    // The thread body. Runs on the worker thread.
    virtual void Execute() = 0;

    // Runs call on the user-interface thread and waits until it has run. A
    // suspension point: if the call suspended the thread, this returns only
    // after Resume (or termination). Called from the user-interface thread
    // itself, it simply runs the call.
    void Synchronize(const std::function<void()>& call);

    // Wakes the worker from a wait made with WaitUntil().
    void Wake();
    // Worker: waits without using the processor until wake() returns true,
    // re-checking after every Wake(), Terminate() or Suspend().
    void WaitUntil(const std::function<bool()>& wake);

private:
    class Runner;
    class Dispatcher;

    void Run();
    void WaitWhileSuspended();
    void ApplyPriority();

    std::unique_ptr<Runner> runner_;
    std::unique_ptr<Dispatcher> dispatcher_;

    mutable std::mutex mutex_;
    std::condition_variable workerWake_; // the worker waits on it
    std::condition_variable uiWake_;     // the user-interface thread waits on it
    bool suspended_ = true;
    bool started_ = false;
    const std::function<void()>* pendingCall_ = nullptr;
    bool callDone_ = false;
    std::atomic<bool> serving_{false};
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<TThreadPriority> priority_{TThreadPriority::tpNormal};
};
