// The worker thread class: suspended creation, synchronised calls served on
// the user-interface thread, cooperative suspension, and a destructor that
// never deadlocks with a worker blocked in Synchronize.
#include "platform/Thread.h"

#include "EventPump.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace {

// A body that counts its passes; each pass ends with a synchronised call that
// runs `onPass` on the user-interface thread.
class PassingThread : public TThread {
public:
    std::atomic<int> passes{0};
    std::atomic<int> bodyStarts{0};
    std::function<void()> onPass;
    std::atomic<bool> passRanOnUiThread{true};
    QThread* uiThread = QThread::currentThread();

    ~PassingThread() override { TerminateAndWait(); }

    using TThread::Wake;

protected:
    void Execute() override
    {
        ++bodyStarts;
        while (!Terminated()) {
            Synchronize([this] {
                if (QThread::currentThread() != uiThread)
                    passRanOnUiThread = false;
                ++passes;
                if (onPass)
                    onPass();
            });
        }
    }
};

} // namespace

TEST(WorkerThread, CreatedSuspendedAndStartsOnResume)
{
    PassingThread t;
    EXPECT_TRUE(t.Suspended());
    QThread::msleep(30);
    QCoreApplication::processEvents();
    EXPECT_EQ(t.bodyStarts.load(), 0);

    t.onPass = [&t] { t.Suspend(); };
    t.Resume();
    ASSERT_TRUE(PumpUntil([&] { return t.passes.load() >= 1; }));
    EXPECT_EQ(t.bodyStarts.load(), 1);
    EXPECT_TRUE(t.passRanOnUiThread.load());
}

TEST(WorkerThread, SuspendInsideSynchronizedCallHoldsTheWorkerUntilResume)
{
    PassingThread t;
    t.onPass = [&t] { t.Suspend(); };
    t.Resume();
    ASSERT_TRUE(PumpUntil([&] { return t.passes.load() == 1; }));
    EXPECT_TRUE(t.Suspended());
    // Suspended: no further pass however long the events are processed.
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(t.passes.load(), 1);

    t.Resume();
    ASSERT_TRUE(PumpUntil([&] { return t.passes.load() == 2; }));
    EXPECT_TRUE(t.Suspended());
}

TEST(WorkerThread, DestructionServesAPendingSynchronizedCall)
{
    std::atomic<int> served{0};
    {
        PassingThread t;
        t.onPass = [&] { ++served; };
        t.Resume();
        // Give the worker time to block in Synchronize while nobody serves it.
        QThread::msleep(20);
    } // must neither hang nor crash
    EXPECT_GE(served.load(), 1);
}

TEST(WorkerThread, NeverStartedThreadIsDestroyedWithoutRunningItsBody)
{
    class Counting : public TThread {
    public:
        explicit Counting(std::atomic<int>& starts) : starts_(starts) {}
        ~Counting() override { TerminateAndWait(); }

    protected:
        void Execute() override { ++starts_; }

    private:
        std::atomic<int>& starts_;
    };
    std::atomic<int> starts{0};
    {
        Counting t(starts);
    }
    EXPECT_EQ(starts.load(), 0);
    {
        Counting t(starts);
        t.Resume();
        ASSERT_TRUE(PumpUntil([&] { return t.Finished(); }));
    }
    EXPECT_EQ(starts.load(), 1);
}

TEST(WorkerThread, SynchronizeFromTheUiThreadRunsTheCallDirectly)
{
    class Direct : public TThread {
    public:
        using TThread::Synchronize;

    protected:
        void Execute() override {}
    } t;
    bool ran = false;
    t.Synchronize([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(WorkerThread, WaitUntilSleepsUntilWokenOrTerminated)
{
    class Waiter : public TThread {
    public:
        std::atomic<bool> go{false};
        std::atomic<int> woke{0};
        ~Waiter() override { TerminateAndWait(); }
        using TThread::Wake;

    protected:
        void Execute() override
        {
            PumpUntil([this] { return go.load(); });
            ++woke;
            PumpUntil([] { return false; }); // only termination ends this one
            ++woke;
        }
    };
    Waiter w;
    w.Resume();
    QThread::msleep(30);
    EXPECT_EQ(w.woke.load(), 0);
    w.go = true;
    w.Wake();
    ASSERT_TRUE(PumpUntil([&] { return w.woke.load() == 1; }));
    w.TerminateAndWait();
    EXPECT_EQ(w.woke.load(), 2);
    EXPECT_TRUE(w.Finished());
}

TEST(WorkerThread, PriorityCanChangeWhileRunning)
{
    PassingThread t;
    t.onPass = [&t] { t.Suspend(); };
    t.SetPriority(TThreadPriority::tpLower);
    t.Resume();
    ASSERT_TRUE(PumpUntil([&] { return t.passes.load() == 1; }));
    t.SetPriority(TThreadPriority::tpIdle);
    EXPECT_EQ(t.Priority(), TThreadPriority::tpIdle);
}
