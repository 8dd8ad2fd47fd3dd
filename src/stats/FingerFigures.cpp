#include "stats/FingerFigures.h"

#include "stats/CourseKeyboard.h"

namespace zq {

void StrokeSums::Add(const KeyTally& key) {
    typed += key.typed;
    wrong += key.wrong;
    timedKeys += key.timedKeys;
    timeMs += key.timeMs;
}

void StrokeSums::Add(const StrokeSums& other) {
    typed += other.typed;
    wrong += other.wrong;
    timedKeys += other.timedKeys;
    timeMs += other.timeMs;
}

std::int64_t KeysPerMinute(const StrokeSums& sums) {
    return sums.timeMs > 0 ? sums.timedKeys * 60'000 / sums.timeMs : 0;
}

std::int64_t Accuracy(const StrokeSums& sums) {
    return sums.typed > 0 ? (sums.typed - sums.wrong) * 100 / sums.typed : 0;
}

double ErrorRate(const StrokeSums& sums) {
    return sums.typed > 0 ? static_cast<double>(sums.wrong) / static_cast<double>(sums.typed) : 0.0;
}

FingerFigures SumPerFinger(const std::vector<KeyTally>& keys, const CourseKeyboard& keyboard) {
    FingerFigures figures;
    for (const KeyTally& key : keys) {
        const std::optional<CharacterKey> found = keyboard.KeyOf(key.character);
        if (!found || !IsFinger(found->finger)) continue;
        figures.fingers[static_cast<std::size_t>(found->finger)].Add(key);
    }
    for (std::size_t finger = 0; finger < figures.fingers.size(); ++finger)
        figures.hands[static_cast<std::size_t>(HandOfFinger(static_cast<std::int32_t>(finger)))].Add(
            figures.fingers[finger]);
    return figures;
}

}  // namespace zq
