#pragma once

#include <cstdint>
#include <string_view>

namespace zq {

inline constexpr std::int32_t kEasiestDifficulty = 1;
inline constexpr std::int32_t kHardestDifficulty = 10;
inline constexpr std::int32_t kUsualDifficulty = 3;

// The difficulty the player's answer to the difficulty question asks for:
// a whole number from 1 to 10 as it stands; anything else (another number,
// an empty answer, text) gives 3.
std::int32_t DifficultyFromAnswer(std::string_view answer);

}  // namespace zq
