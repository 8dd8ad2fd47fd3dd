#include "keyboard/XkbLayoutGroups.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "base/TextFile.h"

namespace zq {
namespace {

std::vector<std::string> SplitAtCommas(std::string_view text) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

// The value of a shell assignment: quotes removed.
std::string_view ShellValue(std::string_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::vector<XkbLayoutName> SplitXkbGroups(std::string_view layouts, std::string_view variants) {
    const std::vector<std::string> layoutParts = SplitAtCommas(layouts);
    const std::vector<std::string> variantParts = SplitAtCommas(variants);
    std::vector<XkbLayoutName> groups;
    for (std::size_t i = 0; i < layoutParts.size(); ++i) {
        XkbLayoutName group{std::string(TrimBlanks(layoutParts[i])),
                            i < variantParts.size() ? std::string(TrimBlanks(variantParts[i])) : ""};
        const std::size_t open = group.layout.find('(');
        if (open != std::string::npos && group.layout.back() == ')') {
            group.variant = group.layout.substr(open + 1, group.layout.size() - open - 2);
            group.layout.resize(open);
        }
        if (!group.layout.empty()) groups.push_back(std::move(group));
    }
    return groups;
}

std::string JoinXkbLayouts(const std::vector<XkbLayoutName>& groups) {
    std::string text;
    for (const XkbLayoutName& group : groups) text += (text.empty() ? "" : ",") + group.layout;
    return text;
}

std::string JoinXkbVariants(const std::vector<XkbLayoutName>& groups) {
    const bool anyVariant = std::any_of(groups.begin(), groups.end(),
                                        [](const XkbLayoutName& group) { return !group.variant.empty(); });
    if (!anyVariant) return {};
    std::string text;
    for (std::size_t i = 0; i < groups.size(); ++i) text += (i == 0 ? "" : ",") + groups[i].variant;
    return text;
}

XkbGroupChoice GroupsWithLayout(std::vector<XkbLayoutName> groups, const XkbLayoutName& wanted) {
    const auto found = std::find(groups.begin(), groups.end(), wanted);
    if (found != groups.end()) {
        const auto index = static_cast<std::size_t>(found - groups.begin());
        return {std::move(groups), index};
    }
    if (groups.size() >= kMaxXkbGroups) groups.resize(kMaxXkbGroups - 1);
    groups.push_back(wanted);
    const std::size_t index = groups.size() - 1;
    return {std::move(groups), index};
}

std::vector<XkbLayoutName> GroupsFromKeyboardSettings(std::string_view fileText) {
    std::string layouts;
    std::string variants;
    for (const std::string& line : SplitLines(fileText)) {
        const std::string_view text = TrimBlanks(line);
        const std::size_t equals = text.find('=');
        if (text.empty() || text.front() == '#' || equals == std::string_view::npos) continue;
        const std::string_view name = TrimBlanks(text.substr(0, equals));
        if (name == "XKBLAYOUT") layouts = ShellValue(text.substr(equals + 1));
        if (name == "XKBVARIANT") variants = ShellValue(text.substr(equals + 1));
    }
    return SplitXkbGroups(layouts, variants);
}

}  // namespace zq
