#include "keyboard/XkbRegistry.h"

#include <xkbcommon/xkbregistry.h>

#include <memory>

namespace zq {
namespace {

struct ContextRelease {
    void operator()(rxkb_context* context) const { rxkb_context_unref(context); }
};

std::string TextOrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

}  // namespace

XkbRegistry::XkbRegistry() {
    const std::unique_ptr<rxkb_context, ContextRelease> context(rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (!context || !rxkb_context_parse_default_ruleset(context.get())) return;
    for (rxkb_layout* layout = rxkb_layout_first(context.get()); layout != nullptr;
         layout = rxkb_layout_next(layout)) {
        descriptions_[{TextOrEmpty(rxkb_layout_get_name(layout)),
                       TextOrEmpty(rxkb_layout_get_variant(layout))}] =
            TextOrEmpty(rxkb_layout_get_description(layout));
    }
}

bool XkbRegistry::Knows(std::string_view layout, std::string_view variant) const {
    return descriptions_.find(std::pair{std::string(layout), std::string(variant)}) != descriptions_.end();
}

std::string XkbRegistry::Description(std::string_view layout, std::string_view variant) const {
    const auto found = descriptions_.find(std::pair{std::string(layout), std::string(variant)});
    return found != descriptions_.end() ? found->second : std::string();
}

}  // namespace zq
