#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "drills/LineSource.h"
#include "stats/LearnersDay.h"

namespace zq {

// What the main window's panel shows of the learner's day (UTF-8).
struct LearnersDayTexts {
    std::string course;       // the course's name
    std::string lineReached;  // "Line 38 of 197"; empty when the course has no lines
    std::string today;        // "Today: 4 m 25 s of 10 m"
    int goalPercent = 0;      // of today's goal reached, 0 to 100
    std::string daysInARow;   // "Days in a row with the goal reached: 3"
    std::string lastLine;     // "Last line: 182 keys/min, 97 % accuracy"
};

// The panel's texts: the day read from the history, the course and the
// line the learner reached in it (the profile's progress among the course
// file's lines), and the daily goal in minutes.
LearnersDayTexts DescribeLearnersDay(const LearnersDay& day, std::string_view courseUtf8,
                                     const LinePlace& courseLine, std::int32_t goalMinutes);

}  // namespace zq
