#include "base/FileLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A folder several accounts share (a classroom's program folder): the lock
// file one account made must let the others lock too, or their runs would
// go on without any lock.
TEST(FileLockTest, TheLockFileOneAccountMadeOtherAccountsCanLock) {
    if (geteuid() != 0) GTEST_SKIP() << "needs to act as another account";
    test::TempFolder folder;
    ASSERT_EQ(chmod(folder.Dir().c_str(), 0777), 0);
    const std::string path = folder.File("zqc.ini.lock");
    const mode_t saved = umask(022);  // what a desktop session usually has
    const FileLock mine(path, 1, FileLock::Wait::No);
    umask(saved);
    ASSERT_TRUE(mine.Held());

    test::ChildProcess otherAccount([&] {
        if (setgid(65534) != 0 || setuid(65534) != 0) return 2;
        const FileLock theirs(path, 2, FileLock::Wait::No);
        const FileLock sameUser(path, 1, FileLock::Wait::No);
        return theirs.Held() && sameUser.HeldElsewhere() ? 0 : 1;
    });
    EXPECT_EQ(otherAccount.Wait(), 0);
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
