#include "app/PracticeTimeMessage.h"

#include "base/CodePage.h"
#include "base/Translation.h"
#include "profile/PracticeTime.h"

namespace zq {

std::string PracticeTimeMessage(const std::string& userName8, std::int32_t runMs, std::int32_t totalMs) {
    const HoursMinutesSeconds run = SplitPracticeTime(runMs);
    const HoursMinutesSeconds total = SplitPracticeTime(totalMs);
    return Format(Tr("%s: The practice time is %d h %d m %d s, total practice time is %d h %d m %d s."),
                  {ToUtf8(userName8), std::to_string(run.hours), std::to_string(run.minutes),
                   std::to_string(run.seconds), std::to_string(total.hours), std::to_string(total.minutes),
                   std::to_string(total.seconds)});
}

}  // namespace zq
