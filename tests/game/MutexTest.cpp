#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include "game/Mutex.h"

namespace zq {
namespace {

struct Shared {
    Mutex mutex;
    std::condition_variable changed;
    bool ready GUARDED_BY(mutex) = false;
    int waits GUARDED_BY(mutex) = 0;
};

TEST(MutexTest, WaitLetsGoOfTheMutexAndHoldsItAgainWhenWoken) {
    Shared shared;
    std::thread waiter([&shared] {
        MutexLock lock(shared.mutex);
        while (!shared.ready) {
            ++shared.waits;
            shared.mutex.Wait(shared.changed);
        }
        shared.mutex.AssertHeld();
    });
    // The waiter holds the mutex except while it waits: the notifier gets it
    // only then.
    while (true) {
        MutexLock lock(shared.mutex);
        if (shared.waits > 0) {
            shared.ready = true;
            break;
        }
    }
    shared.changed.notify_all();
    waiter.join();
    MutexLock lock(shared.mutex);
    EXPECT_TRUE(shared.ready);
}

// As the window holds the game's mutex while it copies the picture.
void SetReadyUnderAStandardLock(Shared& shared) {
    std::unique_lock<Mutex> lock(shared.mutex);
    shared.mutex.AssertHeld();
    shared.ready = true;
}

TEST(MutexTest, AStandardLockTakesItAndGivesItBack) {
    Shared shared;
    SetReadyUnderAStandardLock(shared);
    std::thread other([&shared] {
        MutexLock lock(shared.mutex);  // free again
        ++shared.waits;
    });
    other.join();
    MutexLock lock(shared.mutex);
    EXPECT_TRUE(shared.ready);
    EXPECT_EQ(shared.waits, 1);
}

TEST(MutexDeathTest, DebugBuildsStopWhereTheMutexIsClaimedButNotHeld) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Mutex mutex;
    EXPECT_DEBUG_DEATH(mutex.AssertHeld(), "not held");
    // Held by another thread is not held by this one.
    std::promise<void> held;
    std::promise<void> release;
    std::thread holder([&] {
        MutexLock lock(mutex);
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();
    EXPECT_DEBUG_DEATH(mutex.AssertHeld(), "not held");
    release.set_value();
    holder.join();
}

}  // namespace
}  // namespace zq
