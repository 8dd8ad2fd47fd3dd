#include "game/TGameSettings.h"

#include <array>

namespace zq {

TGameSettings& GameSettings() {
    static TGameSettings settings;
    return settings;
}

std::int32_t GroupChance(std::int32_t group) {
    static constexpr std::array<std::int32_t, 26> kFirstGroups = {
        60, 50, 70, 60, 50, 50, 45, 45, 20, 15, 15, 20, 40,  // groups 1..13
        25, 35, 45, 10, 60, 65, 60, 5,  5,  5,  3,  3,  3,   // groups 14..26
    };
    if (group >= 1 && group <= static_cast<std::int32_t>(kFirstGroups.size())) return kFirstGroups[group - 1];
    return 10;  // groups 27..60
}

}  // namespace zq
