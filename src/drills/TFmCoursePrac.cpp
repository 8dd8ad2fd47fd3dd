#include "drills/TFmCoursePrac.h"

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
    view().SetStatusText(
        Tr("Press the -> key to the next, the <- key to the previous, the Insert key to anywhere."));
}

void TFmCoursePrac::FormShow() {
    TFmSentencePrac::FormShow();
    positionView_.SetPositionLabelColor(view().PanelRgb() ^ kMarkerContrastMask);
}

void TFmCoursePrac::Practise(LineSource& lines) {
    TFmSentencePrac::Practise(lines);
    ShowPosition();
}

bool TFmCoursePrac::InputEditKeyDown(int virtualKey) {
    switch (virtualKey) {
        case VK_END:
        case VK_HOME:
        case VK_DELETE:
            navMode_ = NavigationMode::nmNone;
            return true;
        case VK_LEFT:
        case VK_UP:
            Navigate(NavigationMode::nmPrevious);
            return false;
        case VK_RIGHT:
        case VK_DOWN:
            Navigate(NavigationMode::nmNext);
            return false;
        case VK_INSERT:
            Navigate(NavigationMode::nmGoTo);
            return false;
        default:
            navMode_ = NavigationMode::nmNone;
            return false;
    }
}

void TFmCoursePrac::PreviousLineBnClick() {
    Navigate(NavigationMode::nmPrevious);
}

void TFmCoursePrac::NextLineBnClick() {
    Navigate(NavigationMode::nmNext);
}

void TFmCoursePrac::NextLine() {
    TFmSentencePrac::NextLine();
    ShowPosition();
}

void TFmCoursePrac::Navigate(NavigationMode mode) {
    navMode_ = mode;
    LineSource* lines = Lines();
    if (lines == nullptr) return;
    const LinePlace place = lines->Place();
    switch (mode) {
        case NavigationMode::nmPrevious:
            if (place.index - 1 < 0 || place.count == 0) {
                view().InformationBox(Tr("Beginning of the course."));
            } else {
                lines->MoveTo(place.index - 1);
            }
            break;
        case NavigationMode::nmNext:
            if (place.index + 1 >= place.count) {
                view().InformationBox(Tr("End of the course."));
            } else {
                lines->MoveTo(place.index + 1);
            }
            break;
        case NavigationMode::nmGoTo:
            GoToAnsweredLine(*lines, place);
            break;
        case NavigationMode::nmNone:
            break;
    }
    TakeLine({});
    ShowPosition();
}

// A number outside the course changes nothing, silently.
void TFmCoursePrac::GoToAnsweredLine(LineSource& lines, const LinePlace& place) {
    const std::string answer =
        view().InputBox(Tr("Input Box"), Tr("Please input a number to goto somewhere of the course:"),
                        std::to_string(place.index + 1));
    const std::string answer8 = FromUtf8(answer).substr(0, kGoToAnswerLength);
    const std::optional<std::int32_t> line = TryParseDecimalInt32(answer8);
    if (!line) {
        view().InformationBox(Tr("Invalid input."));
    } else if (*line >= 1) {
        lines.MoveTo(*line - 1);
    }
}

void TFmCoursePrac::ShowPosition() {
    const LinePlace place = Place();
    const std::int32_t shown = place.count > 0 ? place.index + 1 : 0;
    positionView_.SetPositionLabel(std::to_string(shown) + " / " + std::to_string(place.count));
}

}  // namespace zq
