#include "stats/PairRanking.h"

#include <algorithm>
#include <iterator>

#include "stats/KeyRanking.h"

namespace zq {

bool IsRankedPair(const PairTally& pair) {
    return IsRankedCharacter(pair.first) && IsRankedCharacter(pair.second);
}

std::int64_t MeanTimeMs(const PairTally& pair) {
    return pair.timedKeys > 0 ? pair.timeMs / pair.timedKeys : 0;
}

std::vector<PairTally> SlowestPairs(const std::vector<PairTally>& pairs, std::size_t count) {
    std::vector<PairTally> ranked;
    std::ranges::copy_if(pairs, std::back_inserter(ranked), [](const PairTally& pair) {
        return IsRankedPair(pair) && pair.timedKeys >= kMinTimedToRank;
    });
    std::ranges::stable_sort(
        ranked, [](const PairTally& a, const PairTally& b) { return MeanTimeMs(a) > MeanTimeMs(b); });
    if (ranked.size() > count) ranked.resize(count);
    return ranked;
}

std::vector<PairTally> MostMissedPairs(const std::vector<PairTally>& pairs, std::size_t count) {
    std::vector<PairTally> ranked;
    std::ranges::copy_if(pairs, std::back_inserter(ranked), [](const PairTally& pair) {
        return IsRankedPair(pair) && pair.typed >= kMinTypedToRank;
    });
    std::int64_t typed = 0;
    std::int64_t wrong = 0;
    for (const PairTally& pair : ranked) typed += pair.typed, wrong += pair.wrong;
    const double overallRate = typed > 0 ? static_cast<double>(wrong) / static_cast<double>(typed) : 0.0;
    std::erase_if(ranked, [](const PairTally& pair) { return pair.wrong == 0; });
    std::ranges::stable_sort(ranked, [overallRate](const PairTally& a, const PairTally& b) {
        const double rateA = SteadyErrorRate(a.wrong, a.typed, overallRate);
        const double rateB = SteadyErrorRate(b.wrong, b.typed, overallRate);
        if (rateA != rateB) return rateA > rateB;
        return MeanTimeMs(a) > MeanTimeMs(b);
    });
    if (ranked.size() > count) ranked.resize(count);
    return ranked;
}

}  // namespace zq
