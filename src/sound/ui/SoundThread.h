#pragma once

#include <functional>
#include <memory>
#include <string>

#include "sound/WavePlayer.h"

class QObject;
class QThread;

namespace zq {

// A sound output that hands every cue to another output living on a thread
// of its own, so that no caller (the user-interface thread, the game thread)
// ever waits for the sound system: Play returns at once, from any thread.
//
// Cues reach the inner output in the order they were played. When cues come
// faster than the sound system starts them, only the newest one waiting is
// handed on: the ones before it would have been cut off at once anyway.
class SoundThread : public SoundOutput {
public:
    using OutputFactory = std::function<std::unique_ptr<SoundOutput>()>;

    // Starts the thread; the inner output is made there, by `makeOutput`.
    explicit SoundThread(OutputFactory makeOutput);
    // Destroys the inner output on its thread and ends the thread. Call it
    // once no other thread plays cues any more.
    ~SoundThread() override;

    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    void Play(const std::string& path8) override;

private:
    struct Shared;
    // On the sound thread: plays the newest cue waiting.
    static void HandOver(Shared& shared);

    std::shared_ptr<Shared> shared_;  // also held by the calls queued to the thread
    QThread* thread_;
    QObject* receiver_;  // lives on thread_: the queued calls run in its name
};

}  // namespace zq
