#include "app/LearnersDayTexts.h"

#include <algorithm>

#include "base/Translation.h"

namespace zq {

namespace {

constexpr std::int64_t kMinuteMs = 60'000;

std::string TodayText(std::int64_t todayMs, std::int32_t goalMinutes) {
    const std::int64_t seconds = std::max<std::int64_t>(todayMs, 0) / 1000;
    return Format(Tr("Today: %d m %d s of %d m"),
                  {std::to_string(seconds / 60), std::to_string(seconds % 60), std::to_string(goalMinutes)});
}

int GoalPercent(std::int64_t todayMs, std::int32_t goalMinutes) {
    if (goalMinutes <= 0) return 100;
    return static_cast<int>(std::clamp<std::int64_t>(todayMs * 100 / (goalMinutes * kMinuteMs), 0, 100));
}

}  // namespace

LearnersDayTexts DescribeLearnersDay(const LearnersDay& day, std::string_view courseUtf8,
                                     const LinePlace& courseLine, std::int32_t goalMinutes) {
    LearnersDayTexts texts;
    texts.course = courseUtf8;
    if (courseLine.count > 0) {
        const std::int32_t line = std::clamp(courseLine.index, 0, courseLine.count - 1) + 1;
        texts.lineReached =
            Format(Tr("Line %d of %d"), {std::to_string(line), std::to_string(courseLine.count)});
    }
    texts.today = TodayText(day.todayMs, goalMinutes);
    texts.goalPercent = GoalPercent(day.todayMs, goalMinutes);
    texts.daysInARow =
        Format(Tr("Days in a row with the goal reached: %d"), {std::to_string(day.daysInARow)});
    texts.lastLine =
        day.lastLine
            ? Format(Tr("Last line: %d keys/min, %d %% accuracy"),
                     {std::to_string(day.lastLine->keysPerMinute), std::to_string(day.lastLine->accuracy)})
            : Tr("No line typed yet");
    return texts;
}

}  // namespace zq
