#include "speech/DrillNarrator.h"

#include "base/CodePage.h"
#include "base/Translation.h"
#include "drills/TFmLinePractice.h"
#include "speech/CharacterNames.h"
#include "speech/FingerNames.h"

namespace zq {
namespace {

bool EndsAWord(unsigned char ch) {
    return ch == kSpace || ch == kCarriageReturn || ch == kLineFeed;
}

}  // namespace

DrillNarrator::DrillNarrator(Speaker& speaker, Voice voice, int textCodePage, FingerLookup fingerOf,
                             MillisecondClock clock, const OneShotTimerFactory& makeTimer)
    : speaker_(speaker),
      voice_(std::move(voice)),
      textCodePage_(textCodePage),
      fingerOf_(std::move(fingerOf)),
      clock_(std::move(clock)),
      idleTimer_(makeTimer([this] { IdleHint(); })) {}

void DrillNarrator::KeyArrived() {
    keyNews_ = true;
    keyJudged_ = false;
    idleTimer_->Start(kIdleHintMs);
}

void DrillNarrator::RightKey() {
    keyJudged_ = true;
    pace_.RightKey(clock_());
}

void DrillNarrator::WrongKey(unsigned char typed8) {
    keyJudged_ = true;
    pace_.Slip();
    Say(typed8 == 0 ? std::string(Tr("wrong")) : Format(Tr("wrong: %s"), {NameOf(typed8)}));
}

void DrillNarrator::LineCompleted(const CompletedLine& line) {
    Say(Format(Tr("%d keys per minute, accuracy %d percent, %d words per minute"),
               {std::to_string(line.keysPerMinute), std::to_string(line.accuracy),
                std::to_string(line.wordsPerMinute)}));
}

void DrillNarrator::LineReady(const LinePlace& place, bool againBelowPassAccuracy) {
    keyJudged_ = false;
    idleTimer_->Start(kIdleHintMs);
    if (againBelowPassAccuracy) Say(Tr("Accuracy below 95 %: the line comes again."));
    if (place.index >= 0 && place.count > 0) Say(Format(Tr("line %d"), {std::to_string(place.index + 1)}));
}

void DrillNarrator::NextCharacter(std::string_view sample8, std::int32_t position) {
    if (!keyJudged_) pace_.Slip();  // a Backspace, or a new line
    const bool atEnd = position < 1 || position > static_cast<std::int32_t>(sample8.size());
    next8_ = atEnd ? 0 : static_cast<unsigned char>(sample8[static_cast<std::size_t>(position - 1)]);
    if (atEnd) {
        Say(Tr("end of line"));
    } else if (!pace_.Fast() || next8_ == kCarriageReturn || next8_ == kLineFeed) {
        // Every character for a slow typist; a line break at any pace.
        Say(NameOf(next8_));
    } else {
        // A word where one begins; nothing inside it or at the space after it.
        Say(ToUtf8(WordAt(sample8, position), textCodePage_));
    }
}

void DrillNarrator::IdleHint() {
    if (next8_ == 0) return;
    const std::string finger = SpokenFingerName(fingerOf_(next8_));
    const std::string name = NameOf(next8_);
    keyNews_ = false;
    Say(finger.empty() ? name : Format(Tr("%s, %s"), {name, finger}));
}

void DrillNarrator::Say(const std::string& text) {
    if (text.empty()) return;
    const Utterance utterance{text, voice_};
    if (keyNews_) {
        keyNews_ = false;
        speaker_.SayNow(utterance);
    } else {
        speaker_.SayNext(utterance);
    }
}

std::string DrillNarrator::NameOf(unsigned char character8) const {
    return SpokenCharacterName(CharOfCode(character8, textCodePage_));
}

std::string_view DrillNarrator::WordAt(std::string_view sample8, std::int32_t position) {
    const auto start = static_cast<std::size_t>(position - 1);
    if (start > 0 && !EndsAWord(static_cast<unsigned char>(sample8[start - 1]))) return {};
    std::size_t end = start;
    while (end < sample8.size() && !EndsAWord(static_cast<unsigned char>(sample8[end]))) ++end;
    return sample8.substr(start, end - start);
}

}  // namespace zq
