#pragma once

#include <cstdint>

namespace zq {

// Practice is counted per calendar day of the place where it happened: a
// day number is the count of days from 1970-01-01 to the local date.

// The local day of a moment (milliseconds since 1970-01-01 UTC), in the
// time zone of the machine at the time of the call.
std::int32_t LocalDayOf(std::int64_t utcMilliseconds);

// Milliseconds since 1970-01-01 UTC, now.
std::int64_t NowUtcMilliseconds();

struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
};

CalendarDate DateOfDay(std::int32_t dayNumber);
std::int32_t DayOfDate(const CalendarDate& date);

}  // namespace zq
