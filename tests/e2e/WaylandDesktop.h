#pragma once

#include <optional>
#include <string>

#include "Desktop.h"

namespace zq::e2e {

// The headless Wayland compositor (sway) that ./test starts: its display,
// the private runtime folder its socket is in, and its control socket.
struct WaylandSession {
    std::string display;
    std::string runtimeFolder;
    std::string swaySocket;
};

// The compositor of ./test, or nothing when the tests run without one (or
// without the virtual keyboard tool).
std::optional<WaylandSession> TestWaylandSession();
// The X display of the compositor's XWayland, when it has one.
std::optional<std::string> TestXWaylandDisplay();

// A program on the compositor as a native Wayland client, driven with
// swaymsg (windows) and zq-virtual-keyboard (keys): a keyboard that
// announces the layout `keymap`, on which text is typed by the places of its
// characters on the layout `positions` (a touch typist who knows that
// layout, at a keyboard whose desktop layout is another).
class WaylandDesktop : public Desktop {
public:
    explicit WaylandDesktop(WaylandSession session, std::string keymap = "us", std::string positions = "");

    std::vector<std::string> ProgramVariables() const override;
    std::vector<std::string> VisibleWindows(pid_t pid, const std::string& titlePattern) override;
    void Activate(const std::string& window) override;
    void Keys(const std::string& keys) override;
    void Type(const std::string& text) override;

    std::optional<Rect> Geometry(const std::string& window) override;
    // A picture of the output (PNG), taken with grim; false when it fails.
    bool Screenshot(const std::string& path);

private:
    std::string Swaymsg(const std::string& arguments);
    void VirtualKeyboard(const std::string& actions);

    WaylandSession session_;
    std::string keymap_;
    std::string positions_;
};

}  // namespace zq::e2e
