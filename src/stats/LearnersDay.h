#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zq {

class HistoryStore;

// The figures of a learner's last completed line.
struct LastLineFigures {
    std::int32_t keysPerMinute = 0;
    std::int32_t accuracy = 0;
};

// A learner's day as their practice history tells it: the practice time of
// today (completed lines of every drill and course), the days in a row on
// which they reached their daily goal, and their last line.
struct LearnersDay {
    std::int64_t todayMs = 0;
    // Consecutive days with the goal reached, up to today; while today's
    // goal is still open, up to yesterday, so that a run of days is not
    // shown broken before the day is over.
    std::int32_t daysInARow = 0;
    std::optional<LastLineFigures> lastLine;
};

// The longest run of days in a row that LearnersDay looks back on.
inline constexpr std::int32_t kLongestRunLookedAt = 366;

// Reads the day `today` (a day number) of `user` (UTF-8), whose daily goal
// is `goalMs` of practice.
LearnersDay ReadLearnersDay(HistoryStore& store, std::string_view user, std::int32_t today,
                            std::int64_t goalMs);

}  // namespace zq
