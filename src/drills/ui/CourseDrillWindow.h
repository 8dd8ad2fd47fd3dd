#pragma once

#include "drills/TFmCoursePrac.h"
#include "drills/ui/LinePracticeWindow.h"

class QToolButton;

namespace zq {

// The window of the course drill ("Course"): the line drill's window with the
// position label and two hidden buttons that step through the course.
class CourseDrillWindow : public LinePracticeWindow, public CoursePositionView {
    Q_OBJECT

public:
    explicit CourseDrillWindow(stopwatch& watch, DrillGuidance guidance = {}, QWidget* parent = nullptr);

    TFmCoursePrac& CourseDrill() { return static_cast<TFmCoursePrac&>(Drill()); }

    // CoursePositionView.
    void SetPositionLabel(std::string_view utf8) override;
    void SetPositionLabelColor(std::int32_t color) override;

    QLabel* PositionLb = nullptr;
    QToolButton* PreviousLineBn = nullptr;
    QToolButton* NextLineBn = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The line buttons at the row's right edge, the position label left of them.
    void PlaceRowParts();
};

}  // namespace zq
