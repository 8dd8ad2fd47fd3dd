#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "stats/LineRecord.h"

namespace zq {

// Pairs worth ranking: both characters keys a learner practises (see
// IsRankedCharacter), so that the step from a word to the blank after it
// does not crowd out the pairs within words.
bool IsRankedPair(const PairTally& pair);

// The mean time of the pair's right second strokes, in milliseconds; 0
// without any.
std::int64_t MeanTimeMs(const PairTally& pair);

// The pairs with the longest mean time, slowest first, at most `count`;
// pairs timed fewer than kMinTimedToRank times are left out.
std::vector<PairTally> SlowestPairs(const std::vector<PairTally>& pairs, std::size_t count);

// The pairs whose second key is missed most often, by their steady error
// rate (as WeakestKeys ranks keys; of equal rates, the slower first), at
// most `count`. Pairs never missed, and pairs typed fewer than
// kMinTypedToRank times, are left out.
std::vector<PairTally> MostMissedPairs(const std::vector<PairTally>& pairs, std::size_t count);

}  // namespace zq
