#include "profile/PracticeTime.h"

#include <algorithm>

#include "base/Translation.h"

namespace zq {

HoursMinutesSeconds SplitPracticeTime(std::int32_t milliseconds) {
    const std::int32_t totalSeconds = std::max<std::int32_t>(milliseconds, 0) / 1000;
    return {totalSeconds / 3600, totalSeconds / 60 % 60, totalSeconds % 60};
}

std::string PracticeTimeText(std::int32_t milliseconds) {
    const HoursMinutesSeconds time = SplitPracticeTime(milliseconds);
    return Format(Tr("%d h %d m %d s"),
                  {std::to_string(time.hours), std::to_string(time.minutes), std::to_string(time.seconds)});
}

}  // namespace zq
