#include "drills/SentenceLines.h"

#include <chrono>

#include "course/CourseTextFile.h"
#include "drills/TFmLinePractice.h"

namespace zq {
namespace {

std::uint32_t FreshSeed() {
    std::random_device entropy;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return entropy() ^ static_cast<std::uint32_t>(now);
}

}  // namespace

SentenceLines::SentenceLines(std::vector<std::string> lines) : SentenceLines(std::move(lines), FreshSeed()) {}

SentenceLines::SentenceLines(std::vector<std::string> lines, std::uint32_t seed)
    : lines_(std::move(lines)), random_(seed) {
    PickLine();
}

std::optional<std::string> SentenceLines::Line() const {
    return picked_ < lines_.size() ? TrimControlAndBlank(lines_[picked_]) : std::string();
}

LineStep SentenceLines::LineEnded(const LineEnd& end) {
    if (!end.passed) return {.sameLine = true, .belowPassAccuracy = true, .notice = {}};
    PickLine();
    return {};
}

void SentenceLines::PickLine() {
    // Nothing is ever picked from an empty file.
    if (lines_.empty()) return;
    std::uniform_int_distribution<std::size_t> pick(0, lines_.size() - 1);
    picked_ = pick(random_);
}

}  // namespace zq
