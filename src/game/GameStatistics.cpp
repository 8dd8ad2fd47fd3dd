#include "game/GameStatistics.h"

#include <algorithm>

namespace zq {

GameStatistics ComputeGameStatistics(std::int32_t hits, std::int32_t losses, std::int32_t elapsedMs) {
    const std::int64_t resolved = std::int64_t{hits} + losses;
    const std::int64_t time = std::max<std::int64_t>(elapsedMs, 1);
    GameStatistics statistics;
    statistics.accuracy = resolved > 0 ? static_cast<std::int32_t>(hits * std::int64_t{100} / resolved) : 0;
    statistics.wpm = static_cast<std::int32_t>(hits * std::int64_t{60000} / time);
    statistics.expectedWpm = static_cast<std::int32_t>(resolved * 60000 / time);
    return statistics;
}

}  // namespace zq
