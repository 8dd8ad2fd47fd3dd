#pragma once

#include <mutex>
#include <string>

namespace zq {

// Where the player's sounds go: the platform's sound system, or a recording
// fake in the tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the wave file at path8 (8-bit text) from its beginning without
    // waiting for it, cutting off the cue still sounding, even when it is
    // the same file: at most one cue sounds at a time. A file that is
    // missing or not a playable wave file rings the desktop's bell instead.
    virtual void Play(const std::string& path8) = 0;
};

// The one sound player of a run. It keeps the name of its current file and
// plays it asynchronously, never looping.
//
// PlayCue may be called from any thread (the drills call it on the
// user-interface thread, the game on its own thread): the calls are put in
// one order and handed to the output in that order. The output must accept
// Play from any thread and return at once (see QtSoundOutput).
class TWavePlayer {
public:
    explicit TWavePlayer(SoundOutput& output);

    // Makes path8 the current file when it differs from it, then plays the
    // current file from its beginning. An empty name plays nothing.
    void PlayCue(const std::string& path8);

    // The current file, empty until the first cue.
    std::string FileName() const;

private:
    // False when there is no file to play.
    bool PlayCurrentFile();

    SoundOutput& output_;
    mutable std::mutex mutex_;  // orders the cues of the game thread and the user-interface thread
    std::string fileName_;
};

}  // namespace zq
