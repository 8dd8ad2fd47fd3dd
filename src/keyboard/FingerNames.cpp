#include "keyboard/FingerNames.h"

#include <array>

#include "base/Translation.h"

namespace zq {
namespace {

using FingerNameTable = std::array<const char*, 10>;

std::string NameIn(const FingerNameTable& names, std::int32_t finger) {
    if (finger < 0 || finger >= static_cast<std::int32_t>(names.size())) return {};
    return Tr(names[static_cast<std::size_t>(finger)]);
}

}  // namespace

std::string FingerName(std::int32_t finger) {
    static constexpr FingerNameTable kNames = {
        N_("Left little finger"),  N_("Left ring finger"),    N_("Left middle finger"),
        N_("Left index finger"),   N_("Left thumb"),          N_("Right thumb"),
        N_("Right index finger"),  N_("Right middle finger"), N_("Right ring finger"),
        N_("Right little finger"),
    };
    return NameIn(kNames, finger);
}

std::string FingerNameInText(std::int32_t finger) {
    static constexpr FingerNameTable kNames = {
        N_("left little finger"),  N_("left ring finger"),    N_("left middle finger"),
        N_("left index finger"),   N_("left thumb"),          N_("right thumb"),
        N_("right index finger"),  N_("right middle finger"), N_("right ring finger"),
        N_("right little finger"),
    };
    return NameIn(kNames, finger);
}

}  // namespace zq
