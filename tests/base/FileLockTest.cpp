#include "base/FileLock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "../support/ChildProcess.h"
#include "../support/TempFolder.h"

namespace zq {
namespace {

using std::chrono::milliseconds;

TEST(FileLockTest, AWaitingLockIsTakenOnceItsHolderIsKilled) {
    test::TempFolder folder;
    const std::string path = folder.File("zqc.ini.lock");
    test::Handshake locked;
    test::ChildProcess holder([&] {
        const FileLock lock(path, 0, FileLock::Wait::UntilFree);
        locked.Signal();
        pause();
        return 0;
    });
    ASSERT_TRUE(locked.Wait());

    std::atomic<bool> taken{false};
    std::thread waiter([&] {
        const FileLock lock(path, 0, FileLock::Wait::UntilFree);
        taken = lock.Held();
    });
    std::this_thread::sleep_for(milliseconds(200));
    EXPECT_FALSE(taken) << "the lock was taken while its holder had it";
    holder.Kill();
    waiter.join();
    EXPECT_TRUE(taken);
}

TEST(FileLockTest, LocksOnOtherBytesOfTheFileDoNotMeet) {
    test::TempFolder folder;
    const std::string path = folder.File("zqc.ini.lock");
    const FileLock first(path, 1, FileLock::Wait::No);
    const FileLock second(path, 2, FileLock::Wait::No);
    EXPECT_TRUE(first.Held());
    EXPECT_TRUE(second.Held());

    const FileLock again(path, 1, FileLock::Wait::No);
    EXPECT_TRUE(again.HeldElsewhere());
    EXPECT_FALSE(again.Held());
}

TEST(FileLockTest, AMovedLockIsHeldByItsNewOwnerAndLetGoOnce) {
    test::TempFolder folder;
    const std::string path = folder.File("zqc.ini.lock");
    std::optional<FileLock> owner;
    {
        FileLock lock(path, 5, FileLock::Wait::No);
        owner = std::move(lock);
    }
    EXPECT_TRUE(owner->Held());
    EXPECT_TRUE(FileLock(path, 5, FileLock::Wait::No).HeldElsewhere());
    owner.reset();
    EXPECT_TRUE(FileLock(path, 5, FileLock::Wait::No).Held());
}

}  // namespace
}  // namespace zq
