// The speech module, "zq-speech.so" in the program's modules folder: the
// part of speech that needs Qt TextToSpeech, with speech-dispatcher's
// library behind it. The program loads it on its speech thread the first
// time speech is switched on (see SpeechModuleOutput), so that a learner who
// never listens starts and runs without it, and a machine without it runs
// silently after saying so.
#include "app/module/SpeechModule.h"

#include <QtGlobal>

#include "speech/ui/QtSpeechEngine.h"

extern "C" Q_DECL_EXPORT zq::SpeechEngine* ZqMakeSpeechEngine(zq::SpeechEngine::Listener& listener,
                                                              zq::SpeechProblem& problem) {
    return zq::QtSpeechEngine::Make(listener, problem).release();
}
