#include "base/ui/Colours.h"

#include <QGuiApplication>

#include <optional>

namespace zq {
namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette role closest in meaning to each theme colour index; indices
// without an entry (25 and beyond 30) are undefined.
std::optional<PaletteEntry> PaletteEntryOf(int index) {
    using P = QPalette;
    if (index < 0 || index > 255) return std::nullopt;
    switch (static_cast<SystemColour>(index)) {
        case SystemColour::ScrollBar: return PaletteEntry{P::Active, P::Button};
        case SystemColour::Background: return PaletteEntry{P::Active, P::Dark};
        case SystemColour::ActiveCaption: return PaletteEntry{P::Active, P::Highlight};
        case SystemColour::InactiveCaption: return PaletteEntry{P::Inactive, P::Highlight};
        case SystemColour::Menu: return PaletteEntry{P::Active, P::Window};
        case SystemColour::Window: return PaletteEntry{P::Active, P::Base};
        case SystemColour::WindowFrame: return PaletteEntry{P::Active, P::Shadow};
        case SystemColour::MenuText: return PaletteEntry{P::Active, P::WindowText};
        case SystemColour::WindowText: return PaletteEntry{P::Active, P::Text};
        case SystemColour::CaptionText: return PaletteEntry{P::Active, P::HighlightedText};
        case SystemColour::ActiveBorder: return PaletteEntry{P::Active, P::Window};
        case SystemColour::InactiveBorder: return PaletteEntry{P::Inactive, P::Window};
        case SystemColour::AppWorkspace: return PaletteEntry{P::Active, P::Mid};
        case SystemColour::Highlight: return PaletteEntry{P::Active, P::Highlight};
        case SystemColour::HighlightText: return PaletteEntry{P::Active, P::HighlightedText};
        case SystemColour::ButtonFace: return PaletteEntry{P::Active, P::Button};
        case SystemColour::ButtonShadow: return PaletteEntry{P::Active, P::Dark};
        case SystemColour::GrayText: return PaletteEntry{P::Disabled, P::Text};
        case SystemColour::ButtonText: return PaletteEntry{P::Active, P::ButtonText};
        case SystemColour::InactiveCaptionText: return PaletteEntry{P::Inactive, P::HighlightedText};
        case SystemColour::ButtonHighlight: return PaletteEntry{P::Active, P::Light};
        case SystemColour::DarkShadow3D: return PaletteEntry{P::Active, P::Shadow};
        case SystemColour::Light3D: return PaletteEntry{P::Active, P::Midlight};
        case SystemColour::InfoText: return PaletteEntry{P::Active, P::ToolTipText};
        case SystemColour::InfoBackground: return PaletteEntry{P::Active, P::ToolTipBase};
        case SystemColour::HotLight: return PaletteEntry{P::Active, P::Link};
        case SystemColour::GradientActiveCaption: return PaletteEntry{P::Active, P::Highlight};
        case SystemColour::GradientInactiveCaption: return PaletteEntry{P::Inactive, P::Highlight};
        case SystemColour::MenuHighlight: return PaletteEntry{P::Active, P::Highlight};
        case SystemColour::MenuBar: return PaletteEntry{P::Active, P::Window};
    }
    return std::nullopt;
}

}  // namespace

QColor ThemeColour(int index, const QPalette& palette) {
    const auto entry = PaletteEntryOf(index);
    if (!entry) return QColor(Qt::black);
    return palette.color(entry->group, entry->role);
}

QColor ToQColor(TColor colour, const QPalette& palette, const QColor& defaultColour) {
    if (colour == clNone) return QColor(Qt::transparent);
    if (colour == clDefault) return defaultColour;
    if (IsSystemColour(colour)) return ThemeColour(SystemColourIndex(colour), palette);
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QColor ToQColor(TColor colour, const QColor& defaultColour) {
    return ToQColor(colour, QGuiApplication::palette(), defaultColour);
}

TColor FromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return Rgb(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
               static_cast<std::uint8_t>(rgb.blue()));
}

}  // namespace zq
