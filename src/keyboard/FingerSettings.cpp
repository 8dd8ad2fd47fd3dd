#include "keyboard/FingerSettings.h"

#include <string>

#include "keyboard/TDataMod.h"

namespace zq {

FingerSettings FingerSettingsOf(const TDataMod& store) {
    static constexpr std::array<const char*, 10> kLengthKeys = {
        "LLittle", "LRing", "LMiddle", "LIndex", "LThumb", "RThumb", "RIndex", "RMiddle", "RRing", "RLittle"};
    FingerSettings settings;
    for (size_t f = 0; f < kLengthKeys.size(); ++f) {
        settings.Length[f] = store.IntSetting(kLengthKeys[f]);
        settings.Color[f] = store.IntSetting(std::string(kLengthKeys[f]) + "Color");
    }
    return settings;
}

}  // namespace zq
