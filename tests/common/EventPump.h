// Waiting in tests for something that another thread or the event loop
// brings about, while serving the user-interface thread's events.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

// Processes events until done() or the time runs out; true when done.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// Processes events for a while.
inline void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}
