#pragma once

#include <string>

#include "speech/SpeechEngine.h"

namespace zq {

// What the learner is told, once a run, when speech is switched on but the
// program cannot speak (UTF-8, in the language of the program's texts): what
// is missing, and that the program goes on without speech. Never a failure:
// everything else works as before.
std::string SpeechProblemMessage(SpeechProblem problem);

}  // namespace zq
