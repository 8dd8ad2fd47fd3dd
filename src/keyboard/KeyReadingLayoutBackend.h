#pragma once

#include <memory>
#include <string>
#include <vector>

#include "keyboard/EnvironmentLayoutBackend.h"
#include "keyboard/KeyTyping.h"

namespace zq {

// The backend of a desktop that does not let programs switch the keyboard
// layout (Wayland), where the program reads the keys itself: activating a
// layout makes the program read every key by its place through that layout
// (KeyTyping), so that a learner practises the layout they chose whatever
// the desktop types with. The desktop's own layout stays as it is; the
// learner is told so once, in one sentence (TakeNotice), unless the layout is
// the one the desktop is configured with.
class KeyReadingLayoutBackend : public EnvironmentLayoutBackend {
public:
    // `desktop`: what XDG_CURRENT_DESKTOP says, for the advice on switching
    // the desktop's layout.
    KeyReadingLayoutBackend(LocaleTextSource localeTexts, std::vector<XkbLayoutName> configuredGroups,
                            std::unique_ptr<KeyComposer> composer, std::string desktop);

    // The configured layouts, and the one the program reads keys through.
    std::vector<std::uint32_t> LoadedLayouts() override;
    // The layout keys are read through; the first configured one before.
    std::uint32_t ActiveLayout() override;
    // Reads keys through the layout from now on; false when it is not
    // installed or the system's XKB data cannot build it.
    bool Activate(std::uint32_t identifier) override;
    // After the first activation of the run of a layout other than the
    // configured one: what the program does and how the learner switches
    // the desktop's layout; empty otherwise.
    std::string TakeNotice() override;

    // What the keys type; the windows' key events pass through it.
    KeyTyping& Typing() { return typing_; }

private:
    KeyTyping typing_;
    std::string desktop_;
    const LayoutTableEntry* readThrough_ = nullptr;
    std::string notice_;
    bool noticeGiven_ = false;
};

}  // namespace zq
