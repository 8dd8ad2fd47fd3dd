#include "base/stopwatch.h"

#include <gtest/gtest.h>

#include "../support/FakeClock.h"

namespace zq {
namespace {

TEST(StopwatchTest, NeverReportsLessThanTheFloor) {
    testing::FakeClock clock;
    stopwatch watch(clock.Function());
    EXPECT_TRUE(watch.Stopped());
    EXPECT_EQ(watch.Elapsed(), 25);
    watch.Start();
    clock.now += 10;
    watch.Stop();
    EXPECT_EQ(watch.Elapsed(), 25);
}

TEST(StopwatchTest, StopSetsTheRunTimeAndElapsedAddsWhileRunning) {
    testing::FakeClock clock;
    stopwatch watch(clock.Function());
    watch.Start();
    clock.now += 700;
    watch.Stop();
    EXPECT_EQ(watch.Elapsed(), 700);
    watch.Start();
    clock.now += 300;
    watch.Stop();
    EXPECT_EQ(watch.Elapsed(), 300) << "Stop sets the time, it does not add";

    watch.SetElapsed(1000);
    watch.Start();
    clock.now += 200;
    EXPECT_EQ(watch.Elapsed(), 1200);
    clock.now += 50;
    EXPECT_EQ(watch.Elapsed(), 1250) << "each reading adds only the time since the last one";
    clock.now += 10;
    watch.Stop();
    EXPECT_EQ(watch.Elapsed(), 25) << "Stop measures only from the last reading (10 ms, raised to the floor)";
}

TEST(StopwatchTest, AClockThatGoesBackGivesTheFloorNotANegativeTime) {
    testing::FakeClock clock;
    stopwatch watch(clock.Function());
    watch.Start();
    clock.now -= 5000;
    watch.Stop();
    EXPECT_EQ(watch.Elapsed(), 25);
}

}  // namespace
}  // namespace zq
