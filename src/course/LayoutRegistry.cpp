#include "course/LayoutRegistry.h"

#include <xkbcommon/xkbregistry.h>

#include <algorithm>
#include <map>
#include <memory>

namespace zq {
namespace {

struct ContextRelease {
    void operator()(rxkb_context* context) const { rxkb_context_unref(context); }
};

std::string TextOrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

std::vector<std::string> Languages(rxkb_layout* layout) {
    std::vector<std::string> codes;
    for (rxkb_iso639_code* code = rxkb_layout_get_iso639_first(layout); code != nullptr;
         code = rxkb_iso639_code_next(code))
        codes.push_back(TextOrEmpty(rxkb_iso639_code_get_code(code)));
    return codes;
}

std::vector<std::string> Countries(rxkb_layout* layout) {
    std::vector<std::string> codes;
    for (rxkb_iso3166_code* code = rxkb_layout_get_iso3166_first(layout); code != nullptr;
         code = rxkb_iso3166_code_next(code))
        codes.push_back(TextOrEmpty(rxkb_iso3166_code_get_code(code)));
    return codes;
}

}  // namespace

std::string RegistryLayout::Name() const {
    return variant.empty() ? layout : layout + "(" + variant + ")";
}

std::vector<RegistryLayout> ReadLayoutRegistry() {
    std::vector<RegistryLayout> registry;
    const std::unique_ptr<rxkb_context, ContextRelease> context(rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (!context || !rxkb_context_parse_default_ruleset(context.get())) return registry;
    for (rxkb_layout* layout = rxkb_layout_first(context.get()); layout != nullptr;
         layout = rxkb_layout_next(layout)) {
        RegistryLayout& entry = registry.emplace_back();
        entry.layout = TextOrEmpty(rxkb_layout_get_name(layout));
        entry.variant = TextOrEmpty(rxkb_layout_get_variant(layout));
        entry.description = TextOrEmpty(rxkb_layout_get_description(layout));
        entry.languages = Languages(layout);
        entry.countries = Countries(layout);
    }
    // Variants may come before their layout; the layouts' languages are
    // looked up once every entry is read.
    std::map<std::string, std::string> firstLanguages;
    for (const RegistryLayout& entry : registry)
        if (entry.variant.empty() && !entry.languages.empty())
            firstLanguages.emplace(entry.layout, entry.languages.front());
    for (RegistryLayout& entry : registry) {
        const auto found = firstLanguages.find(entry.layout);
        if (found != firstLanguages.end()) entry.layoutLanguage = found->second;
    }
    return registry;
}

std::optional<RegistryLayout> FindRegistryLayout(const std::vector<RegistryLayout>& registry,
                                                 std::string_view name) {
    const auto found = std::find_if(registry.begin(), registry.end(),
                                    [&](const RegistryLayout& entry) { return entry.Name() == name; });
    if (found == registry.end()) return std::nullopt;
    return *found;
}

}  // namespace zq
