#include "speech/TypingPace.h"

namespace zq {

void TypingPace::RightKey(std::int64_t nowMs) {
    const bool quick = run_ > 0 && nowMs - lastKeyMs_ <= kFastGapMs;
    run_ = quick ? run_ + 1 : 1;
    lastKeyMs_ = nowMs;
}

void TypingPace::Slip() {
    run_ = 0;
}

}  // namespace zq
