#include "keyboard/LayoutSwitchAdvice.h"

#include "base/AsciiText.h"
#include "base/Translation.h"

namespace zq {
namespace {

enum class Desktop { Gnome, Plasma, Sway, Other };

// XDG_CURRENT_DESKTOP may list several names, the most specific first.
Desktop DesktopOf(std::string_view names) {
    while (!names.empty()) {
        const std::size_t colon = names.find(':');
        const std::string_view name = names.substr(0, colon);
        if (EqualsIgnoringAsciiCase(name, "GNOME")) return Desktop::Gnome;
        if (EqualsIgnoringAsciiCase(name, "KDE")) return Desktop::Plasma;
        if (EqualsIgnoringAsciiCase(name, "sway")) return Desktop::Sway;
        if (colon == std::string_view::npos) break;
        names.remove_prefix(colon + 1);
    }
    return Desktop::Other;
}

}  // namespace

std::string SwayLayoutCommand(const XkbLayoutName& layout) {
    const std::string input = "input type:keyboard ";
    // The variant is set as well, or a variant chosen before would stay.
    return "swaymsg '" + input + "xkb_layout " + layout.layout + "; " + input + "xkb_variant \"" +
           layout.variant + "\"'";
}

std::string LayoutSwitchAdvice(std::string_view desktop, std::string_view layoutName,
                               const XkbLayoutName& layout) {
    const std::string name(layoutName);
    switch (DesktopOf(desktop)) {
        case Desktop::Gnome:
            return Format(Tr("Your desktop does not let programs switch the keyboard layout, so the program "
                             "reads your keys as on the %s layout; to type with that layout in other "
                             "programs too, add it in Settings under Keyboard, Input Sources and switch to "
                             "it with Super+Space."),
                          {name});
        case Desktop::Plasma:
            return Format(Tr("Your desktop does not let programs switch the keyboard layout, so the program "
                             "reads your keys as on the %s layout; to type with that layout in other "
                             "programs too, add it in System Settings under Input Devices, Keyboard, Layouts "
                             "and switch to it with Meta+Alt+K."),
                          {name});
        case Desktop::Sway:
            return Format(Tr("Your desktop does not let programs switch the keyboard layout, so the program "
                             "reads your keys as on the %s layout; to switch your desktop to that layout "
                             "too, run %s."),
                          {name, SwayLayoutCommand(layout)});
        case Desktop::Other:
            break;
    }
    return Format(Tr("Your desktop does not let programs switch the keyboard layout, so the program reads "
                     "your keys as on the %s layout; to type with that layout in other programs too, add it "
                     "in your desktop's keyboard settings."),
                  {name});
}

}  // namespace zq
