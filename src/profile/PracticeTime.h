#pragma once

#include <cstdint>
#include <string>

namespace zq {

// A practice time in whole hours (not limited to a day) and the whole
// minutes and seconds left over; milliseconds are dropped.
struct HoursMinutesSeconds {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    bool operator==(const HoursMinutesSeconds&) const = default;
};

// A time below zero (only a hand-edited profile holds one) counts as none.
HoursMinutesSeconds SplitPracticeTime(std::int32_t milliseconds);

// The time as the profile dialog shows it: "25 h 0 m 0 s", translated, UTF-8.
std::string PracticeTimeText(std::int32_t milliseconds);

}  // namespace zq
