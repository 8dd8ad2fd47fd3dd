#include "app/PracticeTimeMessage.h"

#include <algorithm>

#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {
namespace {

// Whole hours (not limited to a day), then the minutes and seconds left
// over, as three texts; milliseconds are dropped.
struct TimeTexts {
    std::string hours, minutes, seconds;
};

TimeTexts SplitTime(std::int32_t milliseconds) {
    const std::int32_t totalSeconds = std::max<std::int32_t>(milliseconds, 0) / 1000;
    return {std::to_string(totalSeconds / 3600), std::to_string(totalSeconds / 60 % 60),
            std::to_string(totalSeconds % 60)};
}

}  // namespace

std::string PracticeTimeMessage(const std::string& userName8, std::int32_t runMs, std::int32_t totalMs) {
    const TimeTexts run = SplitTime(runMs);
    const TimeTexts total = SplitTime(totalMs);
    return Format(
        Tr("%s: The practice time is %d h %d m %d s, total practice time is %d h %d m %d s."),
        {ToUtf8(userName8), run.hours, run.minutes, run.seconds, total.hours, total.minutes, total.seconds});
}

}  // namespace zq
