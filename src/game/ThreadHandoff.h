#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "game/GameWindow.h"

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
// calls an event handler.
class ThreadHandoff {
public:
    explicit ThreadHandoff(GameWindow& window);

    // --- UI thread ---
    // The mutex, for reading or changing the game while the game thread may
    // run. Never hold it while calling anything else here.
    std::unique_lock<std::mutex> Lock() const;
    // The game thread is about to start on its first pass; false when the
    // game has already been abandoned.
    bool BeginFirstPass();
    // Releases a game thread that waits for a tick; a tick that comes while
    // a pass is still running is dropped.
    void GrantPass();
    // The game makes no further pass: a waiting game thread leaves, a step
    // not yet begun on the UI thread is dropped, and a step that is running
    // finishes first.
    void Abandon();
    // No pass is running: the game thread has not started, waits for a
    // tick, or has left.
    bool Idle() const;
    // Abandon has been called; with the mutex held.
    bool Abandoned() const;

    // --- game thread ---
    // Takes and gives back the mutex around the game thread's life.
    void EnterGameThread();
    void LeaveGameThread();
    // Waits for the next tick; false when the game was abandoned.
    bool AwaitPass();
    // Has the window run `step` on the UI thread and waits until it is done;
    // throws GameAbandoned when the game is abandoned before it runs.
    void RunOnUiThread(const std::function<void()>& step);
    // Calls `handler` with the mutex let go.
    void CallUnlocked(const std::function<void()>& handler);

private:
    enum class GameThread { NotStarted, Passing, WaitingForTick, Left };

    // Shared with the steps posted to the UI thread, which may outlive the
    // game when it is abandoned before they run.
    struct Meeting {
        mutable std::mutex mutex;
        std::condition_variable changed;
        GameThread gameThread = GameThread::NotStarted;
        bool abandoned = false;
        bool stepPending = false;  // a step is posted and not yet done
        bool stepRunning = false;  // the UI thread is running it
    };
    static void RunPostedStep(Meeting& meeting, const std::function<void()>& step);

    GameWindow& window_;
    std::shared_ptr<Meeting> meeting_;
    std::unique_lock<std::mutex> gameThreadLock_;  // used by the game thread only
};

}  // namespace zq
