#pragma once

// A speaker that hands every utterance to a voice living on a thread of its
// own, so that no caller (the user-interface thread, the game thread) ever
// waits for the speech service: making the voice may take seconds (a
// speech service that starts on demand, a voice list of thousands).
//
// Who runs what
//   Any thread: SayNow and SayNext. They store the utterance and queue a
//     hand-over to the speech thread, and return at once.
//   The speech thread: making the engine, the queue of utterances
//     (SpeechQueue), every call of the engine, its signals, and its
//     destruction. Nothing else touches them.
//   The thread that made this object (the user-interface thread): the
//     problem handler, called there once when the program cannot speak,
//     and the destruction, once no other thread says anything any more.
//
// Utterances reach the queue in the order they were said. One said now
// drops those handed in before it that the speech thread has not taken yet.
//
// Ending
//   The destructor drops what waits, asks the speech thread to destroy the
//   engine and end, and waits for it for at most one second. A thread still
//   making its engine (a speech service being started) is then left behind,
//   as the sound thread leaves a stuck thread (see SoundThread): nothing it
//   uses is destroyed, it says nothing when it wakes up, and the process
//   ends at once when exit() begins (SkipGlobalDestructorsAtExit).

#include <functional>
#include <memory>

#include "speech/SpeechEngine.h"
#include "speech/SpeechQueue.h"

class QObject;
class QThread;

namespace zq {

class SpeechThread : public Speaker {
public:
    // Makes the engine on the speech thread, telling `listener` when it is
    // done; nothing, with `problem` set, when the machine cannot speak.
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>(SpeechEngine::Listener& listener,
                                                                      SpeechProblem& problem)>;
    // Called on the thread that made the speaker.
    using ProblemHandler = std::function<void(SpeechProblem problem)>;

    // Starts the thread, which makes its engine at once.
    SpeechThread(EngineFactory makeEngine, ProblemHandler problem);
    ~SpeechThread() override;

    SpeechThread(const SpeechThread&) = delete;
    SpeechThread& operator=(const SpeechThread&) = delete;

    void SayNow(const Utterance& utterance) override;
    void SayNext(const Utterance& utterance) override;

private:
    struct Shared;
    // On the speech thread: makes the engine, or reports why it cannot.
    static void MakeEngine(Shared& shared, const EngineFactory& makeEngine);
    // On the speech thread: passes what was said to the queue.
    static void HandOver(Shared& shared);
    void Hand(const Utterance& utterance, bool now);

    std::shared_ptr<Shared> shared_;  // also held by the calls queued to the thread
    QThread* thread_;
    QObject* receiver_;  // lives on thread_: the queued calls run in its name
    QObject* reporter_;  // lives on the making thread: problems are told in its name
};

}  // namespace zq
