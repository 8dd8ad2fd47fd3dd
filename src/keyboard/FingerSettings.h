#pragma once

#include <array>
#include <cstdint>

#include "base/Color.h"

namespace zq {

class TDataMod;

// The lengths (pixels) and colours of the ten fingers of a template, by
// finger number: 0 left little ... 4 left thumb, 5 right thumb ... 9 right
// little.
struct FingerSettings {
    std::array<std::int32_t, 10> Length{};
    std::array<TColor, 10> Color{};
};

// The finger settings of the template read last ("LLittle", "LLittleColor", ...).
FingerSettings FingerSettingsOf(const TDataMod& store);

}  // namespace zq
