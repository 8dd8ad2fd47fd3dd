#pragma once

#include "drills/TFmSentencePrac.h"
#include "drills/ui/LinePracticeWindow.h"

namespace zq {

// The window of the sentence drill ("Sentence Drills").
class SentenceDrillWindow : public LinePracticeWindow {
    Q_OBJECT

public:
    explicit SentenceDrillWindow(stopwatch& watch, DrillGuidance guidance = {}, QWidget* parent = nullptr);
};

}  // namespace zq
