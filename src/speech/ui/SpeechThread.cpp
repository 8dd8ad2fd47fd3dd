#include "speech/ui/SpeechThread.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QThread>
#include <mutex>
#include <utility>
#include <vector>

#include "base/StuckThreadExit.h"

namespace zq {

namespace {

// How long the end waits for the speech thread to destroy its engine and
// end, before it leaves the thread behind.
constexpr int kShutdownWaitMs = 1000;

struct Handed {
    Utterance utterance;
    bool now = false;
};

}  // namespace

struct SpeechThread::Shared {
    std::mutex mutex;
    std::vector<Handed> handed;  // said, not yet taken by the speech thread
    bool ending = false;         // the speaker is gone: say nothing more
    // Tells the making thread why the program cannot speak.
    std::function<void(SpeechProblem)> report;
    // On the speech thread only.
    SpeechQueue queue;
    std::unique_ptr<SpeechEngine> engine;
};

SpeechThread::SpeechThread(EngineFactory makeEngine, ProblemHandler problem)
    : shared_(std::make_shared<Shared>()),
      thread_(new QThread),
      receiver_(new QObject),
      reporter_(new QObject) {
    thread_->setObjectName(QStringLiteral("speech"));
    receiver_->moveToThread(thread_);
    // A problem is told on the making thread, unless the speaker has gone
    // (the destructor marks the end under the lock before it deletes the
    // reporter, which takes the calls not yet run with it).
    shared_->report = [shared = shared_.get(), reporter = reporter_,
                       problem = std::move(problem)](SpeechProblem why) {
        const std::lock_guard lock(shared->mutex);
        if (shared->ending) return;
        QMetaObject::invokeMethod(
            reporter, [problem, why] { problem(why); }, Qt::QueuedConnection);
    };
    shared_->queue.SetFailureHandler(shared_->report);
    thread_->start();
    QMetaObject::invokeMethod(
        receiver_,
        [shared = shared_, makeEngine = std::move(makeEngine)] { MakeEngine(*shared, makeEngine); },
        Qt::QueuedConnection);
}

SpeechThread::~SpeechThread() {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->handed.clear();
        shared_->ending = true;
    }
    delete reporter_;  // no problem is told after this
    QMetaObject::invokeMethod(
        receiver_,
        [shared = shared_] {
            shared->queue.SetEngine(nullptr);
            shared->engine.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (thread_->wait(QDeadlineTimer(kShutdownWaitMs))) {
        delete receiver_;
        delete thread_;
        return;
    }
    // Still making its engine: the thread keeps what it uses, and the
    // process's end must not destroy the platform's objects under it.
    SkipGlobalDestructorsAtExit();
}

void SpeechThread::MakeEngine(Shared& shared, const EngineFactory& makeEngine) {
    {
        const std::lock_guard lock(shared.mutex);
        if (shared.ending) return;
    }
    SpeechProblem problem = SpeechProblem::NoSpeechService;
    shared.engine = makeEngine(shared.queue, problem);
    if (shared.engine) {
        shared.queue.SetEngine(shared.engine.get());
    } else {
        shared.report(problem);
    }
}

void SpeechThread::SayNow(const Utterance& utterance) {
    Hand(utterance, true);
}

void SpeechThread::SayNext(const Utterance& utterance) {
    Hand(utterance, false);
}

void SpeechThread::Hand(const Utterance& utterance, bool now) {
    bool handOverQueued = false;
    {
        const std::lock_guard lock(shared_->mutex);
        handOverQueued = !shared_->handed.empty();
        if (now) shared_->handed.clear();
        shared_->handed.push_back({utterance, now});
    }
    if (handOverQueued) return;
    // Queued outside the lock, so that the speech thread, woken by it, does
    // not find the lock still held.
    QMetaObject::invokeMethod(
        receiver_, [shared = shared_] { HandOver(*shared); }, Qt::QueuedConnection);
}

void SpeechThread::HandOver(Shared& shared) {
    std::vector<Handed> handed;
    {
        const std::lock_guard lock(shared.mutex);
        handed.swap(shared.handed);
    }
    for (const Handed& each : handed) {
        if (each.now) {
            shared.queue.SayNow(each.utterance);
        } else {
            shared.queue.SayNext(each.utterance);
        }
    }
}

}  // namespace zq
