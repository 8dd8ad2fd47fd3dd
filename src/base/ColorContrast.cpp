#include "base/ColorContrast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zq {
namespace {

// The light a colour channel gives, from 0 to 1 (sRGB's curve undone).
double LinearChannel(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(TColor color) {
    return 0.2126 * LinearChannel(RedOf(color)) + 0.7152 * LinearChannel(GreenOf(color)) +
           0.0722 * LinearChannel(BlueOf(color));
}

double ContrastRatio(TColor first, TColor second) {
    const double lighter = std::max(RelativeLuminance(first), RelativeLuminance(second));
    const double darker = std::min(RelativeLuminance(first), RelativeLuminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

TColor ReadableInkOn(TColor ground) {
    return ContrastRatio(ground, clBlack) >= ContrastRatio(ground, clWhite) ? clBlack : clWhite;
}

}  // namespace zq
