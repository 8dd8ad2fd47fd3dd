#include "drills/AdaptivePrac.h"

namespace zq {

TFmAdaptivePrac::TFmAdaptivePrac(LineDrillView& view, AdaptiveKeysView& keysView, stopwatch& watch,
                                 DrillGuidance guidance)
    : TFmLinePractice(view, watch, guidance), keysView_(keysView) {}

void TFmAdaptivePrac::Practise(LineSource& lines) {
    TFmLinePractice::Practise(lines);
    ShowKeys();
}

void TFmAdaptivePrac::NextLine() {
    TFmLinePractice::NextLine();
    ShowKeys();
}

void TFmAdaptivePrac::ShowKeys() {
    if (LineSource* lines = Lines()) keysView_.ShowKeysInPlay(lines->Keys());
}

}  // namespace zq
