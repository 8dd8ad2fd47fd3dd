#include "profile/EasyReading.h"

#include <algorithm>

#include "base/AsciiText.h"

namespace zq {
namespace {

// White on black, the wrong characters light red (red alone is too dark on
// black), and yellow under what comes next: every pair of text and ground
// reads at a contrast of 7 or more.
constexpr ContrastPalette kContrastPalette{
    .background = clBlack,
    .text = clWhite,
    .wrongText = Rgb(255, 128, 128),
    .highlightBackground = clYellow,
    .highlightText = clBlack,
};

}  // namespace

TFontRecord EasyReading::Font(const TFontRecord& chosen) const {
    if (!on_) return chosen;
    TFontRecord font = chosen;
    font.Size = std::max(chosen.Size, kLargePrintPoints);
    font.Color = kContrastPalette.text;
    return font;
}

std::optional<ContrastPalette> EasyReading::Palette() const {
    if (!on_) return std::nullopt;
    return kContrastPalette;
}

bool HasReadableFont(const std::vector<std::string>& families) {
    return std::ranges::any_of(families, [](const std::string& family) {
        return EqualsIgnoringAsciiCase(family, kReadableFontFamily);
    });
}

}  // namespace zq
