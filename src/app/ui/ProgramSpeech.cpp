#include "app/ui/ProgramSpeech.h"

#include "app/ui/SpeechModuleOutput.h"
#include "base/ui/QtOneShotTimer.h"

namespace zq {

ProgramSpeech::ProgramSpeech(std::string modulesFolder) : modulesFolder_(std::move(modulesFolder)) {}

ProgramSpeech::~ProgramSpeech() = default;

Speaker& ProgramSpeech::StartSpeech(std::function<void(SpeechProblem problem)> unavailable) {
    if (!speaker_) speaker_ = SpeechModuleOutput::FromModulesFolder(modulesFolder_, std::move(unavailable));
    return *speaker_;
}

std::unique_ptr<OneShotTimer> ProgramSpeech::MakeTimer(std::function<void()> timeout) {
    return QtOneShotTimer::Make(std::move(timeout));
}

}  // namespace zq
