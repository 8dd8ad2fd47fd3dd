#pragma once

#include <cstdint>
#include <string_view>

#include "drills/SentencePrac.h"

namespace zq {

// What the course drill needs beyond the line drill's window: its position label.
class CoursePositionView {
public:
    virtual ~CoursePositionView() = default;
    virtual void SetPositionLabel(std::string_view utf8) = 0;
    virtual void SetPositionLabelColour(std::int32_t colour) = 0;
};

enum class NavigationMode { nmNone = 0, nmPrevious = 1, nmNext = 2, nmGoTo = 3 };

// The course drill: the lines of the course file in order, moving on when a
// line is typed well enough, with steps backwards and forwards and a jump to
// a line number. Position is the course progress the owner stores.
class TFmCoursePrac : public TFmSentencePrac {
public:
    TFmCoursePrac(LineDrillView& view, CoursePositionView& positionView, stopwatch& watch,
                  DrillGuidance guidance);

    void FormCreate() override;
    void FormShow() override;

    void SetPosition(std::int32_t position) { position_ = position; }
    std::int32_t Position() const { return position_; }
    std::int32_t CourseLineIndex() const override { return position_; }

    bool InputEditKeyDown(int virtualKey) override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void NextLine() override;

    // The learner's last way of moving through the course.
    NavigationMode NavMode() const { return navMode_; }

private:
    void Navigate();
    void GoToAnsweredLine();
    void MoveOnAfterLine();
    void ClampPosition();
    std::int32_t LineCount() const;

    CoursePositionView& positionView_;
    NavigationMode navMode_ = NavigationMode::nmNone;
    std::int32_t position_ = 0;
};

}  // namespace zq
