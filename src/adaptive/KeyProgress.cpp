#include "adaptive/KeyProgress.h"

#include <algorithm>

#include "adaptive/RecentStrokes.h"
#include "drills/TFmLinePractice.h"

namespace zq {

namespace {

// Below this accuracy a key has made no progress at all.
constexpr double kNoProgressAccuracy = 75;

double Share(double value, double whole) {
    return whole > 0 ? std::clamp(value / whole, 0.0, 1.0) : 1.0;
}

}  // namespace

std::int64_t KeySpeed(const KeyTally& recent) {
    return recent.timeMs > 0 ? recent.timedKeys * 60000 / recent.timeMs : 0;
}

std::int64_t KeyAccuracy(const KeyTally& recent) {
    return recent.typed > 0 ? (recent.typed - recent.wrong) * 100 / recent.typed : 0;
}

bool MeetsTarget(const KeyTally& recent, std::int32_t targetSpeed) {
    return recent.typed >= kJudgedStrokes && KeyAccuracy(recent) >= kPassAccuracy &&
           KeySpeed(recent) >= targetSpeed;
}

int ProgressPercent(const KeyTally& recent, std::int32_t targetSpeed) {
    if (MeetsTarget(recent, targetSpeed)) return 100;
    const double speed = Share(static_cast<double>(KeySpeed(recent)), targetSpeed);
    const double accuracy = Share(static_cast<double>(KeyAccuracy(recent)) - kNoProgressAccuracy,
                                  kPassAccuracy - kNoProgressAccuracy);
    const double strokes = Share(static_cast<double>(recent.typed), kJudgedStrokes);
    // A key short of the target never shows as reached.
    return std::min(99, static_cast<int>(100 * std::min({speed, accuracy, strokes})));
}

}  // namespace zq
