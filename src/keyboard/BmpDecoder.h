#pragma once

#include <string_view>

#include "keyboard/Bitmap.h"

namespace zq {

// Decodes the bytes of a Windows bitmap file ("BM" file header, then a core,
// info or later header): 1, 4 and 8 bits per pixel with a palette, 16, 24
// and 32 bits per pixel (plain or with bit-field masks), rows stored bottom-up
// or top-down. Raises "Bitmap image is not valid" for anything else, and for
// sizes that the bytes do not hold.
Bitmap DecodeBmp(std::string_view bytes);

}  // namespace zq
