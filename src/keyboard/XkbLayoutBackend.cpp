#include "keyboard/XkbLayoutBackend.h"

#include <algorithm>

#include "base/CodePage.h"

namespace zq {
namespace {

std::string XkbNameText(std::string_view layout, std::string_view variant) {
    std::string name(layout);
    if (variant.empty()) return name;
    // Appended piece by piece: GCC 12 misreports "(" + text (-Wrestrict).
    name += '(';
    name += variant;
    name += ')';
    return name;
}

}  // namespace

XkbLayoutBackend::XkbLayoutBackend(LocaleTextSource localeTexts) : localeTexts_(std::move(localeTexts)) {}

std::vector<InstalledLayout> XkbLayoutBackend::InstalledLayouts() {
    std::vector<InstalledLayout> layouts;
    for (const LayoutTableEntry& entry : LayoutTable()) {
        if (!registry_.Knows(entry.xkbLayout, entry.xkbVariant)) continue;
        layouts.push_back({entry.identifier,
                           FromUtf8(registry_.Description(entry.xkbLayout, entry.xkbVariant)),
                           static_cast<std::uint16_t>(entry.identifier >> 16),
                           XkbNameText(entry.xkbLayout, entry.xkbVariant)});
    }
    std::vector<InstalledLayout> xkbOnly;
    for (const auto& [name, description] : registry_.All()) {
        if (FindLayoutByXkbName(name.first, name.second) != nullptr) continue;
        xkbOnly.push_back({0, FromUtf8(description), 0, XkbNameText(name.first, name.second)});
    }
    std::ranges::stable_sort(xkbOnly, {}, &InstalledLayout::name);
    layouts.insert(layouts.end(), xkbOnly.begin(), xkbOnly.end());
    return layouts;
}

std::string XkbLayoutBackend::LocaleText(std::uint16_t languageId, LocaleInfo info) {
    return localeTexts_ ? localeTexts_(languageId, info) : std::string();
}

const LayoutTableEntry* XkbLayoutBackend::InstalledEntry(std::uint32_t identifier) const {
    const LayoutTableEntry* entry = FindLayoutByIdentifier(identifier);
    if (entry == nullptr || !registry_.Knows(entry->xkbLayout, entry->xkbVariant)) return nullptr;
    return entry;
}

std::string XkbLayoutBackend::Description(const LayoutTableEntry& entry) const {
    return registry_.Description(entry.xkbLayout, entry.xkbVariant);
}

std::uint32_t XkbLayoutBackend::HandleOfGroup(const XkbLayoutName& group) {
    const LayoutTableEntry* entry = ClosestLayoutForXkbName(group.layout, group.variant);
    return entry != nullptr ? LayoutHandle(*entry) : 0;
}

std::vector<std::uint32_t> XkbLayoutBackend::HandlesOfGroups(const std::vector<XkbLayoutName>& groups) {
    std::vector<std::uint32_t> handles;
    handles.reserve(groups.size());
    for (const XkbLayoutName& group : groups) handles.push_back(HandleOfGroup(group));
    return handles;
}

}  // namespace zq
