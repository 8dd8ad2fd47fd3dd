#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// One layout or variant of the system's XKB registry (the "evdev" rules, or
// XKB_CONFIG_ROOT's), with what a course maker needs of it.
struct RegistryLayout {
    std::string layout;       // "us"
    std::string variant;      // "dvorak"; empty for the layout itself
    std::string description;  // "English (Dvorak)", UTF-8
    // ISO 639-3 codes, the layout's own list when a variant has none.
    std::vector<std::string> languages;
    // ISO 3166 codes, likewise ("BR").
    std::vector<std::string> countries;
    // The first language of the layout a variant belongs to (of the layout
    // itself for a layout): the language the variant's keys were made for
    // when it lists several.
    std::string layoutLanguage;

    // "us" or "us(dvorak)", as XkbLayout and zq-course take it.
    std::string Name() const;
};

// Every layout and variant of the registry, in the registry's order; empty
// when the registry cannot be read.
std::vector<RegistryLayout> ReadLayoutRegistry();

// The entry named "layout" or "layout(variant)".
std::optional<RegistryLayout> FindRegistryLayout(const std::vector<RegistryLayout>& registry,
                                                 std::string_view name);

}  // namespace zq
