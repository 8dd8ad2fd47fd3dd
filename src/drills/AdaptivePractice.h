#pragma once

#include "drills/KeysInPlay.h"
#include "drills/TFmLinePractice.h"

namespace zq {

// What the adaptive drill needs beyond the line drill's window: the row of
// the keys it practises.
class AdaptiveKeysView {
public:
    virtual ~AdaptiveKeysView() = default;
    // The keys in play, each coloured by its progress, the focus marked,
    // and what the last line changed.
    virtual void ShowKeysInPlay(const KeysInPlay& keys) = 0;
};

// The adaptive drill: the line drill on lines that follow the learner (its
// source, AdaptiveLines, makes every line of the keys in play and stresses
// the weakest). After every line the window shows the keys in play as the
// source reports them.
class AdaptivePractice : public TFmLinePractice {
public:
    AdaptivePractice(LineDrillView& view, AdaptiveKeysView& keysView, stopwatch& watch,
                     DrillGuidance guidance);

    void Practise(LineSource& lines) override;
    void NextLine() override;

private:
    void ShowKeys();

    AdaptiveKeysView& keysView_;
};

}  // namespace zq
