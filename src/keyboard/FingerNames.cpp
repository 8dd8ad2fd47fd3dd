#include "keyboard/FingerNames.h"

#include <array>

#include "base/Translation.h"

namespace zq {

std::string FingerName(std::int32_t finger) {
    static constexpr std::array<const char*, 10> kNames = {
        N_("left little finger"),  N_("left ring finger"),    N_("left middle finger"),
        N_("left index finger"),   N_("left thumb"),          N_("right thumb"),
        N_("right index finger"),  N_("right middle finger"), N_("right ring finger"),
        N_("right little finger"),
    };
    if (finger < 0 || finger >= static_cast<std::int32_t>(kNames.size())) return {};
    return Tr(kNames[static_cast<std::size_t>(finger)]);
}

}  // namespace zq
