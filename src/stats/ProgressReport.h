#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/HistoryStore.h"

namespace zq {

// The progress window looks back this many days, today included.
inline constexpr std::int32_t kProgressDays = 90;
inline constexpr std::size_t kListedKeys = 10;
inline constexpr std::size_t kListedConfusions = 8;
inline constexpr std::size_t kWeakKeysPractised = 3;
inline constexpr std::size_t kListedPairs = 8;
inline constexpr std::size_t kSlowPairsPractised = 3;

// What the progress window shows of a user: their practice per drill and
// day (all courses), and the keys, pairs of keys and confusions of their
// current course.
struct ProgressReport {
    std::int32_t firstDay = 0;
    std::int32_t lastDay = 0;
    std::vector<DrillDay> drillDays;
    std::vector<KeyTally> keys;
    std::vector<KeyTally> slowest;
    std::vector<Confusion> confusions;
    std::vector<char32_t> weakest;
    std::vector<PairTally> pairs;
    std::vector<PairTally> slowestPairs;
    std::vector<PairTally> missedPairs;
};

// The report of the kProgressDays days up to `today`.
ProgressReport ReadProgressReport(HistoryStore& store, std::string_view user, std::string_view course,
                                  std::int32_t today);

// Keys per minute and accuracy (percent) of a day's practice, in the
// integer arithmetic of a line's statistics.
std::int64_t KeysPerMinute(const DrillDay& day);
std::int64_t Accuracy(const DrillDay& day);

}  // namespace zq
