#include "base/ui/Colors.h"

#include <QGuiApplication>

#include <array>

namespace zq {
namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

using P = QPalette;
constexpr PaletteEntry kUndefined{P::NColorGroups, P::NColorRoles};

// The palette colour closest in meaning to each theme colour, by index.
constexpr std::array<PaletteEntry, 31> kPaletteEntries = {{
    {P::Active, P::Button},             // 0 scroll bar
    {P::Active, P::Dark},               // 1 desktop background
    {P::Active, P::Highlight},          // 2 active caption
    {P::Inactive, P::Highlight},        // 3 inactive caption
    {P::Active, P::Window},             // 4 menu
    {P::Active, P::Base},               // 5 window (edit boxes, lists)
    {P::Active, P::Shadow},             // 6 window frame
    {P::Active, P::WindowText},         // 7 menu text
    {P::Active, P::Text},               // 8 window text
    {P::Active, P::HighlightedText},    // 9 caption text
    {P::Active, P::Window},             // 10 active border
    {P::Inactive, P::Window},           // 11 inactive border
    {P::Active, P::Mid},                // 12 application workspace
    {P::Active, P::Highlight},          // 13 highlight
    {P::Active, P::HighlightedText},    // 14 highlight text
    {P::Active, P::Button},             // 15 button face
    {P::Active, P::Dark},               // 16 button shadow
    {P::Disabled, P::Text},             // 17 gray text
    {P::Active, P::ButtonText},         // 18 button text
    {P::Inactive, P::HighlightedText},  // 19 inactive caption text
    {P::Active, P::Light},              // 20 button highlight
    {P::Active, P::Shadow},             // 21 3D dark shadow
    {P::Active, P::Midlight},           // 22 3D light
    {P::Active, P::ToolTipText},        // 23 info text
    {P::Active, P::ToolTipBase},        // 24 info background
    kUndefined,                         // 25
    {P::Active, P::Link},               // 26 hot light
    {P::Active, P::Highlight},          // 27 gradient of the active caption
    {P::Inactive, P::Highlight},        // 28 gradient of the inactive caption
    {P::Active, P::Highlight},          // 29 menu highlight
    {P::Active, P::Window},             // 30 menu bar
}};

}  // namespace

QColor ThemeColor(int index, const QPalette& palette) {
    if (index < 0 || index >= static_cast<int>(kPaletteEntries.size())) return QColor(Qt::black);
    const PaletteEntry& entry = kPaletteEntries[static_cast<size_t>(index)];
    if (entry.role == P::NColorRoles) return QColor(Qt::black);
    return palette.color(entry.group, entry.role);
}

QColor ToQColor(TColor color, const QPalette& palette, const QColor& defaultColor) {
    if (color == clNone) return QColor(Qt::transparent);
    if (color == clDefault) return defaultColor;
    if (IsSystemColor(color)) return ThemeColor(SystemColorIndex(color), palette);
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QColor ToQColor(TColor color, const QColor& defaultColor) {
    return ToQColor(color, QGuiApplication::palette(), defaultColor);
}

TColor FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return Rgb(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
               static_cast<std::uint8_t>(rgb.blue()));
}

}  // namespace zq
