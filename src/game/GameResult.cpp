#include "game/GameResult.h"

#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {

std::string StatisticsLine(const GameStatistics& statistics) {
    const std::string text = Format(Tr("   Accuracy: %d%%   WPM: %d   Expected WPM: %d"),
                                    {std::to_string(statistics.accuracy), std::to_string(statistics.wpm),
                                     std::to_string(statistics.expectedWpm)});
    // Shown as the system code page holds it.
    return ToUtf8(FromUtf8(text));
}

}  // namespace zq
