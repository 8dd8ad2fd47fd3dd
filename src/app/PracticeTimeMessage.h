#pragma once

#include <cstdint>
#include <string>

namespace zq {

// What the main window tells the learner when it closes: "<user>: The
// practice time is 1 h 2 m 3 s, total practice time is 31 h 2 m 3 s.",
// translated, UTF-8. `userName8` is in the code page.
std::string PracticeTimeMessage(const std::string& userName8, std::int32_t runMs, std::int32_t totalMs);

}  // namespace zq
