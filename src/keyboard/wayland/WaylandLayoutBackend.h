#pragma once

#include <memory>

#include "keyboard/KeyReadingLayoutBackend.h"
#include "keyboard/wayland/WaylandKeyEvents.h"

namespace zq {

// The layout backend on Qt's Wayland platform: the program reads the keys
// itself, through the layout it activates, in every one of its windows.
class WaylandLayoutBackend : public KeyReadingLayoutBackend {
public:
    // Reads the compose table of the user's locale, then takes composing
    // from Qt and watches the application's key events.
    WaylandLayoutBackend(LocaleTextSource localeTexts, std::vector<XkbLayoutName> configuredGroups);

private:
    WaylandKeyEvents keyEvents_;
};

}  // namespace zq
