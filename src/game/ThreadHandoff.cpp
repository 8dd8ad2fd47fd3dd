#include "game/ThreadHandoff.h"

namespace zq {

ThreadHandoff::ThreadHandoff(GameWindow& window)
    : window_(window),
      meeting_(std::make_shared<Meeting>()),
      gameThreadLock_(meeting_->mutex, std::defer_lock) {}

std::unique_lock<std::mutex> ThreadHandoff::Lock() const {
    return std::unique_lock<std::mutex>(meeting_->mutex);
}

bool ThreadHandoff::BeginFirstPass() {
    std::lock_guard<std::mutex> lock(meeting_->mutex);
    if (meeting_->abandoned || meeting_->gameThread != GameThread::NotStarted) return false;
    meeting_->gameThread = GameThread::Passing;
    return true;
}

void ThreadHandoff::GrantPass() {
    {
        std::lock_guard<std::mutex> lock(meeting_->mutex);
        if (meeting_->gameThread != GameThread::WaitingForTick || meeting_->abandoned) return;
        meeting_->gameThread = GameThread::Passing;
    }
    meeting_->changed.notify_all();
}

void ThreadHandoff::Abandon() {
    {
        std::lock_guard<std::mutex> lock(meeting_->mutex);
        meeting_->abandoned = true;
    }
    meeting_->changed.notify_all();
}

bool ThreadHandoff::Idle() const {
    std::lock_guard<std::mutex> lock(meeting_->mutex);
    return meeting_->gameThread != GameThread::Passing;
}

bool ThreadHandoff::Abandoned() const {
    return meeting_->abandoned;
}

void ThreadHandoff::EnterGameThread() {
    gameThreadLock_.lock();
}

void ThreadHandoff::LeaveGameThread() {
    meeting_->gameThread = GameThread::Left;
    gameThreadLock_.unlock();
}

bool ThreadHandoff::AwaitPass() {
    Meeting& meeting = *meeting_;
    meeting.gameThread = GameThread::WaitingForTick;
    meeting.changed.wait(gameThreadLock_,
                         [&] { return meeting.gameThread == GameThread::Passing || meeting.abandoned; });
    return !meeting.abandoned;
}

void ThreadHandoff::RunOnUiThread(const std::function<void()>& step) {
    Meeting& meeting = *meeting_;
    if (meeting.abandoned) throw GameAbandoned{};
    meeting.stepPending = true;
    // Posted with the mutex let go, so that the window's queue and the game's
    // mutex are never taken in two orders.
    CallUnlocked(
        [&] { window_.PostToUiThread([shared = meeting_, step] { RunPostedStep(*shared, step); }); });
    // A step that has begun is always waited for: it uses the game.
    meeting.changed.wait(gameThreadLock_,
                         [&] { return !meeting.stepPending || (meeting.abandoned && !meeting.stepRunning); });
    if (meeting.stepPending) {
        meeting.stepPending = false;
        throw GameAbandoned{};
    }
}

void ThreadHandoff::RunPostedStep(Meeting& meeting, const std::function<void()>& step) {
    {
        std::lock_guard<std::mutex> lock(meeting.mutex);
        if (meeting.abandoned || !meeting.stepPending || meeting.stepRunning) return;
        meeting.stepRunning = true;
    }
    // The game thread waits meanwhile, so the step has the game to itself;
    // the mutex stays free for the window's repaint inside the step.
    struct Finish {
        Meeting& meeting;
        ~Finish() {
            {
                std::lock_guard<std::mutex> lock(meeting.mutex);
                meeting.stepRunning = false;
                meeting.stepPending = false;
            }
            meeting.changed.notify_all();
        }
    } finish{meeting};
    step();
}

void ThreadHandoff::CallUnlocked(const std::function<void()>& handler) {
    gameThreadLock_.unlock();
    struct Relock {
        std::unique_lock<std::mutex>& lock;
        ~Relock() { lock.lock(); }
    } relock{gameThreadLock_};
    handler();
}

}  // namespace zq
