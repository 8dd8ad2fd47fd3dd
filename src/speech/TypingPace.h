#pragma once

#include <cstdint>

namespace zq {

// Whether the learner types fast enough to hear whole words instead of the
// names of single characters. Naming a character takes the voice about half
// a second; a learner who types faster than that would hear every name cut
// off by the next key. So the learner counts as fast once their last
// kFastRun right keys each came within kFastGapMs (half a second, 120 keys
// a minute) of the key before; a wrong key, a Backspace or a slower key
// starts the count again.
class TypingPace {
public:
    static constexpr std::int64_t kFastGapMs = 500;
    static constexpr int kFastRun = 4;

    // A right key at `nowMs` (a steady clock's milliseconds).
    void RightKey(std::int64_t nowMs);
    // A wrong key or a step back.
    void Slip();

    bool Fast() const { return run_ >= kFastRun; }

private:
    int run_ = 0;  // right keys in a row, each quick after the one before
    std::int64_t lastKeyMs_ = 0;
};

}  // namespace zq
