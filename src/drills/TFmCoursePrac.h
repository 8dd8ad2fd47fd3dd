#pragma once

#include <cstdint>
#include <string_view>

#include "drills/TFmSentencePrac.h"

namespace zq {

// What the course drill needs beyond the line drill's window: its position label.
class CoursePositionView {
public:
    virtual ~CoursePositionView() = default;
    virtual void SetPositionLabel(std::string_view utf8) = 0;
    virtual void SetPositionLabelColor(std::int32_t color) = 0;
};

enum class NavigationMode { nmNone = 0, nmPrevious = 1, nmNext = 2, nmGoTo = 3 };

// The course drill: the lines of the course file in order (CourseLines),
// with the place reached shown beside the marker, steps backwards and
// forwards with the arrow keys and a jump to a line number with Insert.
class TFmCoursePrac : public TFmSentencePrac {
public:
    TFmCoursePrac(LineDrillView& view, CoursePositionView& positionView, stopwatch& watch,
                  DrillGuidance guidance);

    void FormCreate() override;
    void FormShow() override;
    void Practise(LineSource& lines) override;

    // The line reached: the progress the owner stores.
    std::int32_t Position() const { return Place().index; }
    // The learner's last way of moving through the course.
    NavigationMode NavMode() const { return navMode_; }

    bool InputEditKeyDown(int virtualKey) override;
    void PreviousLineBnClick();
    void NextLineBnClick();
    void NextLine() override;

private:
    // Moves as the learner asks and starts the line reached afresh; a line
    // in progress is abandoned and its time is not counted.
    void Navigate(NavigationMode mode);
    void GoToAnsweredLine(LineSource& lines, const LinePlace& place);
    void ShowPosition();

    CoursePositionView& positionView_;
    NavigationMode navMode_ = NavigationMode::nmNone;
};

}  // namespace zq
