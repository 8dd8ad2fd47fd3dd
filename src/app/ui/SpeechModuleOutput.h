#pragma once

#include <memory>
#include <string>

#include "speech/ui/SpeechThread.h"

namespace zq {

// The program's speaker: utterances are said on a speech thread of its own
// through the speech module "zq-speech.so" of the program's modules folder,
// which that thread loads when this object is made (the first time speech
// is switched on). So a run without speech never loads Qt TextToSpeech or
// speech-dispatcher's library. Without the module, the problem handler
// hears NoModule and nothing is said.
//
// Make and destroy it on the user-interface thread. Its end waits at most a
// second for a speech thread still connecting (see SpeechThread).
class SpeechModuleOutput final : public SpeechThread {
public:
    // The module of `modulesFolder` (ending with "/").
    static std::unique_ptr<SpeechModuleOutput> FromModulesFolder(const std::string& modulesFolder,
                                                                 ProblemHandler problem);
    // The module at `modulePath` (a file name without its ".so" will do).
    SpeechModuleOutput(std::string modulePath, ProblemHandler problem);
};

}  // namespace zq
