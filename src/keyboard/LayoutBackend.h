#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zq {

// One keyboard layout installed on the system.
struct InstalledLayout {
    std::uint32_t identifier = 0;  // the layout's number, written as 8 hex digits
    std::string name;              // display name, 8-bit text
    std::uint16_t layoutId = 0;    // variant number; 0 for a language's basic layout
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
    // A text of the locale with that language identifier, 8-bit; empty when
    // the system cannot give it.
    virtual std::string LocaleText(std::uint16_t languageId, LocaleInfo info) = 0;
    // What the learner should know about an activation that succeeded in
    // its own way (translated, UTF-8), once; empty when there is nothing.
    virtual std::string TakeNotice() { return {}; }
};

}  // namespace zq
