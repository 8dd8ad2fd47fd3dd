#include "game/GameTiming.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "base/CodePage.h"
#include "base/IniFile.h"
#include "base/Numbers.h"
#include "base/Translation.h"

namespace zq {
namespace {

struct TimingKey {
    const char* name;
    std::int32_t TGameSettings::*field;
};

constexpr TimingKey kTimingKeys[] = {
    {"NewWordSpeed", &TGameSettings::NewWordSpeed},
    {"NewWordSpeedBy", &TGameSettings::NewWordSpeedBy},
    {"DropSpeed", &TGameSettings::DropSpeed},
    {"DropSpeedBy", &TGameSettings::DropSpeedBy},
};

bool WithinBounds(std::int32_t value) {
    return value >= kLeastTimingMs && value <= kMostTimingMs;
}

}  // namespace

std::vector<RefusedTimingValue> ReadGameTiming(const std::string& path, TGameSettings& settings) {
    const IniFile ini(path);
    constexpr const char* kSection = "General";
    const TGameSettings defaults;
    std::vector<RefusedTimingValue> refused;
    for (const TimingKey& key : kTimingKeys) {
        const std::int32_t fallback = defaults.*key.field;
        const std::string text = ini.ReadString(kSection, key.name, "");
        const std::optional<std::int32_t> value = TryParseInt32(text);
        if (value && !WithinBounds(*value)) refused.push_back({key.name, text, fallback});
        settings.*key.field = value && WithinBounds(*value) ? *value : fallback;
    }
    return refused;
}

std::string RefusedTimingMessage(const std::string& path8, const std::vector<RefusedTimingValue>& refused) {
    std::string message = Format(
        Tr("The game settings file \"%s\" holds values a game cannot be played with:"), {ToUtf8(path8)});
    for (const RefusedTimingValue& value : refused) {
        message += "\n";
        message += Format(Tr("%s=%s is not within %d to %d milliseconds; the game uses %d."),
                          {value.key, ToUtf8(value.value8), std::to_string(kLeastTimingMs),
                           std::to_string(kMostTimingMs), std::to_string(value.used)});
    }
    return message;
}

std::int32_t IntervalAtLevel(std::int32_t base, std::int32_t step, std::int32_t level) {
    const std::int64_t interval = std::int64_t{base} - std::int64_t{level} * step;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        interval, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace zq
