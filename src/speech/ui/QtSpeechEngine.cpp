#include "speech/ui/QtSpeechEngine.h"

#include <algorithm>

#include "profile/TProfile.h"

namespace zq {
namespace {

const QString kEngine = QStringLiteral("speechd");

double QtRate(std::int32_t rate) {
    return std::clamp(rate, TProfile::kSlowestSpeech, TProfile::kFastestSpeech) /
           static_cast<double>(TProfile::kFastestSpeech);
}

}  // namespace

std::unique_ptr<SpeechEngine> QtSpeechEngine::Make(Listener& listener, SpeechProblem& problem) {
    if (!QTextToSpeech::availableEngines().contains(kEngine)) {
        problem = SpeechProblem::NoSpeechPlugin;
        return nullptr;
    }
    auto speech = std::make_unique<QTextToSpeech>(kEngine);
    // An engine that starts without the machine's locale (the plain C
    // locale has no voice) reports a configuration error and speaks once a
    // voice's locale is set; one without a connection or any voice cannot.
    if (speech->errorReason() == QTextToSpeech::ErrorReason::Initialization ||
        speech->availableLocales().isEmpty()) {
        problem = SpeechProblem::NoSpeechService;
        return nullptr;
    }
    return std::make_unique<QtSpeechEngine>(std::move(speech), listener);
}

QtSpeechEngine::QtSpeechEngine(std::unique_ptr<QTextToSpeech> speech, Listener& listener)
    : speech_(std::move(speech)), listener_(listener), locales_(speech_->availableLocales()) {
    QObject::connect(speech_.get(), &QTextToSpeech::stateChanged, speech_.get(),
                     [this](QTextToSpeech::State state) { StateChanged(state); });
    QObject::connect(speech_.get(), &QTextToSpeech::errorOccurred, speech_.get(),
                     [this](QTextToSpeech::ErrorReason reason, const QString&) { ErrorOccurred(reason); });
}

QtSpeechEngine::~QtSpeechEngine() {
    // What Qt still reports while it closes its connection reaches nobody.
    QObject::disconnect(speech_.get(), nullptr, speech_.get(), nullptr);
}

void QtSpeechEngine::Speak(const Utterance& utterance) {
    // Qt cuts off by itself only what has begun; an utterance said a moment
    // ago may not have begun yet.
    if (awaitingStart_ || speaking_) speech_->stop();
    UseVoice(utterance.voice);
    awaitingStart_ = true;
    speaking_ = false;
    speech_->say(QString::fromStdString(utterance.text));
}

void QtSpeechEngine::UseVoice(const Voice& voice) {
    if (voice_ == voice) return;
    if (!voice_ || voice_->language != voice.language) {
        const QLocale::Language language = QLocale(QString::fromStdString(voice.language)).language();
        const auto locale = std::find_if(locales_.begin(), locales_.end(), [language](const QLocale& each) {
            return each.language() == language;
        });
        if (locale != locales_.end()) {
            speech_->setLocale(*locale);
        } else if (!voice_) {
            speech_->setLocale(locales_.first());  // some voice rather than none
        }
    }
    if (!voice_ || voice_->rate != voice.rate) speech_->setRate(QtRate(voice.rate));
    voice_ = voice;
}

void QtSpeechEngine::StateChanged(QTextToSpeech::State state) {
    if (state == QTextToSpeech::Speaking) {
        awaitingStart_ = false;
        speaking_ = true;
    } else if (state == QTextToSpeech::Ready && speaking_) {
        speaking_ = false;
        listener_.SpeechDone();
    }
}

void QtSpeechEngine::ErrorOccurred(QTextToSpeech::ErrorReason reason) {
    // A voice setting the service refuses leaves the voice before; anything
    // else means the service is gone.
    if (reason == QTextToSpeech::ErrorReason::Configuration) return;
    awaitingStart_ = speaking_ = false;
    listener_.SpeechFailed(SpeechProblem::ServiceLost);
}

}  // namespace zq
