#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// One XKB layout group: a layout and its variant ("de", "nodeadkeys").
struct XkbLayoutName {
    std::string layout;
    std::string variant;  // empty for the layout's basic variant

    bool operator==(const XkbLayoutName&) const = default;
};

// An X server holds at most four layout groups.
inline constexpr std::size_t kMaxXkbGroups = 4;

// The groups of comma-separated layout and variant lists as XKB rules names
// write them ("us,de" and ",nodeadkeys"); a layout written "de(nodeadkeys)"
// carries its variant itself.
std::vector<XkbLayoutName> SplitXkbGroups(std::string_view layouts, std::string_view variants);

// The layout and variant lists of groups; the variant list is empty when no
// group has a variant.
std::string JoinXkbLayouts(const std::vector<XkbLayoutName>& groups);
std::string JoinXkbVariants(const std::vector<XkbLayoutName>& groups);

// Groups that contain `wanted`, and the index of its group: the groups as
// they are when it is among them, else with it added, replacing the last
// group when all four are taken.
struct XkbGroupChoice {
    std::vector<XkbLayoutName> groups;
    std::size_t index = 0;
};
XkbGroupChoice GroupsWithLayout(std::vector<XkbLayoutName> groups, const XkbLayoutName& wanted);

// The groups that a shell-style keyboard settings file (such as
// /etc/default/keyboard) configures with XKBLAYOUT and XKBVARIANT.
std::vector<XkbLayoutName> GroupsFromKeyboardSettings(std::string_view fileText);

}  // namespace zq
