#pragma once

#include <cstdint>
#include <string>

#include "game/GameStatistics.h"

namespace zq {

// What a game that ended by itself came to.
struct GameResult {
    std::int32_t difficulty = 0;  // chosen at the start, 1 to 10
    std::int32_t score = 0;
    std::int32_t hits = 0;    // words shot down
    std::int32_t losses = 0;  // words that hit the city or reached the ground
    std::int32_t timeMs = 0;  // the game clock, never below its 25 ms floor
    GameStatistics statistics;
};

// The statistics as the end of a game has always shown them (translated,
// UTF-8): accuracy, words per minute and expected words per minute, in the
// characters the system code page holds.
std::string StatisticsLine(const GameStatistics& statistics);

}  // namespace zq
