#include "stats/HandsPicture.h"

#include "base/Translation.h"
#include "keyboard/FingerNames.h"
#include "keyboard/FingerSettings.h"
#include "stats/KeyHeatMap.h"
#include "stats/ProgressTexts.h"

namespace zq {

namespace {

std::string Percent(std::int64_t value) {
    return Format(Tr("%d %%"), {std::to_string(value)});
}

std::string FingerTip(std::int32_t finger, const StrokeSums& sums) {
    if (sums.typed == 0) return Format(Tr("%s: not practised in these days."), {FingerName(finger)});
    const std::string keys =
        Format(TrPlural("%d key", "%d keys", PluralCount(sums.typed)), {std::to_string(sums.typed)});
    return Format(Tr("%s: %s, %s (accuracy %s), %d keys a minute"),
                  {FingerName(finger), keys, WrongOfThem(sums.wrong), Percent(Accuracy(sums)),
                   std::to_string(KeysPerMinute(sums))});
}

std::string HandFigures(const StrokeSums& sums) {
    if (sums.typed == 0) return {};
    return Format(Tr("%d keys/min, %s"), {std::to_string(KeysPerMinute(sums)), Percent(Accuracy(sums))});
}

}  // namespace

HandsPicture MakeHandsPicture(const FingerFigures& figures, const FingerSettings& settings) {
    HandsPicture picture;
    for (std::size_t f = 0; f < picture.fingers.size(); ++f) {
        const StrokeSums& sums = figures.fingers[f];
        HandsPicture::Finger& finger = picture.fingers[f];
        finger.length = settings.Length[f];
        finger.tip = FingerTip(static_cast<std::int32_t>(f), sums);
        if (sums.typed == 0) continue;
        finger.color = HeatColor(ErrorRate(sums));
        finger.accuracy = Percent(Accuracy(sums));
        if (sums.timedKeys > 0) finger.speed = std::to_string(KeysPerMinute(sums));
    }
    picture.hands = {Tr("Left hand"), Tr("Right hand")};
    for (std::size_t hand = 0; hand < 2; ++hand) picture.figures[hand] = HandFigures(figures.hands[hand]);
    return picture;
}

}  // namespace zq
