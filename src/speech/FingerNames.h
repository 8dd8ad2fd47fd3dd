#pragma once

#include <cstdint>
#include <string>

namespace zq {

// How speech names a finger of the keyboard templates' numbering (0 the left
// little finger to 9 the right little finger): "left index finger", "right
// thumb", in the language of the program's texts. Empty for any other
// number (a character without a key).
std::string SpokenFingerName(std::int32_t finger);

}  // namespace zq
