#pragma once

#include <memory>

#include "keyboard/LayoutBackend.h"
#include "keyboard/TKeyboardLayoutAgent.h"

namespace zq {

// Asks Qt for its X11 platform whenever an X display is reachable and the
// user chose no platform, so that on a Wayland desktop the program switches
// layouts in its own windows through XWayland. Call before the application
// object exists.
void PreferX11Platform();

// The layout backend of this session, chosen by Qt's platform: on Qt's
// Wayland platform one through which the program reads the keys itself
// (keyboard/wayland; the desktop's layout cannot be switched there); the X
// server's (keyboard/x11) when the program runs on Qt's X11 platform and the
// server answers; else one that lists the layouts and reports the configured
// ones but cannot activate any.
std::unique_ptr<LayoutBackend> CreateLayoutBackend();

// A keyboard layout agent over CreateLayoutBackend().
std::unique_ptr<TKeyboardLayoutAgent> CreateKeyboardLayoutAgent();

}  // namespace zq
