#pragma once

#include <cstdint>

namespace zq {

// A colour as profiles, keyboard templates and the game store it: a signed
// 32-bit integer.
//   0 .. 16777215   an RGB colour, red in the lowest byte, then green, then
//                   blue (255 is red, 65280 green, 16711680 blue);
//   top bit set     a colour of the desktop theme, chosen by the index in the
//                   lowest byte (the Windows system colour numbers; negative
//                   when written in decimal, e.g. -2147483633 = button face);
//   clNone          no colour at all (drawn transparent);
//   clDefault       whatever the control would use by default.
// Values between 16777216 and clNone keep only their RGB bytes.
using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;     // 536870911
inline constexpr TColor clDefault = 0x20000000;  // 536870912

// Index numbers of the desktop theme colours.
enum class SystemColor : std::uint8_t {
    ScrollBar = 0,
    Background = 1,  // the desktop
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,  // background of edit boxes and lists
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

constexpr TColor Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<TColor>(red | green << 8 | blue << 16);
}

constexpr std::uint8_t RedOf(TColor color) {
    return static_cast<std::uint8_t>(color & 0xFF);
}
constexpr std::uint8_t GreenOf(TColor color) {
    return static_cast<std::uint8_t>(color >> 8 & 0xFF);
}
constexpr std::uint8_t BlueOf(TColor color) {
    return static_cast<std::uint8_t>(color >> 16 & 0xFF);
}

constexpr bool IsSystemColor(TColor color) {
    return color < 0;
}

// The theme colour index of a system colour value (its lowest byte).
constexpr int SystemColorIndex(TColor color) {
    return color & 0xFF;
}

constexpr TColor ToColor(SystemColor index) {
    return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index));
}

// Plain colours by name.
inline constexpr TColor clBlack = Rgb(0, 0, 0);
inline constexpr TColor clMaroon = Rgb(128, 0, 0);
inline constexpr TColor clGreen = Rgb(0, 128, 0);
inline constexpr TColor clOlive = Rgb(128, 128, 0);
inline constexpr TColor clNavy = Rgb(0, 0, 128);
inline constexpr TColor clPurple = Rgb(128, 0, 128);
inline constexpr TColor clTeal = Rgb(0, 128, 128);
inline constexpr TColor clGray = Rgb(128, 128, 128);
inline constexpr TColor clSilver = Rgb(192, 192, 192);
inline constexpr TColor clRed = Rgb(255, 0, 0);
inline constexpr TColor clLime = Rgb(0, 255, 0);
inline constexpr TColor clYellow = Rgb(255, 255, 0);
inline constexpr TColor clBlue = Rgb(0, 0, 255);
inline constexpr TColor clFuchsia = Rgb(255, 0, 255);
inline constexpr TColor clAqua = Rgb(0, 255, 255);
inline constexpr TColor clWhite = Rgb(255, 255, 255);

// Theme colours most windows use.
inline constexpr TColor clBtnFace = ToColor(SystemColor::ButtonFace);
inline constexpr TColor clBtnText = ToColor(SystemColor::ButtonText);
inline constexpr TColor clWindow = ToColor(SystemColor::Window);
inline constexpr TColor clWindowText = ToColor(SystemColor::WindowText);
inline constexpr TColor clHighlight = ToColor(SystemColor::Highlight);
inline constexpr TColor clHighlightText = ToColor(SystemColor::HighlightText);
inline constexpr TColor clGrayText = ToColor(SystemColor::GrayText);
inline constexpr TColor clInfoBk = ToColor(SystemColor::InfoBackground);
inline constexpr TColor clInfoText = ToColor(SystemColor::InfoText);

}  // namespace zq
