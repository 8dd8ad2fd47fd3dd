#pragma once

// A sound output that hands every cue to another output living on a thread
// of its own, so that no caller (the user-interface thread, the game thread)
// ever waits for the sound system.
//
// Who runs what
//   Any thread: Play. It stores the cue and queues a hand-over to the sound
//     thread, and returns at once, even while the sound thread is stuck.
//   The sound thread: making the inner output, every Play on it, and its
//     destruction. Nothing else touches the inner output.
//   The thread that made this object (the user-interface thread): the
//     destruction, once no other thread plays cues any more.
//
// Cues reach the inner output in the order they were played. When cues come
// faster than the sound system starts them, only the newest one waiting is
// handed on: the ones before it would have been cut off at once anyway.
//
// Ending
//   The destructor drops the cue still waiting, asks the sound thread to
//   destroy the inner output and end, and waits for it for at most one
//   second. A sound system that answers ends in milliseconds. One that does
//   not (a sound server that froze, a platform decoder that waits for bytes
//   that never come) keeps the thread inside the platform's code, where
//   nothing can interrupt it. That thread is then left behind, and:
//   - nothing it uses is ever destroyed: its QThread, the object its queued
//     calls run in, and the state it shares with this object stay alive
//     for the rest of the process;
//   - should it wake up, it finds no cue to play: it destroys the inner
//     output and ends;
//   - the process ends at once when exit() begins, before the destructors
//     of the platform's global objects run under the stuck thread (see
//     SkipGlobalDestructorsAtExit): the sound server's library aborts, and
//     Qt's sample cache corrupts the heap, when they are destroyed while in
//     use. The program has stored everything before it ends, so nothing is
//     lost; only the memory is not handed back, which the end does anyway.
//   So the end of a program never waits for sound longer than one second,
//   and ends cleanly with its own exit status, whatever the sound system does.

#include <functional>
#include <memory>
#include <string>

#include "sound/TWavePlayer.h"

class QObject;
class QThread;

namespace zq {

class SoundThread : public SoundOutput {
public:
    using OutputFactory = std::function<std::unique_ptr<SoundOutput>()>;

    // Starts the thread; the inner output is made there, by `makeOutput`.
    explicit SoundThread(OutputFactory makeOutput);
    // Ends the inner output and the thread, or leaves a stuck thread behind
    // (see Ending above).
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
