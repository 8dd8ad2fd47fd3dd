#include "drills/CourseLines.h"

#include <algorithm>

#include "base/Translation.h"
#include "course/CourseTextFile.h"
#include "drills/TFmLinePractice.h"

namespace zq {

CourseLines::CourseLines(std::vector<std::string> lines, std::int32_t position)
    : lines_(std::move(lines)), position_(position) {
    if (Count() > 0) position_ = std::clamp(position_, 0, Count() - 1);
}

std::optional<std::string> CourseLines::Line() const {
    const auto index = static_cast<std::size_t>(std::max(position_, 0));
    return index < lines_.size() ? TrimControlAndBlank(lines_[index]) : std::string();
}

LineStep CourseLines::LineEnded(const LineEnd& end) {
    if (end.outcome == LineOutcome::loEscaped) return {};
    if (!end.passed) return {.sameLine = false, .belowPassAccuracy = true, .notice = {}};
    if (position_ + 1 >= Count())
        return {.sameLine = false, .belowPassAccuracy = false, .notice = Tr("End of the course.")};
    ++position_;
    return {};
}

bool CourseLines::MoveTo(std::int32_t index) {
    if (index < 0 || index >= Count()) return false;
    position_ = index;
    return true;
}

}  // namespace zq
