#pragma once

#include <cstdint>

namespace zq {

// The figures shown when a game ends. Words still on screen count in none.
struct GameStatistics {
    std::int32_t accuracy = 0;     // percent of the words resolved that were shot down; 0 when none was
    std::int32_t wpm = 0;          // words shot down per minute
    std::int32_t expectedWpm = 0;  // words shot down or lost per minute
};

// `elapsedMs` is the game clock's time, never below its 25 ms floor.
GameStatistics ComputeGameStatistics(std::int32_t hits, std::int32_t losses, std::int32_t elapsedMs);

}  // namespace zq
