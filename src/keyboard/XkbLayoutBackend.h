#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "keyboard/LayoutBackend.h"
#include "keyboard/LayoutTable.h"
#include "keyboard/XkbLayoutGroups.h"
#include "keyboard/XkbRegistry.h"

namespace zq {

// Gives a locale text for a language identifier (8-bit, empty when unknown).
using LocaleTextSource = std::function<std::string(std::uint16_t languageId, LocaleInfo info)>;

// What every backend on an XKB system shares: the installed layouts are the
// table's layouts that the XKB registry knows, in table order, then the
// registry's other layouts, known by their XKB names alone, in the order of
// their descriptions; all are named by the registry's descriptions. Loaded
// layouts are XKB groups turned into handles.
class XkbLayoutBackend : public LayoutBackend {
public:
    explicit XkbLayoutBackend(LocaleTextSource localeTexts);

    std::vector<InstalledLayout> InstalledLayouts() override;
    std::string LocaleText(std::uint16_t languageId, LocaleInfo info) override;

protected:
    // The table entry of an installed layout; null for an identifier the
    // table lacks or whose XKB layout this system does not have.
    const LayoutTableEntry* InstalledEntry(std::uint32_t identifier) const;
    bool Installed(const XkbLayoutName& name) const { return registry_.Knows(name.layout, name.variant); }
    // The registry's name of a layout ("German"), UTF-8.
    std::string Description(const LayoutTableEntry& entry) const;
    // The handle of a group (see LayoutHandle); 0 when the table has no
    // layout of that name.
    static std::uint32_t HandleOfGroup(const XkbLayoutName& group);
    static std::vector<std::uint32_t> HandlesOfGroups(const std::vector<XkbLayoutName>& groups);

private:
    XkbRegistry registry_;
    LocaleTextSource localeTexts_;
};

}  // namespace zq
