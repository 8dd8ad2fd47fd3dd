#pragma once

#include <cstdint>
#include <string_view>

#include "drills/LineRecorder.h"
#include "drills/LineSource.h"

namespace zq {

// What a drill tells, key by key, whoever follows the learner's typing
// beside its window: the speech, which says what comes next for a learner
// who cannot see the screen. The drill makes every call on the
// user-interface thread while it handles a key or sets up a line; an
// observer must not call back into the drill.
//
// For one key the calls come in this order: KeyArrived; then RightKey or
// WrongKey when the key was judged; then, when the line ended,
// LineCompleted for a line typed to its end and LineReady for the line set
// up after it; last NextCharacter, whenever the character to type next has
// changed.
class TypingObserver {
public:
    virtual ~TypingObserver() = default;

    // A key reached the drill, before it is judged.
    virtual void KeyArrived() = 0;
    // The key was the character expected.
    virtual void RightKey() = 0;
    // The key was another character than the one expected: the character
    // typed (8-bit), or 0 for one the code page cannot hold.
    virtual void WrongKey(unsigned char typed8) = 0;
    // A line typed to its end, with its figures, before its statistics are
    // shown. `line` lives only during the call.
    virtual void LineCompleted(const CompletedLine& line) = 0;
    // A line waits for its first key: where it stands in the drill's source,
    // and whether it comes again because it was typed below the pass
    // accuracy.
    virtual void LineReady(const LinePlace& place, bool againBelowPassAccuracy) = 0;
    // The character to type next: its 1-based position in the sample (8-bit
    // text, line breaks as CR LF); SampleLength + 1 when the line waits for
    // the key that completes it.
    virtual void NextCharacter(std::string_view sample8, std::int32_t position) = 0;
};

}  // namespace zq
