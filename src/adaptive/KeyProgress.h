#pragma once

#include <cstdint>

#include "stats/LineRecord.h"

namespace zq {

// A key's speed over its recent strokes, in keys per minute: its right
// strokes that followed another key, by the time they took; 0 without any.
std::int64_t KeySpeed(const KeyTally& recent);
// A key's accuracy over its recent strokes, in percent, in the integer
// arithmetic of a line's statistics; 0 for a key not typed.
std::int64_t KeyAccuracy(const KeyTally& recent);

// Whether a key has reached the learner's target: over its last
// kJudgedStrokes strokes (see RecentStrokes), the target speed and the pass
// accuracy of the drills (95 %).
bool MeetsTarget(const KeyTally& recent, std::int32_t targetSpeed);

// How far a key has come toward the target, 0 to 100: the least of its
// share of the target speed, of the way from 75 % accuracy to the pass
// accuracy, and of the strokes it is judged over. 100 only for a key that
// meets the target.
int ProgressPercent(const KeyTally& recent, std::int32_t targetSpeed);

}  // namespace zq
