#pragma once

// What the speech module offers the program (see SpeechModule.cpp).

#include "speech/SpeechEngine.h"

// The name of the module's one function.
inline constexpr const char* kMakeSpeechEngine = "ZqMakeSpeechEngine";

// The program's voice over Qt TextToSpeech, made on the calling thread (the
// speech thread) and owned by the caller; it tells `listener` there when an
// utterance is done. Null, with `problem` set, when the machine cannot speak.
using MakeSpeechEngine = zq::SpeechEngine* (*)(zq::SpeechEngine::Listener& listener,
                                               zq::SpeechProblem& problem);
