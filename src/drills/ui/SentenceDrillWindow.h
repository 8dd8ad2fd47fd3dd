#pragma once

#include "drills/SentencePrac.h"
#include "drills/ui/LinePracticeWindow.h"

namespace zq {

// The window of the sentence drill ("Sentence Drills").
class SentenceDrillWindow : public LinePracticeWindow {
    Q_OBJECT

public:
    explicit SentenceDrillWindow(stopwatch& watch, DrillGuidance guidance = {}, QWidget* parent = nullptr);

    TFmSentencePrac& SentenceDrill() { return static_cast<TFmSentencePrac&>(Drill()); }
    void SetFileName(const std::string& fileName8) { SentenceDrill().SetFileName(fileName8); }
    bool LoadLines() { return SentenceDrill().LoadLines(); }
};

}  // namespace zq
