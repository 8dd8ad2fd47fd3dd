#pragma once

#include <cstdint>
#include <string>

namespace zq {

// The name of a finger of the templates' numbering (0 the left little
// finger to 9 the right little finger): "left index finger", "right
// thumb", in the language of the program's texts (UTF-8). Empty for any
// other number (a key without a finger).
std::string FingerName(std::int32_t finger);

}  // namespace zq
