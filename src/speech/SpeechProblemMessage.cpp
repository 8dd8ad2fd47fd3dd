#include "speech/SpeechProblemMessage.h"

#include "base/Translation.h"

namespace zq {

std::string SpeechProblemMessage(SpeechProblem problem) {
    const char* what = "";
    switch (problem) {
        case SpeechProblem::NoModule:
            what = Tr("Speech is switched on, but the program's speech module is missing.");
            break;
        case SpeechProblem::NoSpeechPlugin:
            what =
                Tr("Speech is switched on, but Qt's speech-dispatcher plug-in is not installed "
                   "(Debian package qt6-speech-speechd-plugin).");
            break;
        case SpeechProblem::NoSpeechService:
            what =
                Tr("Speech is switched on, but the speech service speech-dispatcher cannot be reached "
                   "(Debian packages speech-dispatcher and speech-dispatcher-espeak-ng).");
            break;
        case SpeechProblem::ServiceLost:
            what = Tr("The speech service speech-dispatcher stopped answering.");
            break;
    }
    return std::string(what) + " " + Tr("The program goes on without speech.");
}

}  // namespace zq
