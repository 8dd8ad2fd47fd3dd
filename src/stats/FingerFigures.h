#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "stats/LineRecord.h"

namespace zq {

class CourseKeyboard;

// What the strokes of a finger or a hand add up to.
struct StrokeSums {
    std::int64_t typed = 0;
    std::int64_t wrong = 0;
    std::int64_t timedKeys = 0;
    std::int64_t timeMs = 0;

    void Add(const KeyTally& key);
    void Add(const StrokeSums& other);
};

// Keys per minute of the right strokes (60000 over their mean time), and
// accuracy in percent, in the integer arithmetic of a line's statistics; 0
// for strokes without a time, or without any stroke.
std::int64_t KeysPerMinute(const StrokeSums& sums);
std::int64_t Accuracy(const StrokeSums& sums);
double ErrorRate(const StrokeSums& sums);

// A learner's keys summed per finger and per hand of the course's keyboard:
// each character counts for the finger of its own key (Shift, AltGr and dead
// keys pressed with it are not counted apart). Characters the keyboard
// lacks, and keys without a finger, count for neither.
struct FingerFigures {
    std::array<StrokeSums, 10> fingers{};  // by finger number
    std::array<StrokeSums, 2> hands{};     // left, right
};

FingerFigures SumPerFinger(const std::vector<KeyTally>& keys, const CourseKeyboard& keyboard);

}  // namespace zq
