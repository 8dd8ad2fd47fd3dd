#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/ColorContrast.h"  // the palette is measured with ContrastRatio
#include "base/ContrastPalette.h"
#include "profile/TFontRecord.h"

namespace zq {

// Large print and strong contrast: what the profile's EasyReading choice
// makes of the windows. With the choice off every window looks as the
// profile's fonts and colours make it; with it on the drills and the game
// show their text at least kLargePrintPoints high in the contrast palette,
// a drill's status bar kLargeStatusScale times its usual size, and the
// on-screen keyboard and the hands windows are drawn
// kLargeGuidanceScale times their template's size in the same palette.
// The learner's own fonts stay in the profile: turning the choice off
// brings them back.
class EasyReading {
public:
    static constexpr std::int32_t kLargePrintPoints = 24;
    static constexpr double kLargeGuidanceScale = 1.5;
    static constexpr double kLargeStatusScale = 1.5;

    explicit EasyReading(bool on) : on_(on) {}

    bool On() const { return on_; }
    // The font a drill or the game shows for a font of the profile: at least
    // kLargePrintPoints, in the palette's text colour, its family and style
    // kept.
    TFontRecord Font(const TFontRecord& chosen) const;
    // The colours of the drills, the guidance windows and the game; none
    // while the choice is off.
    std::optional<ContrastPalette> Palette() const;
    // How many times their template's size the keyboard and hands are drawn.
    double GuidanceScale() const { return on_ ? kLargeGuidanceScale : 1.0; }
    // How many times the desktop's size a drill's status bar shows the
    // results of a line and the drill's prompts.
    double StatusScale() const { return on_ ? kLargeStatusScale : 1.0; }

private:
    bool on_;
};

// A font family made for easier reading (shapes that tell b from d and p
// from q), offered when the desktop has it (Debian's fonts-opendyslexic).
inline constexpr std::string_view kReadableFontFamily = "OpenDyslexic";

// Whether the readable font is among the desktop's font families (names
// compared without regard to case; its "Mono" and "Alta" cousins do not
// count).
bool HasReadableFont(const std::vector<std::string>& families);

}  // namespace zq
