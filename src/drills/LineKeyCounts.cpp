#include "drills/LineKeyCounts.h"

namespace zq {

namespace {
// Room for the confusions of a line typed badly, and for the pairs of a
// long line, so that they do not grow the lists while the learner types.
constexpr std::size_t kConfusionRoom = 64;
constexpr std::size_t kPairRoom = 256;
constexpr std::size_t kAllPairs = std::size_t{256} * 256;

std::size_t PairIndex(int first, unsigned char second) {
    return static_cast<std::size_t>(first) * 256 + second;
}
}  // namespace

LineKeyCounts::LineKeyCounts() : pairPlaces_(kAllPairs, 0) {
    confusions_.reserve(kConfusionRoom);
    pairs_.reserve(kPairRoom);
}

void LineKeyCounts::Clear() {
    for (std::size_t i = 0; i < touchedCount_; ++i) counts_[touched_[i]] = {};
    touchedCount_ = 0;
    confusions_.clear();
    for (const Pair& pair : pairs_) pairPlaces_[PairIndex(pair.first, pair.second)] = 0;
    pairs_.clear();
    lastKeyMs_ = kNoKey;
    previous_ = kNoCharacter;
}

void LineKeyCounts::Right(unsigned char expected, std::int64_t nowMs) {
    Count& count = Touch(expected);
    Count* pair = TouchPair(expected);
    if (lastKeyMs_ != kNoKey && nowMs >= lastKeyMs_) {
        ++count.timedKeys;
        count.timeMs += nowMs - lastKeyMs_;
        if (pair != nullptr) {
            ++pair->timedKeys;
            pair->timeMs += nowMs - lastKeyMs_;
        }
    }
    lastKeyMs_ = nowMs;
}

void LineKeyCounts::Wrong(unsigned char expected, unsigned char typed, std::int64_t nowMs) {
    Count& count = Touch(expected);
    ++count.wrong;
    if (Count* pair = TouchPair(expected)) ++pair->wrong;
    confusions_.push_back({expected, typed});
    lastKeyMs_ = nowMs;
}

LineKeyCounts::Count& LineKeyCounts::Touch(unsigned char code) {
    Count& count = counts_[code];
    if (count.typed++ == 0) touched_[touchedCount_++] = code;
    return count;
}

LineKeyCounts::Count* LineKeyCounts::TouchPair(unsigned char code) {
    const int first = previous_;
    previous_ = code;
    if (first == kNoCharacter) return nullptr;
    std::uint32_t& place = pairPlaces_[PairIndex(first, code)];
    if (place == 0) {
        pairs_.push_back({static_cast<unsigned char>(first), code, {}});
        place = static_cast<std::uint32_t>(pairs_.size());
    }
    Count& count = pairs_[place - 1].count;
    ++count.typed;
    return &count;
}

}  // namespace zq
