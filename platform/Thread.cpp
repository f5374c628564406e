// Worker thread with cooperative suspension and synchronised calls; see
// Thread.h for the contract.
#include "platform/Thread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <chrono>

// The QThread that carries the body.
class TThread::Runner final : public QThread {
public:
    explicit Runner(TThread& owner) : owner_(owner) {}

protected:
    void run() override { owner_.Run(); }

private:
    TThread& owner_;
};

// ThreadSanitizer cannot see the hand-off through Qt's event queue (Qt is not
// instrumented); these mark it, so the event posted by the worker is seen as
// published before the user-interface thread reads it.
#if defined(__SANITIZE_THREAD__)
#define KESTRAVIN_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KESTRAVIN_TSAN 1
#endif
#endif
#ifdef KESTRAVIN_TSAN
extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);
#define TSAN_ACQUIRE(p) __tsan_acquire(p)
#define TSAN_RELEASE(p) __tsan_release(p)
#else
#define TSAN_ACQUIRE(p) ((void)(p))
#define TSAN_RELEASE(p) ((void)(p))
#endif

// Lives on the user-interface thread; the events the worker posts to it serve
// the worker's synchronised calls from the event loop.
class TThread::Dispatcher final : public QObject {
public:
    explicit Dispatcher(TThread& owner) : owner_(owner) {}

    static QEvent::Type ServeType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != ServeType())
            return QObject::event(e);
        TSAN_ACQUIRE(e);
        owner_.ServeSynchronize();
        return true;
    }

private:
    TThread& owner_;
};

namespace {

QThread::Priority ToQtPriority(TThreadPriority p)
{
    switch (p) {
    case TThreadPriority::tpIdle: return QThread::IdlePriority;
    case TThreadPriority::tpLowest: return QThread::LowestPriority;
    case TThreadPriority::tpLower: return QThread::LowPriority;
    case TThreadPriority::tpNormal: return QThread::NormalPriority;
    case TThreadPriority::tpHigher: return QThread::HighPriority;
    case TThreadPriority::tpHighest: return QThread::HighestPriority;
    case TThreadPriority::tpTimeCritical: return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

} // namespace

TThread::TThread(bool createSuspended)
    : runner_(std::make_unique<Runner>(*this))
    , dispatcher_(std::make_unique<Dispatcher>(*this))
{
    if (!createSuspended)
        Resume();
}

TThread::~TThread()
{
    TerminateAndWait();
}

void TThread::Resume()
{
    bool start = false;
    {
        std::lock_guard lock(mutex_);
        suspended_ = false;
        if (!started_) {
            started_ = true;
            start = true;
        }
    }
    workerWake_.notify_all();
    if (start)
        runner_->start(ToQtPriority(priority_.load()));
}

void TThread::Suspend()
{
    {
        std::lock_guard lock(mutex_);
        suspended_ = true;
    }
    workerWake_.notify_all();
    uiWake_.notify_all();
}

bool TThread::Suspended() const
{
    std::lock_guard lock(mutex_);
    return suspended_;
}

void TThread::Terminate()
{
    {
        std::lock_guard lock(mutex_);
        terminated_.store(true, std::memory_order_release);
    }
    workerWake_.notify_all();
}

void TThread::SetPriority(TThreadPriority priority)
{
    priority_.store(priority);
    if (runner_->isRunning())
        ApplyPriority();
}

void TThread::ApplyPriority()
{
    // Qt ignores priorities the platform's scheduling policy cannot express;
    // that is the platform's mapping and not an error.
    runner_->setPriority(ToQtPriority(priority_.load()));
}

void TThread::Run()
{
    WaitWhileSuspended();
    if (!Terminated()) {
        ApplyPriority();
        Execute();
    }
    {
        std::lock_guard lock(mutex_);
        finished_.store(true, std::memory_order_release);
    }
    uiWake_.notify_all();
}

void TThread::WaitWhileSuspended()
{
    std::unique_lock lock(mutex_);
    workerWake_.wait(lock, [this] { return !suspended_ || terminated_.load(); });
}

void TThread::Synchronize(const std::function<void()>& call)
{
    if (QThread::currentThread() == dispatcher_->thread()) {
        call();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        pendingCall_ = &call;
        callDone_ = false;
    }
    uiWake_.notify_all();
    auto* serve = new QEvent(Dispatcher::ServeType());
    TSAN_RELEASE(serve);
    QCoreApplication::postEvent(dispatcher_.get(), serve);
    {
        std::unique_lock lock(mutex_);
        workerWake_.wait(lock, [this] { return callDone_; });
    }
    WaitWhileSuspended();
}

bool TThread::ServeSynchronize()
{
    const std::function<void()>* call = nullptr;
    {
        std::lock_guard lock(mutex_);
        call = pendingCall_;
        pendingCall_ = nullptr;
    }
    if (!call)
        return false;
    serving_.store(true);
    auto markDone = [this] {
        serving_.store(false);
        {
            std::lock_guard lock(mutex_);
            callDone_ = true;
        }
        workerWake_.notify_all();
    };
    try {
        (*call)();
    } catch (...) {
        markDone();
        throw;
    }
    markDone();
    return true;
}

void TThread::WaitForWorkerEvent(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    uiWake_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                     [this] { return pendingCall_ != nullptr || suspended_ || finished_.load(); });
}

void TThread::Wake()
{
    {
        std::lock_guard lock(mutex_);
    }
    workerWake_.notify_all();
}

void TThread::WaitUntil(const std::function<bool()>& wake)
{
    std::unique_lock lock(mutex_);
    workerWake_.wait(lock, [&] { return terminated_.load() || suspended_ || wake(); });
}

void TThread::TerminateAndWait()
{
    {
        std::lock_guard lock(mutex_);
        if (!started_)
            return; // never started: there is no body to end
    }
    Terminate();
    {
        std::lock_guard lock(mutex_);
        suspended_ = false;
    }
    workerWake_.notify_all();
    // Serve the worker's synchronised calls until its body has returned, so a
    // worker blocked in Synchronize can finish.
    while (!Finished()) {
        ServeSynchronize();
        WaitForWorkerEvent(20);
    }
    runner_->wait();
}
