#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "stats/LineRecord.h"

namespace zq {

// A made-up learner whose practice fills a history for trying out the
// progress window and for measuring it (zq-stats, the benchmarks): they type
// lines of a course's words, get a little faster every day, miss their weak
// keys more often, mostly for the same wrong key, and hesitate between the
// keys of their slow pairs.
struct SimulatedLearner {
    std::string user = "Default";          // UTF-8
    std::string course = "English";        // UTF-8
    std::u32string weakKeys = U"qzp";      // characters missed often
    std::u32string confusedWith = U"wxo";  // typed in their place, by position
    std::vector<std::u32string> slowPairs = {U"ou", U"ck", U"ly"};
    int linesPerDay = 40;
    std::uint32_t seed = 1;
    int wordsCodePage = SystemCodePage();  // the code page of the course's words
};

// The lines of one day of practice: `day` is the day number, `dayIndex`
// counts the days of practice so far (the learner's speed grows with it).
// `words` are 8-bit text of the learner's `wordsCodePage`.
std::vector<LineRecord> SimulateDay(const SimulatedLearner& learner, const std::vector<std::string>& words,
                                    std::int32_t day, int dayIndex);

// The first of `days` days of made-up practice that end the day before
// `today`: practice made up for today would lie partly in the future (it
// starts in the evening), after the lines really typed later.
std::int32_t FirstSimulatedDay(int days, std::int32_t today);

}  // namespace zq
