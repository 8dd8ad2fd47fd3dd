#pragma once

#include "speech/Speaker.h"

namespace zq {

// Why the program cannot speak, as the speech thread reports it once.
enum class SpeechProblem {
    NoModule,         // the program's speech module is missing or cannot be loaded
    NoSpeechPlugin,   // Qt has no speech-dispatcher plug-in
    NoSpeechService,  // speech-dispatcher cannot be reached
    ServiceLost,      // speech-dispatcher stopped answering while the program spoke
};

// A voice that says one utterance at a time: Qt's text to speech over
// speech-dispatcher in the program, a recording fake in the tests. It is
// made, used and destroyed on one thread (the speech thread), and tells its
// listener there when it is done.
class SpeechEngine {
public:
    class Listener {
    public:
        virtual ~Listener() = default;
        // The utterance last begun has been said to its end, or cut off.
        virtual void SpeechDone() = 0;
        // The voice can say nothing more.
        virtual void SpeechFailed(SpeechProblem problem) = 0;
    };

    virtual ~SpeechEngine() = default;
    // Begins to say `utterance` (never empty) with its voice, cutting off
    // what is being said; the listener hears SpeechDone when it ends. An
    // utterance that was cut off is not reported done.
    virtual void Speak(const Utterance& utterance) = 0;
};

}  // namespace zq
