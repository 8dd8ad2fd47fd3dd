#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "keyboard/LayoutTable.h"
#include "keyboard/XkbLayoutGroups.h"

namespace zq {

// One keyboard layout installed on the system.
struct InstalledLayout {
    // The layout's number, written as 8 hex digits; 0 for a layout that has
    // none and is known by its XKB name alone.
    std::uint32_t identifier = 0;
    std::string name;            // display name, 8-bit text
    std::uint16_t layoutId = 0;  // variant number; 0 for a language's basic layout
    // The XKB name ("pl", "us(colemak)") on a system whose layouts are XKB's;
    // empty elsewhere.
    std::string xkbName;
};

// The texts of a locale that the layout agent shows.
enum class LocaleInfo {
    LanguageId,    // the language identifier as 4 hexadecimal digits
    LanguageName,  // for example "French (France)"
    CountryName,   // for example "France"
};

// Everything the keyboard layout agent asks of the system. A layout handle is
// 32 bits: the low word is the language identifier of the layout's locale,
// the high word equals it for a language's basic layout and is 0xF000 plus
// the variant number for a variant.
class LayoutBackend {
public:
    virtual ~LayoutBackend() = default;

    // The installed layouts, in the system's order.
    virtual std::vector<InstalledLayout> InstalledLayouts() = 0;
    // Handles of the layouts loaded for the user, in the system's order.
    virtual std::vector<std::uint32_t> LoadedLayouts() = 0;
    // Handle of the layout the user types with now; 0 when none is known.
    virtual std::uint32_t ActiveLayout() = 0;
    // Loads the layout if needed and makes it the active one; true when the
    // system then reports it active.
    virtual bool Activate(std::uint32_t identifier) = 0;
    // The same for a layout of the XKB registry named by its XKB name, also
    // one that no identifier names ("us(colemak)"). Unless a backend can do
    // more, a layout the table of identifiers names is activated by its
    // identifier, and any other fails.
    virtual bool ActivateXkbLayout(const XkbLayoutName& name) {
        const LayoutTableEntry* entry = FindLayoutByXkbName(name.layout, name.variant);
        return entry != nullptr && Activate(entry->identifier);
    }
    // A text of the locale with that language identifier, 8-bit; empty when
    // the system cannot give it.
    virtual std::string LocaleText(std::uint16_t languageId, LocaleInfo info) = 0;
    // What the learner should know about an activation that succeeded in
    // its own way (translated, UTF-8), once; empty when there is nothing.
    virtual std::string TakeNotice() { return {}; }
};

}  // namespace zq
