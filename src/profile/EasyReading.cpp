#include "profile/EasyReading.h"

#include <algorithm>
#include <cmath>

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

// The light a colour channel gives, from 0 to 1 (sRGB's curve undone).
double LinearChannel(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(TColor color) {
    return 0.2126 * LinearChannel(RedOf(color)) + 0.7152 * LinearChannel(GreenOf(color)) +
           0.0722 * LinearChannel(BlueOf(color));
}

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

double ContrastRatio(TColor first, TColor second) {
    const double lighter = std::max(RelativeLuminance(first), RelativeLuminance(second));
    const double darker = std::min(RelativeLuminance(first), RelativeLuminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace zq
