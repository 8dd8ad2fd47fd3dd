#pragma once

#include <atomic>
#include <thread>

#include "base/ThreadSafety.h"

namespace zq {

// The part a thread plays in a game, as a capability of clang's
// thread-safety analysis: a function that must run on the UI thread
// REQUIRES(UiThreadRole), one that must run on the game thread
// REQUIRES(GameThreadRole), and the compiler rejects a call from code that
// does not run there. Where a thread enters the game (the game thread
// starts, a step handed over by the game thread begins on the UI thread),
// Enter or Assert says which role the code plays from there on.
//
// At run time a role remembers the thread that entered it last, and debug
// builds check every Assert against it.
class CAPABILITY("role") ThreadRole {
public:
    // The calling thread plays this role from now on.
    void Enter() ASSERT_CAPABILITY(this) { thread_ = std::this_thread::get_id(); }
    // The calling code runs on the thread that plays this role.
    void Assert() const ASSERT_CAPABILITY(this);

private:
    std::atomic<std::thread::id> thread_;
};

// The thread of the windows, timers and files; it makes each game.
extern ThreadRole UiThreadRole;
// The thread of the running game, which makes one pass of its loop per tick.
extern ThreadRole GameThreadRole;

}  // namespace zq
