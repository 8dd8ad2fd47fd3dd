#include "base/ui/QtOneShotTimer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace zq {
namespace {

// Runs the event loop until `condition` holds, for at most `ms` milliseconds.
bool RunEventsUntil(const std::function<bool()>& condition, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return condition();
}

void RunEventsFor(int ms) {
    RunEventsUntil([] { return false; }, ms);
}

TEST(QtOneShotTimer, CallsItsHandlerOnceWhenItsTimeHasPassed) {
    int calls = 0;
    const std::unique_ptr<OneShotTimer> timer = QtOneShotTimer::Make([&calls] { ++calls; });
    timer->Start(20);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(RunEventsUntil([&calls] { return calls > 0; }, 5000));
    RunEventsFor(100);
    EXPECT_EQ(calls, 1) << "once, not again";
}

TEST(QtOneShotTimer, StartedAgainItWaitsAfreshAndStoppedItCallsNothing) {
    int calls = 0;
    QtOneShotTimer timer([&calls] { ++calls; });
    timer.Start(800);
    RunEventsFor(500);
    timer.Start(800);
    RunEventsFor(500);
    EXPECT_EQ(calls, 0) << "the second start put the time off: the first would have called by now";
    timer.Stop();
    RunEventsFor(1000);
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace zq
