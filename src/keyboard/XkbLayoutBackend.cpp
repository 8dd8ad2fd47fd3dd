#include "keyboard/XkbLayoutBackend.h"

#include "base/CodePage.h"

namespace zq {

XkbLayoutBackend::XkbLayoutBackend(LocaleTextSource localeTexts) : localeTexts_(std::move(localeTexts)) {}

std::vector<InstalledLayout> XkbLayoutBackend::InstalledLayouts() {
    std::vector<InstalledLayout> layouts;
    for (const LayoutTableEntry& entry : LayoutTable()) {
        if (!registry_.Knows(entry.xkbLayout, entry.xkbVariant)) continue;
        layouts.push_back({entry.identifier,
                           FromUtf8(registry_.Description(entry.xkbLayout, entry.xkbVariant)),
                           static_cast<std::uint16_t>(entry.identifier >> 16)});
    }
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
    for (const XkbLayoutName& group : groups) handles.push_back(HandleOfGroup(group));
    return handles;
}

}  // namespace zq
