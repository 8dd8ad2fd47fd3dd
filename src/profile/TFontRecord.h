#pragma once

#include <cstdint>
#include <string>

#include "base/Color.h"

namespace zq {

// A font as the program stores it: what a window needs to make the font,
// without the toolkit's font type.
struct TFontRecord {
    // A font every desktop has: the sans-serif family at a readable size in
    // the text colour of the theme.
    static constexpr const char* kDefaultName = "Sans";
    static constexpr std::int32_t kDefaultSize = 10;

    std::string Name = kDefaultName;
    std::int32_t Size = kDefaultSize;  // points
    TColor Color = clWindowText;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TFontRecord&) const = default;
};

}  // namespace zq
