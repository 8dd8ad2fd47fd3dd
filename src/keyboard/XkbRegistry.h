#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace zq {

// The layouts and variants that the system's XKB registry describes (the
// "evdev" rules, or XKB_CONFIG_ROOT's), with their descriptions.
class XkbRegistry {
public:
    XkbRegistry();  // empty when the registry cannot be read

    // Layout and variant names, and the description in UTF-8.
    using Descriptions = std::map<std::pair<std::string, std::string>, std::string, std::less<>>;

    bool Knows(std::string_view layout, std::string_view variant) const;
    // The description in UTF-8 ("French (Canada)"); empty when unknown.
    std::string Description(std::string_view layout, std::string_view variant) const;
    bool Empty() const { return descriptions_.empty(); }
    // Every layout and variant, by layout and variant name.
    const Descriptions& All() const { return descriptions_; }

private:
    Descriptions descriptions_;
};

}  // namespace zq
