#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyboard/XkbLayoutBackend.h"
#include "keyboard/x11/X11LayoutFollower.h"

using Display = struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): the name X11 gives it

namespace zq {

// The layouts of an X server: its configured layout groups (the XKB rules
// names) are the loaded layouts and its locked group the active one.
// Activating a layout locks its group, adding the group first when needed.
//
// An X server's layouts serve every program of the desktop, while the
// program's activation is meant for its own typing. So the backend remembers
// the desktop's layouts and puts them back whenever the program leaves the
// foreground or ends, and brings the program's layout back when the program
// returns to the foreground.
class X11LayoutBackend : public XkbLayoutBackend {
public:
    // Connects to the X server (null: $DISPLAY); null when it cannot be
    // reached or lacks the keyboard extension.
    static std::unique_ptr<X11LayoutBackend> Connect(const char* displayName, LocaleTextSource localeTexts);
    ~X11LayoutBackend() override;  // puts the desktop's layouts back

    std::vector<std::uint32_t> LoadedLayouts() override;
    std::uint32_t ActiveLayout() override;
    bool Activate(std::uint32_t identifier) override;
    // Any layout of the registry, whether an identifier names it or not.
    bool ActivateXkbLayout(const XkbLayoutName& name) override;

    // The program leaves the foreground or ends: the desktop's layouts return.
    void RestoreDesktopLayouts();
    // The program is in the foreground again: its activated layout returns.
    void ReapplyProgramLayout();
    // The program ends: the desktop's layouts return for good.
    void ProgramEnding();
    bool ProgramLayoutShown() const { return programLayoutShown_; }

    // The server's layouts as the rules names and the keyboard state give them.
    struct ServerLayouts {
        std::string rules;
        std::string model;
        std::string options;
        std::vector<XkbLayoutName> groups;
        unsigned lockedGroup = 0;
    };
    ServerLayouts ReadServerLayouts() const;

private:
    X11LayoutBackend(Display* display, LocaleTextSource localeTexts);
    bool ApplyServerLayouts(const ServerLayouts& wanted);
    bool LoadKeymap(const ServerLayouts& wanted);
    bool ShowLayout(const XkbLayoutName& wanted);

    Display* display_;
    ServerLayouts desktop_;  // what the desktop had before the program's layout
    std::optional<XkbLayoutName> programLayout_;
    bool programLayoutShown_ = false;
    bool ending_ = false;
    ApplicationWatch applicationWatch_;
};

}  // namespace zq
