#pragma once

#include <QList>
#include <QLocale>
#include <QTextToSpeech>
#include <memory>
#include <optional>

#include "speech/SpeechEngine.h"

namespace zq {

// The program's voice: Qt's text to speech through speech-dispatcher (the
// engine "speechd", named, as the order of Qt's engines changes from run to
// run). Made, used and destroyed on the speech thread: making it connects
// to the speech service, which takes milliseconds against a running one and
// seconds when the service must start or lists thousands of voices.
//
// Each utterance's voice picks the first of the service's locales with its
// language (the service may offer "en_US" where "en" is asked for); a
// language it has no voice for keeps the voice before. The rate, -10 to 10,
// becomes Qt's -1 to 1.
//
// Qt tells the engine's state, not which utterance it concerns: a new
// utterance first cuts off the one before (whose end Qt reports as Ready
// too), so the end of an utterance is the first Ready after it has begun.
class QtSpeechEngine final : public SpeechEngine {
public:
    // The engine, or nothing, with `problem` set, when Qt has no
    // speech-dispatcher plug-in or the service cannot be reached or has no
    // voice.
    static std::unique_ptr<SpeechEngine> Make(Listener& listener, SpeechProblem& problem);

    QtSpeechEngine(std::unique_ptr<QTextToSpeech> speech, Listener& listener);
    ~QtSpeechEngine() override;

    void Speak(const Utterance& utterance) override;

private:
    void UseVoice(const Voice& voice);
    void StateChanged(QTextToSpeech::State state);
    void ErrorOccurred(QTextToSpeech::ErrorReason reason);

    std::unique_ptr<QTextToSpeech> speech_;
    Listener& listener_;
    QList<QLocale> locales_;
    std::optional<Voice> voice_;  // the voice set last
    bool awaitingStart_ = false;  // said, not yet begun
    bool speaking_ = false;       // begun, not yet ended
};

}  // namespace zq
