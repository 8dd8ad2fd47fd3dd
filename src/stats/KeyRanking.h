#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "stats/LineRecord.h"

namespace zq {

// Fewer typings than these say little about a key, so such keys are left
// out of the rankings (the heat map still shows them).
inline constexpr std::int64_t kMinTypedToRank = 10;
inline constexpr std::int64_t kMinTimedToRank = 5;

// The share of wrong strokes, 0 to 1; 0 for a key never typed.
double ErrorRate(const KeyTally& key);
// The mean time of the right strokes, in milliseconds; 0 without any.
std::int64_t MeanTimeMs(const KeyTally& key);

// Characters worth ranking: printable ones, not the space (the drills' line
// breaks and tabs are not keys a learner practises on their own).
bool IsRankedCharacter(char32_t character);

// The keys with the longest mean time, slowest first, at most `count`.
std::vector<KeyTally> SlowestKeys(const std::vector<KeyTally>& keys, std::size_t count);

// The keys missed most often (highest error rate; of equal rates, the
// slower first), at most `count`. A key's rate is taken as if it had
// been typed kPriorTypings more times at the learner's overall rate, so
// that two slips in a dozen typings of a rare key do not outweigh a key
// missed steadily. Keys never missed count only when nothing else is left
// to choose, so a learner without errors practises their slowest keys.
std::vector<char32_t> WeakestKeys(const std::vector<KeyTally>& keys, std::size_t count);

inline constexpr double kPriorTypings = 50;

// A share of wrong strokes as if there had been kPriorTypings more at
// `overallRate` (see WeakestKeys).
double SteadyErrorRate(std::int64_t wrong, std::int64_t typed, double overallRate);

}  // namespace zq
