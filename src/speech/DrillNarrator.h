#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/OneShotTimer.h"
#include "base/stopwatch.h"
#include "drills/TypingObserver.h"
#include "speech/Speaker.h"
#include "speech/TypingPace.h"

namespace zq {

// What a drill says to a learner who listens instead of looking, decided
// from what the drill tells of every key (see TypingObserver):
// - the next character by its name ("f", "space", "capital A"), or, while
//   the learner types fast (see TypingPace), the next word where a word
//   begins and nothing inside it; "end of line" when only the key that
//   completes the line is left;
// - a wrong key by the character typed ("wrong: d"), then what comes next;
// - at the end of a line, its keys per minute, accuracy and words per
//   minute; a line that comes again for its accuracy says so;
// - in the course drill, the number of every line as it begins ("line 4");
// - after two seconds without a key, the next character and the finger that
//   types it ("f, left index finger"), once per pause.
// What a key makes news of is said at once, cutting off whatever was still
// being said; what follows for the same key waits its turn. What is said
// without a key (a line's first character, the finger) waits too.
//
// Made by the owner of a drill for that drill's run, on the user-interface
// thread, and destroyed after the drill's window has closed.
class DrillNarrator final : public TypingObserver {
public:
    // The finger (0 to 9) that types an 8-bit character, or -1.
    using FingerLookup = std::function<std::int32_t(unsigned char character8)>;

    static constexpr int kIdleHintMs = 2000;

    // `textCodePage` is the code page of the drill's lines and keys (the
    // course's), which may differ from that of the program's windows.
    DrillNarrator(Speaker& speaker, Voice voice, int textCodePage, FingerLookup fingerOf,
                  MillisecondClock clock, const OneShotTimerFactory& makeTimer);

    void KeyArrived() override;
    void RightKey() override;
    void WrongKey(unsigned char typed8) override;
    void LineCompleted(const CompletedLine& line) override;
    void LineReady(const LinePlace& place, bool againBelowPassAccuracy) override;
    void NextCharacter(std::string_view sample8, std::int32_t position) override;

    // The pause after the last key has lasted kIdleHintMs (the timer's call).
    void IdleHint();

private:
    // Says a text: at once when it is the first news of a key, else in turn.
    void Say(const std::string& text);
    // The spoken name of an 8-bit character of the drill's text.
    std::string NameOf(unsigned char character8) const;
    // At a word's beginning, the word (8-bit); else empty.
    static std::string_view WordAt(std::string_view sample8, std::int32_t position);

    Speaker& speaker_;
    Voice voice_;
    int textCodePage_;
    FingerLookup fingerOf_;
    MillisecondClock clock_;
    TypingPace pace_;
    std::unique_ptr<OneShotTimer> idleTimer_;
    bool keyNews_ = false;    // the next text is the first a key makes
    bool keyJudged_ = false;  // the last key was a character, right or wrong
    // The character to type next, for the hint after a pause; 0 when the
    // line waits for the key that completes it, or has none.
    unsigned char next8_ = 0;
};

}  // namespace zq
