#include "game/Difficulty.h"

#include <optional>

#include "base/Numbers.h"

namespace zq {

std::int32_t DifficultyFromAnswer(std::string_view answer) {
    const std::optional<std::int32_t> number = TryParseDecimalInt32(answer);
    if (!number || *number < kEasiestDifficulty || *number > kHardestDifficulty) return kUsualDifficulty;
    return *number;
}

}  // namespace zq
