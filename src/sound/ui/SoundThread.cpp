#include "sound/ui/SoundThread.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QThread>
#include <mutex>
#include <optional>

#include "base/StuckThreadExit.h"

namespace zq {

namespace {

// How long the end waits for the sound thread to destroy its output and
// end, before it leaves the thread behind. A sound system that answers
// needs milliseconds; the rest of the second is for a machine under load.
constexpr int kShutdownWaitMs = 1000;

}  // namespace

struct SoundThread::Shared {
    std::mutex mutex;
    std::optional<std::string> waitingCue;  // played, not yet handed on
    std::unique_ptr<SoundOutput> output;    // made, used and destroyed on the sound thread
};

SoundThread::SoundThread(OutputFactory makeOutput)
    : shared_(std::make_shared<Shared>()), thread_(new QThread), receiver_(new QObject) {
    thread_->setObjectName(QStringLiteral("sound"));
    receiver_->moveToThread(thread_);
    thread_->start();
    QMetaObject::invokeMethod(
        receiver_, [shared = shared_, makeOutput = std::move(makeOutput)] { shared->output = makeOutput(); },
        Qt::QueuedConnection);
}

SoundThread::~SoundThread() {
    {
        // A thread that wakes up after the end plays nothing more.
        const std::lock_guard lock(shared_->mutex);
        shared_->waitingCue.reset();
    }
    QMetaObject::invokeMethod(
        receiver_,
        [shared = shared_] {
            shared->output.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (thread_->wait(QDeadlineTimer(kShutdownWaitMs))) {
        delete receiver_;
        delete thread_;
        return;
    }
    // Stuck in the sound system: the thread keeps what it uses, and the
    // process's end must not destroy the platform's objects under it.
    SkipGlobalDestructorsAtExit();
}

void SoundThread::Play(const std::string& path8) {
    bool handOverQueued = false;
    {
        const std::lock_guard lock(shared_->mutex);
        handOverQueued = shared_->waitingCue.has_value();
        shared_->waitingCue = path8;
    }
    if (handOverQueued) return;
    // Queued outside the lock, so that the sound thread, woken by it, does
    // not find the lock still held.
    QMetaObject::invokeMethod(
        receiver_, [shared = shared_] { HandOver(*shared); }, Qt::QueuedConnection);
}

void SoundThread::HandOver(Shared& shared) {
    std::optional<std::string> cue;
    {
        const std::lock_guard lock(shared.mutex);
        cue.swap(shared.waitingCue);
    }
    if (cue) shared.output->Play(*cue);
}

}  // namespace zq
