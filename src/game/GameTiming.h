#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/TGameSettings.h"

namespace zq {

// The game's timing from "zqgame.ini" (section "General"): NewWordSpeed,
// NewWordSpeedBy, DropSpeed and DropSpeedBy, in milliseconds. A missing
// file or key, or a value that is no integer, gives the default without a
// word, as in every ini file of the program. A value outside the bounds a
// game can be played with is refused: the default takes its place, and
// the refusal is told (RefusedTimingMessage).

// Every timing value lies in this range.
inline constexpr std::int32_t kLeastTimingMs = 0;
inline constexpr std::int32_t kMostTimingMs = 60000;

struct RefusedTimingValue {
    std::string key;     // as the program names it: "DropSpeed"
    std::string value8;  // as the file gives it
    std::int32_t used = 0;
};

// Reads the file at `path` into the settings' four timing values; the
// values refused, in the order above.
std::vector<RefusedTimingValue> ReadGameTiming(const std::string& path, TGameSettings& settings);

// What the learner is told about refused values (UTF-8): the file, each
// value as written, the bounds and the value used instead.
std::string RefusedTimingMessage(const std::string& path8, const std::vector<RefusedTimingValue>& refused);

// The interval at a difficulty level: `base` - `level` x `step`, worked out
// in 64 bits and held within the 32-bit range.
std::int32_t IntervalAtLevel(std::int32_t base, std::int32_t step, std::int32_t level);

}  // namespace zq
