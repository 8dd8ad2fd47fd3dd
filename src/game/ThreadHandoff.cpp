#include "game/ThreadHandoff.h"

namespace zq {

ThreadHandoff::ThreadHandoff(GameWindow& window) : window_(window), meeting_(std::make_shared<Meeting>()) {}

bool ThreadHandoff::BeginFirstPass() {
    MutexLock lock(meeting_->mutex);
    if (meeting_->abandoned || meeting_->gameThread != GameThreadState::NotStarted) return false;
    meeting_->gameThread = GameThreadState::Passing;
    return true;
}

void ThreadHandoff::GrantPass() {
    {
        MutexLock lock(meeting_->mutex);
        if (meeting_->gameThread != GameThreadState::WaitingForTick || meeting_->abandoned) return;
        meeting_->gameThread = GameThreadState::Passing;
    }
    meeting_->changed.notify_all();
}

void ThreadHandoff::Abandon() {
    {
        MutexLock lock(meeting_->mutex);
        meeting_->abandoned = true;
    }
    meeting_->changed.notify_all();
}

bool ThreadHandoff::Idle() const {
    MutexLock lock(meeting_->mutex);
    return meeting_->gameThread != GameThreadState::Passing;
}

bool ThreadHandoff::Abandoned() const {
    return meeting_->abandoned;
}

void ThreadHandoff::EnterGameThread() {
    meeting_->mutex.lock();
}

void ThreadHandoff::LeaveGameThread() {
    meeting_->gameThread = GameThreadState::Left;
    meeting_->mutex.unlock();
}

bool ThreadHandoff::AwaitPass() {
    meeting_->gameThread = GameThreadState::WaitingForTick;
    while (meeting_->gameThread != GameThreadState::Passing && !meeting_->abandoned)
        meeting_->mutex.Wait(meeting_->changed);
    return !meeting_->abandoned;
}

void ThreadHandoff::RunOnUiThread(const std::function<void()>& step) {
    if (meeting_->abandoned) throw GameAbandoned{};
    meeting_->stepPending = true;
    // Posted with the mutex let go, so that the window's queue and the game's
    // mutex are never taken in two orders.
    CallUnlocked([&] {
        GameThreadRole.Assert();
        window_.PostToUiThread([shared = meeting_, step] { RunPostedStep(*shared, step); });
    });
    // A step that has begun is always waited for: it uses the game.
    while (meeting_->stepPending && !(meeting_->abandoned && !meeting_->stepRunning))
        meeting_->mutex.Wait(meeting_->changed);
    if (meeting_->stepPending) {
        meeting_->stepPending = false;
        throw GameAbandoned{};
    }
}

void ThreadHandoff::RunPostedStep(Meeting& meeting, const std::function<void()>& step) {
    UiThreadRole.Assert();
    {
        MutexLock lock(meeting.mutex);
        if (meeting.abandoned || !meeting.stepPending || meeting.stepRunning) return;
        meeting.stepRunning = true;
    }
    // The game thread waits meanwhile, so the step has the game to itself;
    // the mutex stays free for the window's repaint inside the step.
    struct Finish {
        Meeting& meeting;
        ~Finish() {
            {
                MutexLock lock(meeting.mutex);
                meeting.stepRunning = false;
                meeting.stepPending = false;
            }
            meeting.changed.notify_all();
        }
    } finish{meeting};
    step();
}

void ThreadHandoff::CallUnlocked(const std::function<void()>& handler) {
    meeting_->mutex.unlock();
    try {
        handler();
    } catch (...) {
        meeting_->mutex.lock();
        throw;
    }
    meeting_->mutex.lock();
}

}  // namespace zq
