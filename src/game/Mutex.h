#pragma once

#include <atomic>
#include <cassert>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "base/ThreadSafety.h"

namespace zq {

// A std::mutex that clang's thread-safety analysis understands (libstdc++'s
// is not annotated): state marked GUARDED_BY a Mutex is read and written
// only while it is held, and the compiler checks it. lock and unlock are
// named as the standard's are, so that std::unique_lock takes a Mutex too.
class CAPABILITY("mutex") Mutex {
public:
    void lock() ACQUIRE() {
        mutex_.lock();
        owner_ = std::this_thread::get_id();
    }
    void unlock() RELEASE() {
        owner_ = std::thread::id();
        mutex_.unlock();
    }

    // Waits until `changed` is notified, with the mutex let go meanwhile;
    // held again on return. Wakes may be spurious: wait in a loop that tests
    // the condition, which the analysis then sees read under the mutex.
    void Wait(std::condition_variable& changed) REQUIRES(this) {
        std::unique_lock<std::mutex> held(mutex_, std::adopt_lock);
        owner_ = std::thread::id();
        changed.wait(held);
        owner_ = std::this_thread::get_id();
        held.release();  // stays locked, as the caller holds it
    }

    // Where code that the analysis cannot follow (a callback of an
    // interface) runs with the mutex held by contract: checks it in debug
    // builds, and lets the analysis count the mutex as held from here on.
    void AssertHeld() const ASSERT_CAPABILITY(this) {
        assert(owner_ == std::this_thread::get_id() && "the mutex is not held by this thread");
    }

private:
    std::mutex mutex_;
    std::atomic<std::thread::id> owner_;  // the thread that holds it, for AssertHeld
};

// Holds a Mutex for its scope.
class SCOPED_CAPABILITY MutexLock {
public:
    explicit MutexLock(Mutex& mutex) ACQUIRE(mutex) : mutex_(mutex) { mutex_.lock(); }
    ~MutexLock() RELEASE() { mutex_.unlock(); }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

private:
    Mutex& mutex_;
};

}  // namespace zq
