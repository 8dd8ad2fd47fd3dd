#include "drills/LineKeyCounts.h"

namespace zq {

namespace {
// Room for the confusions of a line typed badly, so that they do not grow
// the list while the learner types.
constexpr std::size_t kConfusionRoom = 64;
}  // namespace

LineKeyCounts::LineKeyCounts() {
    confusions_.reserve(kConfusionRoom);
}

void LineKeyCounts::Clear() {
    for (std::size_t i = 0; i < touchedCount_; ++i) counts_[touched_[i]] = {};
    touchedCount_ = 0;
    confusions_.clear();
    lastKeyMs_ = kNoKey;
}

void LineKeyCounts::Right(unsigned char expected, std::int64_t nowMs) {
    Count& count = Touch(expected);
    if (lastKeyMs_ != kNoKey && nowMs >= lastKeyMs_) {
        ++count.timedKeys;
        count.timeMs += nowMs - lastKeyMs_;
    }
    lastKeyMs_ = nowMs;
}

void LineKeyCounts::Wrong(unsigned char expected, unsigned char typed, std::int64_t nowMs) {
    Count& count = Touch(expected);
    ++count.wrong;
    confusions_.push_back({expected, typed});
    lastKeyMs_ = nowMs;
}

LineKeyCounts::Count& LineKeyCounts::Touch(unsigned char code) {
    Count& count = counts_[code];
    if (count.typed++ == 0) touched_[touchedCount_++] = code;
    return count;
}

}  // namespace zq
