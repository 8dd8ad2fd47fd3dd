#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zq::e2e {

// A desktop the end-to-end tests drive a program on, as a person at its
// screen and keyboard would: the windows a program shows there, and keys
// sent to the window that has the focus.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The environment variables that put a program on this desktop; the
    // test's own variables of the same names are left out.
    virtual std::vector<std::string> ProgramVariables() const = 0;
    // The visible windows of process `pid` whose titles match the regular
    // expression, as ids for Activate.
    virtual std::vector<std::string> VisibleWindows(pid_t pid, const std::string& titlePattern) = 0;
    virtual void Activate(const std::string& window) = 0;
    // Where a window is on the screen, its frame left out.
    struct Rect {
        int left = 0, top = 0, width = 0, height = 0;
    };
    virtual std::optional<Rect> Geometry(const std::string& window) = 0;
    // Keys by their names, to the window with the focus: "Return", "alt+c".
    virtual void Keys(const std::string& keys) = 0;
    // Text at about 400 keys a minute: a drill questions a line over 700.
    virtual void Type(const std::string& text) = 0;
};

// The test's variables a program never gets: the desktop sets its own.
inline const std::vector<std::string> kDesktopVariables = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                                           "LANGUAGE"};

// An X display (the private Xvfb of ./test with its window manager, or the
// XWayland of its Wayland compositor), driven with xdotool.
std::unique_ptr<Desktop> X11Desktop(std::string display);

// The output of a command, or nothing when it fails.
std::optional<std::string> CommandOutput(const std::string& command);

// A text as one word of a shell command.
std::string ShellQuoted(const std::string& text);

}  // namespace zq::e2e
