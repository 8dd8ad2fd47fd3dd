#include "app/ui/SpeechModuleOutput.h"

#include <QLibrary>

#include "app/module/SpeechModule.h"

namespace zq {
namespace {

// On the speech thread. The module stays loaded for the rest of the run.
std::unique_ptr<SpeechEngine> LoadSpeech(const std::string& modulePath, SpeechEngine::Listener& listener,
                                         SpeechProblem& problem) {
    QLibrary module(QString::fromStdString(modulePath));
    const auto make = reinterpret_cast<MakeSpeechEngine>(module.resolve(kMakeSpeechEngine));
    if (make == nullptr) {
        problem = SpeechProblem::NoModule;
        return nullptr;
    }
    return std::unique_ptr<SpeechEngine>(make(listener, problem));
}

}  // namespace

std::unique_ptr<SpeechModuleOutput> SpeechModuleOutput::FromModulesFolder(const std::string& modulesFolder,
                                                                          ProblemHandler problem) {
    return std::make_unique<SpeechModuleOutput>(modulesFolder + "zq-speech", std::move(problem));
}

SpeechModuleOutput::SpeechModuleOutput(std::string modulePath, ProblemHandler problem)
    : SpeechThread(
          [modulePath = std::move(modulePath)](SpeechEngine::Listener& listener, SpeechProblem& why) {
              return LoadSpeech(modulePath, listener, why);
          },
          std::move(problem)) {}

}  // namespace zq
