#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zq {

// A Windows keyboard layout identifier and the XKB layout that types the same
// characters. Profiles name layouts by these identifiers on every system.
struct LayoutTableEntry {
    std::uint32_t identifier;     // for example 0x0001'0409, US Dvorak
    std::uint16_t languageId;     // language identifier of the layout's locale
    std::string_view xkbLayout;   // for example "us"
    std::string_view xkbVariant;  // empty for the layout's basic variant
};

// Every known layout, the most used first.
std::span<const LayoutTableEntry> LayoutTable();

const LayoutTableEntry* FindLayoutByIdentifier(std::uint32_t identifier);
// The entry of exactly that XKB layout and variant.
const LayoutTableEntry* FindLayoutByXkbName(std::string_view layout, std::string_view variant);
// The entry of that XKB layout and variant, else of the layout's basic
// variant (a "de(nodeadkeys)" group still speaks German); null when neither.
const LayoutTableEntry* ClosestLayoutForXkbName(std::string_view layout, std::string_view variant);

// The handle the layout agent sees for a loaded layout: the language in the
// low word; the high word repeats it for a basic layout (variant number 0)
// and is 0xF000 plus the variant number (the identifier's high word) for a
// variant.
std::uint32_t LayoutHandle(const LayoutTableEntry& entry);

// The locale name ("fr_FR", "sr_Latn_RS") of a Windows language identifier;
// empty when the table does not know it.
std::string_view LocaleNameOfLanguage(std::uint16_t languageId);

}  // namespace zq
