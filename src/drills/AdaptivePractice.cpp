#include "drills/AdaptivePractice.h"

namespace zq {

AdaptivePractice::AdaptivePractice(LineDrillView& view, AdaptiveKeysView& keysView, stopwatch& watch,
                                   DrillGuidance guidance)
    : TFmLinePractice(view, watch, guidance), keysView_(keysView) {}

void AdaptivePractice::Practise(LineSource& lines) {
    TFmLinePractice::Practise(lines);
    ShowKeys();
}

void AdaptivePractice::NextLine() {
    TFmLinePractice::NextLine();
    ShowKeys();
}

void AdaptivePractice::ShowKeys() {
    if (LineSource* lines = Lines()) keysView_.ShowKeysInPlay(lines->Keys());
}

}  // namespace zq
