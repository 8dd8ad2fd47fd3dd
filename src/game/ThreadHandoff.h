#pragma once

#include <condition_variable>
#include <functional>
#include <memory>

#include "base/ThreadSafety.h"
#include "game/GameWindow.h"
#include "game/Mutex.h"
#include "game/ThreadRole.h"

namespace zq {

// Thrown on the game thread when the game has been abandoned while the game
// thread waited for the UI thread: it unwinds the pass. Not a std::exception,
// so that no error handler of the game takes it for a failure.
struct GameAbandoned {};

// The meeting point of the game thread and the UI thread: one mutex that
// guards the game, the tick that lets the game thread make one pass, the
// steps that the game thread hands to the UI thread, and abandonment.
//
// The game thread holds the mutex whenever it works and lets go of it only
// while it waits (for a tick or for a step on the UI thread) and while it
// calls an event handler. Each function says which thread calls it and
// whether the mutex must be held (REQUIRES) or free (EXCLUDES); the compiler
// checks the callers.
class ThreadHandoff {
public:
    explicit ThreadHandoff(GameWindow& window);

    // The mutex that guards the game.
    Mutex& GameMutex() const RETURN_CAPABILITY(meeting_->mutex) { return meeting_->mutex; }

    // --- UI thread ---
    // The game thread is about to start on its first pass; false when the
    // game has already been abandoned.
    bool BeginFirstPass() REQUIRES(UiThreadRole) EXCLUDES(GameMutex());
    // Releases a game thread that waits for a tick; a tick that comes while
    // a pass is still running is dropped.
    void GrantPass() REQUIRES(UiThreadRole) EXCLUDES(GameMutex());
    // The game makes no further pass: a waiting game thread leaves, a step
    // not yet begun on the UI thread is dropped, and a step that is running
    // finishes first.
    void Abandon() REQUIRES(UiThreadRole) EXCLUDES(GameMutex());

    // --- either thread ---
    // No pass is running: the game thread has not started, waits for a
    // tick, or has left.
    bool Idle() const EXCLUDES(GameMutex());
    // Abandon has been called.
    bool Abandoned() const REQUIRES(GameMutex());

    // --- game thread ---
    // Takes and gives back the mutex around the game thread's life.
    void EnterGameThread() REQUIRES(GameThreadRole) ACQUIRE(GameMutex());
    void LeaveGameThread() REQUIRES(GameThreadRole) RELEASE(GameMutex());
    // Waits for the next tick; false when the game was abandoned.
    bool AwaitPass() REQUIRES(GameThreadRole, GameMutex());
    // Has the window run `step` on the UI thread and waits until it is done;
    // throws GameAbandoned when the game is abandoned before it runs.
    void RunOnUiThread(const std::function<void()>& step) REQUIRES(GameThreadRole, GameMutex());
    // Calls `handler` with the mutex let go.
    void CallUnlocked(const std::function<void()>& handler) REQUIRES(GameThreadRole, GameMutex());

private:
    enum class GameThreadState { NotStarted, Passing, WaitingForTick, Left };

    // Shared with the steps posted to the UI thread, which may outlive the
    // game when it is abandoned before they run.
    struct Meeting {
        Mutex mutex;
        std::condition_variable changed;
        GameThreadState gameThread GUARDED_BY(mutex) = GameThreadState::NotStarted;
        bool abandoned GUARDED_BY(mutex) = false;
        bool stepPending GUARDED_BY(mutex) = false;  // a step is posted and not yet done
        bool stepRunning GUARDED_BY(mutex) = false;  // the UI thread is running it
    };
    // Where a posted step enters the UI thread.
    static void RunPostedStep(Meeting& meeting, const std::function<void()>& step);

    GameWindow& window_;
    std::shared_ptr<Meeting> meeting_;
};

}  // namespace zq
