#pragma once

// What the sound output tests share: an event loop that runs until a
// condition holds, and a private sound server.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace zq::testing {

// Runs the event loop until `condition` holds or `timeoutMs` passed;
// returns the condition.
inline bool RunEventsUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return condition();
}

// Runs the event loop for `ms` milliseconds.
inline void RunEventsFor(int ms) {
    RunEventsUntil([] { return false; }, ms);
}

}  // namespace zq::testing
