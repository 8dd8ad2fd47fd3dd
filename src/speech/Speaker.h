#pragma once

#include <cstdint>
#include <string>

namespace zq {

// How the program's voice speaks: the language of its words (a two-letter
// code: "en", "fr", "de"), which chooses the voice, and its rate, from
// TProfile::kSlowestSpeech (-10) to kFastestSpeech (10), 0 being the
// voice's own pace.
struct Voice {
    std::string language = "en";
    std::int32_t rate = 0;

    bool operator==(const Voice&) const = default;
};

// One thing to say, in UTF-8, and the voice to say it with.
struct Utterance {
    std::string text;
    Voice voice;

    bool operator==(const Utterance&) const = default;
};

// Where the program's spoken texts go. Both calls return at once, whatever
// the speech service does, and may be made from any thread.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Says it now: what is being said is cut off and what waits is dropped.
    // For what a key the learner just pressed makes news of.
    virtual void SayNow(const Utterance& utterance) = 0;
    // Says it after what is being said and what waits.
    virtual void SayNext(const Utterance& utterance) = 0;
};

}  // namespace zq
