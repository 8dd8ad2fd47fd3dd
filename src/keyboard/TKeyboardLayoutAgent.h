#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/LayoutBackend.h"

namespace zq {

// A layout identifier as the program writes it: 8 hexadecimal digits,
// zero-padded, upper-case ("0000040C").
std::string LayoutIdentifierText(std::uint32_t identifier);

// The number of an identifier text of 1 to 8 hexadecimal digits (either
// letter case, as the system reads them); nothing for any other text.
std::optional<std::uint32_t> ParseLayoutIdentifier(std::string_view text);

// The layout and variant of an XKB layout name ("pl", "us(dvorak)");
// nothing for a text of another form.
std::optional<XkbLayoutName> ParseXkbLayoutName(std::string_view text);

// The program's one contact with the system's keyboard layouts: lists the
// installed layouts, describes the loaded ones and the active one, and
// activates a layout by its identifier. It never switches back by itself.
//
// An identifier is the Windows layout identifier of 8 hexadecimal digits
// ("00000415"), or, for any layout of the system's XKB registry, its XKB name
// ("pl", "us(colemak)"). The installed list names a layout by its Windows
// identifier where it has one, so that a profile stored by the program
// still means the same layout everywhere; a layout that has none is named
// by its XKB name.
class TKeyboardLayoutAgent {
public:
    static constexpr std::size_t kMaxLoadedLayouts = 16;

    // Reads the installed and loaded layouts and the name of the active one.
    explicit TKeyboardLayoutAgent(std::unique_ptr<LayoutBackend> backend);

    // Rereads the loaded layouts and rebuilds LayoutList and InfoLines.
    void Refresh();

    // One line per installed layout: name + " - " + identifier text.
    const std::vector<std::string>& LayoutList() const { return layoutList_; }
    // The loaded layouts and the active one, as of the last Refresh.
    const std::vector<std::string>& InfoLines() const { return infoLines_; }
    // VariationName of the layout that was active when the agent was created.
    const std::string& OriginalLayoutName() const { return originalLayoutName_; }
    // Index of the installed layout that was active when the agent was
    // created (the desktop's own), or -1.
    std::int32_t OriginalLayoutIndex() const;

    // Loads and activates the layout; true on success. LayoutList and
    // InfoLines stay as they are; the loaded list is reread.
    bool ActivateLayout(const std::string& identifier);
    // What the learner should know about the layout just activated, where
    // the system activates it in its own way (translated, UTF-8); told once
    // a run, empty otherwise.
    std::string TakeLayoutNotice() { return backend_->TakeNotice(); }
    // ActivateLayout(LayoutIdAt(index)).
    bool ActivateLayoutAt(std::int32_t index);
    // Index of the first installed layout whose identifier text equals the
    // text exactly (letter case matters), else of the first whose XKB name
    // does ("pl" finds "Polish - 00000415"), or -1.
    std::int32_t IndexOfLayout(std::string_view identifier) const;
    // Identifier text of the installed layout at that index; raises "List
    // index out of bounds (%d)" outside the list.
    std::string LayoutIdAt(std::int32_t index) const;

    // Name of the installed layout that a loaded layout handle stands for.
    std::string VariationName(std::uint32_t handle) const;
    // The language name of the handle's locale, followed by " - " and the
    // VariationName when the handle names a variant.
    std::string DisplayName(std::uint32_t handle) const;

    const std::vector<InstalledLayout>& InstalledLayouts() const { return installed_; }
    const std::vector<std::uint32_t>& LoadedLayouts() const { return loaded_; }
    LayoutBackend& Backend() { return *backend_; }

private:
    void ReadLoadedLayouts();
    // The installed layout a loaded layout handle stands for, or null.
    const InstalledLayout* InstalledFor(std::uint32_t handle) const;
    bool ActivateByIdentifier(const std::string& identifier);
    void BuildLayoutList();
    void BuildInfoLines();
    std::string LocaleText(std::uint32_t handle, LocaleInfo info) const;

    std::unique_ptr<LayoutBackend> backend_;
    std::vector<InstalledLayout> installed_;
    std::vector<std::uint32_t> loaded_;
    std::vector<std::string> layoutList_;
    std::vector<std::string> infoLines_;
    std::uint32_t originalLayout_ = 0;  // the handle active when the agent was created
    std::string originalLayoutName_;
};

}  // namespace zq
