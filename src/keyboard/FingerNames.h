#pragma once

#include <cstdint>
#include <string>

namespace zq {

// The names of the fingers of the templates' numbering (0 the left little
// finger to 9 the right little finger), in the language of the program's
// texts (UTF-8); empty for any other number (a key without a finger).

// Standing alone, as a caption or a name: "Left index finger", "Right thumb".
std::string FingerName(std::int32_t finger);
// Within a sentence: "left index finger", "right thumb".
std::string FingerNameInText(std::int32_t finger);

}  // namespace zq
