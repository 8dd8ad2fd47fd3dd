#pragma once

#include <vector>

#include "keyboard/XkbLayoutBackend.h"

namespace zq {

// The backend where no X server can be reached (a Wayland session without
// XWayland, or no display at all): it lists the installed layouts and
// reports the configured layouts, but the program cannot switch the
// keyboard there, so every activation fails.
class EnvironmentLayoutBackend : public XkbLayoutBackend {
public:
    EnvironmentLayoutBackend(LocaleTextSource localeTexts, std::vector<XkbLayoutName> configuredGroups);

    std::vector<std::uint32_t> LoadedLayouts() override;
    std::uint32_t ActiveLayout() override;  // the first configured group
    bool Activate(std::uint32_t identifier) override;

protected:
    const std::vector<XkbLayoutName>& ConfiguredGroups() const { return groups_; }

private:
    std::vector<XkbLayoutName> groups_;
};

// The user's configured layouts: XKB_DEFAULT_LAYOUT and XKB_DEFAULT_VARIANT
// when set, else XKBLAYOUT and XKBVARIANT of /etc/default/keyboard; empty
// when neither says.
std::vector<XkbLayoutName> ConfiguredKeyboardGroups();

}  // namespace zq
