#include "stats/KeyRanking.h"

#include <algorithm>

namespace zq {

double ErrorRate(const KeyTally& key) {
    return key.typed > 0 ? static_cast<double>(key.wrong) / static_cast<double>(key.typed) : 0.0;
}

std::int64_t MeanTimeMs(const KeyTally& key) {
    return key.timedKeys > 0 ? key.timeMs / key.timedKeys : 0;
}

bool IsRankedCharacter(char32_t character) {
    return character > U' ' && character != 127;
}

double SteadyErrorRate(std::int64_t wrong, std::int64_t typed, double overallRate) {
    return (static_cast<double>(wrong) + kPriorTypings * overallRate) /
           (static_cast<double>(typed) + kPriorTypings);
}

std::vector<KeyTally> SlowestKeys(const std::vector<KeyTally>& keys, std::size_t count) {
    std::vector<KeyTally> ranked;
    std::ranges::copy_if(keys, std::back_inserter(ranked), [](const KeyTally& key) {
        return IsRankedCharacter(key.character) && key.timedKeys >= kMinTimedToRank;
    });
    std::ranges::stable_sort(
        ranked, [](const KeyTally& a, const KeyTally& b) { return MeanTimeMs(a) > MeanTimeMs(b); });
    if (ranked.size() > count) ranked.resize(count);
    return ranked;
}

std::vector<char32_t> WeakestKeys(const std::vector<KeyTally>& keys, std::size_t count) {
    std::vector<KeyTally> ranked;
    std::ranges::copy_if(keys, std::back_inserter(ranked), [](const KeyTally& key) {
        return IsRankedCharacter(key.character) && key.typed >= kMinTypedToRank;
    });
    std::int64_t typed = 0;
    std::int64_t wrong = 0;
    for (const KeyTally& key : ranked) typed += key.typed, wrong += key.wrong;
    const double overallRate = typed > 0 ? static_cast<double>(wrong) / static_cast<double>(typed) : 0.0;
    const auto steadyRate = [overallRate](const KeyTally& key) {
        return SteadyErrorRate(key.wrong, key.typed, overallRate);
    };
    std::ranges::stable_sort(ranked, [&](const KeyTally& a, const KeyTally& b) {
        if (a.wrong == 0 && b.wrong == 0) return MeanTimeMs(a) > MeanTimeMs(b);
        const double rateA = steadyRate(a);
        const double rateB = steadyRate(b);
        if (rateA != rateB) return rateA > rateB;
        return MeanTimeMs(a) > MeanTimeMs(b);
    });
    std::vector<char32_t> weakest;
    for (const KeyTally& key : ranked) {
        if (weakest.size() == count) break;
        weakest.push_back(key.character);
    }
    return weakest;
}

}  // namespace zq
