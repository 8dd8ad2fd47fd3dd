#pragma once

#include <memory>
#include <string>

#include "app/MainFormViews.h"

namespace zq {

class SpeechModuleOutput;

// The main window's voice: nothing until speech is first switched on, then
// the speech module on its own thread (SpeechModuleOutput) for the rest of
// the run; and the user-interface thread's timers for the narrators.
class ProgramSpeech final : public SpeechOutputs {
public:
    // The speech module of `modulesFolder` (ending with "/").
    explicit ProgramSpeech(std::string modulesFolder);
    ~ProgramSpeech() override;

    Speaker& StartSpeech(std::function<void(SpeechProblem problem)> unavailable) override;
    std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> timeout) override;

    // Whether speech has been started in this run.
    bool Started() const { return speaker_ != nullptr; }

private:
    std::string modulesFolder_;
    std::unique_ptr<SpeechModuleOutput> speaker_;
};

}  // namespace zq
