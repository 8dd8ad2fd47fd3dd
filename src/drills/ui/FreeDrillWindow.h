#pragma once

#include "drills/TFmLetterPrac.h"
#include "drills/ui/LinePracticeWindow.h"

namespace zq {

// The window of the free drill ("Free Drills"): the line drill's window; the
// learner's own letters come from the platform's input box.
class FreeDrillWindow : public LinePracticeWindow {
    Q_OBJECT

public:
    explicit FreeDrillWindow(stopwatch& watch, DrillGuidance guidance = {}, QWidget* parent = nullptr);
};

}  // namespace zq
