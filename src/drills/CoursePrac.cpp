#include "drills/CoursePrac.h"

#include <algorithm>
#include <string>

#include "base/CodePage.h"
#include "base/Numbers.h"
#include "base/Translation.h"

namespace zq {

namespace {
constexpr std::size_t kGoToAnswerLength = 10;
}

TFmCoursePrac::TFmCoursePrac(LineDrillView& view, CoursePositionView& positionView, stopwatch& watch,
                             DrillGuidance guidance)
    : TFmSentencePrac(view, watch, guidance), positionView_(positionView) {}

void TFmCoursePrac::FormCreate() {
    TFmSentencePrac::FormCreate();
    navMode_ = NavigationMode::nmNone;
    position_ = 0;
    view().SetStatusText(
        Tr("Press the -> key to the next, the <- key to the previous, the Insert key to anywhere."));
}

void TFmCoursePrac::FormShow() {
    TFmSentencePrac::FormShow();
    positionView_.SetPositionLabelColour(view().PanelRgb() ^ kMarkerContrastMask);
}

bool TFmCoursePrac::InputEditKeyDown(int virtualKey) {
    switch (virtualKey) {
        case vk::End:
        case vk::Home:
        case vk::Delete:
            navMode_ = NavigationMode::nmNone;
            return true;
        case vk::Left:
        case vk::Up:
            navMode_ = NavigationMode::nmPrevious;
            NextLine();
            return false;
        case vk::Right:
        case vk::Down:
            navMode_ = NavigationMode::nmNext;
            NextLine();
            return false;
        case vk::Insert:
            navMode_ = NavigationMode::nmGoTo;
            NextLine();
            return false;
        default:
            navMode_ = NavigationMode::nmNone;
            return false;
    }
}

void TFmCoursePrac::SpeedButton1Click() {
    navMode_ = NavigationMode::nmPrevious;
    NextLine();
}

void TFmCoursePrac::SpeedButton2Click() {
    navMode_ = NavigationMode::nmNext;
    NextLine();
}

std::int32_t TFmCoursePrac::LineCount() const {
    return static_cast<std::int32_t>(Lines.size());
}

void TFmCoursePrac::NextLine() {
    ClampPosition();
    Navigate();
    MoveOnAfterLine();

    SetSample(LineSample(static_cast<std::size_t>(std::max(position_, 0))));
    RestartLine();
    const std::int32_t shown = LineCount() > 0 ? position_ + 1 : 0;
    positionView_.SetPositionLabel(std::to_string(shown) + " / " + std::to_string(LineCount()));
    ResetEdits();
}

// A stored position outside the file (a shortened course file, another
// course) is brought into it rather than fetched out of range. An empty file
// keeps the stored position, so that progress is not lost.
void TFmCoursePrac::ClampPosition() {
    if (LineCount() > 0) position_ = std::clamp(position_, 0, LineCount() - 1);
}

void TFmCoursePrac::Navigate() {
    switch (navMode_) {
        case NavigationMode::nmPrevious:
            if (position_ - 1 < 0 || LineCount() == 0) {
                view().InformationBox(Tr("Beginning of the course."));
            } else {
                --position_;
            }
            break;
        case NavigationMode::nmNext:
            if (position_ + 1 >= LineCount()) {
                view().InformationBox(Tr("End of the course."));
            } else {
                ++position_;
            }
            break;
        case NavigationMode::nmGoTo:
            GoToAnsweredLine();
            break;
        case NavigationMode::nmNone:
            break;
    }
}

void TFmCoursePrac::GoToAnsweredLine() {
    const std::string answer =
        view().InputBox(Tr("Input Box"), Tr("Please input a number to goto somewhere of the course:"),
                        std::to_string(position_ + 1));
    const std::string answer8 = FromUtf8(answer).substr(0, kGoToAnswerLength);
    const std::optional<std::int32_t> line = TryParseDecimalInt32(answer8);
    if (!line) {
        view().InformationBox(Tr("Invalid input."));
    } else if (*line >= 1 && *line <= LineCount()) {
        position_ = *line - 1;
    }
}

void TFmCoursePrac::MoveOnAfterLine() {
    if (!Finished() || Outcome() == LineOutcome::loEscaped) return;
    if (!LinePassed()) {
        AnnounceLineAgain();
        return;
    }
    if (position_ + 1 >= LineCount()) {
        view().InformationBox(Tr("End of the course."));
    } else {
        ++position_;
    }
}

}  // namespace zq
