// "zqgame.ini" as a learner may have edited it: whatever it holds, the
// game's timing values stay within their bounds, a refused value is
// replaced by its default, and the intervals of every level are worked out
// without overflow (UndefinedBehaviorSanitizer ends the run on one).

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "game/GameTiming.h"
#include "support/TempFolder.h"

namespace {

// The file of this process, in a temporary folder (under $TMPDIR) that goes
// when the process ends.
const std::string& TimingPath() {
    static const zq::test::TempFolder folder;
    static const std::string path = folder.File("zqgame.ini");
    return path;
}

bool WithinBounds(std::int32_t value) {
    return value >= zq::kLeastTimingMs && value <= zq::kMostTimingMs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(TimingPath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    zq::TGameSettings settings;
    const auto refused = zq::ReadGameTiming(TimingPath(), settings);
    for (const std::int32_t value :
         {settings.NewWordSpeed, settings.NewWordSpeedBy, settings.DropSpeed, settings.DropSpeedBy})
        if (!WithinBounds(value)) __builtin_trap();
    if (refused.size() > 4) __builtin_trap();
    for (const zq::RefusedTimingValue& value : refused)
        if (!WithinBounds(value.used) || value.value8.empty()) __builtin_trap();
    if (!refused.empty() && zq::RefusedTimingMessage(TimingPath(), refused).empty()) __builtin_trap();

    // The levels a game reaches: 1 to 10, and three more earned.
    for (std::int32_t level = 0; level <= 13; ++level) {
        const std::int32_t newWord =
            zq::IntervalAtLevel(settings.NewWordSpeed, settings.NewWordSpeedBy, level);
        const std::int32_t drop = zq::IntervalAtLevel(settings.DropSpeed, settings.DropSpeedBy, level);
        if (newWord > settings.NewWordSpeed || drop > settings.DropSpeed) __builtin_trap();
    }
    return 0;
}
