#pragma once

#include "drills/AdaptivePractice.h"
#include "drills/ui/LinePracticeWindow.h"

class QLabel;

namespace zq {

class KeyCapRow;

// The window of the adaptive drill ("Adaptive Drill"): the line drill's
// window with a row of the keys in play above the sample, each coloured by
// its progress and the focus key framed, and beside it what the last line
// changed ("New key: w", "Focus: r").
class AdaptiveDrillWindow : public LinePracticeWindow, public AdaptiveKeysView {
    Q_OBJECT

public:
    explicit AdaptiveDrillWindow(stopwatch& watch, DrillGuidance guidance = {}, QWidget* parent = nullptr);

    // AdaptiveKeysView.
    void ShowKeysInPlay(const KeysInPlay& keys) override;

    KeyCapRow* KeyCaps = nullptr;
    QLabel* LbChange = nullptr;
};

}  // namespace zq
