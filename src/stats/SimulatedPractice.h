#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/LineRecord.h"

namespace zq {

// A made-up learner whose practice fills a history for trying out the
// progress window and for measuring it (zq-stats, the benchmarks): they type
// lines of a course's words, get a little faster every day, and miss their
// weak keys more often, mostly for the same wrong key.
struct SimulatedLearner {
    std::string user = "Default";
    std::string course = "English";
    std::string weakKeys = "qzp";      // 8-bit characters missed often
    std::string confusedWith = "wxo";  // typed in their place, by position
    int linesPerDay = 40;
    std::uint32_t seed = 1;
};

// The lines of one day of practice: `day` is the day number, `dayIndex`
// counts the days of practice so far (the learner's speed grows with it).
std::vector<LineRecord> SimulateDay(const SimulatedLearner& learner, const std::vector<std::string>& words,
                                    std::int32_t day, int dayIndex);

}  // namespace zq
