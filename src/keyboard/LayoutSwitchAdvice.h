#pragma once

#include <string>
#include <string_view>

#include "keyboard/XkbLayoutGroups.h"

namespace zq {

// The one sentence that tells a learner on a desktop where programs cannot
// switch the keyboard layout (a Wayland desktop) what the program does
// instead, read their keys as on the layout it practises, and how they
// switch the desktop's layout themselves there: in the settings of GNOME or
// KDE Plasma, with swaymsg on sway, in the keyboard settings elsewhere.
// `desktop` is what XDG_CURRENT_DESKTOP says ("GNOME", "ubuntu:GNOME",
// "KDE", "sway"); `layoutName` the layout's name as the layout list shows it
// (UTF-8). Translated, UTF-8.
std::string LayoutSwitchAdvice(std::string_view desktop, std::string_view layoutName,
                               const XkbLayoutName& layout);

// The command that switches sway's keyboards to the layout.
std::string SwayLayoutCommand(const XkbLayoutName& layout);

}  // namespace zq
