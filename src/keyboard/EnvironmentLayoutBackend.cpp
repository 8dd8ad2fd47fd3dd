#include "keyboard/EnvironmentLayoutBackend.h"

#include <cstdlib>

#include "base/LibraryError.h"
#include "base/TextFile.h"

namespace zq {

EnvironmentLayoutBackend::EnvironmentLayoutBackend(LocaleTextSource localeTexts,
                                                   std::vector<XkbLayoutName> configuredGroups)
    : XkbLayoutBackend(std::move(localeTexts)), groups_(std::move(configuredGroups)) {}

std::vector<std::uint32_t> EnvironmentLayoutBackend::LoadedLayouts() {
    return HandlesOfGroups(groups_);
}

std::uint32_t EnvironmentLayoutBackend::ActiveLayout() {
    return groups_.empty() ? 0 : HandleOfGroup(groups_.front());
}

bool EnvironmentLayoutBackend::Activate(std::uint32_t /*identifier*/) {
    return false;
}

std::vector<XkbLayoutName> ConfiguredKeyboardGroups() {
    const char* layouts = std::getenv("XKB_DEFAULT_LAYOUT");
    if (layouts != nullptr && *layouts != '\0') {
        const char* variants = std::getenv("XKB_DEFAULT_VARIANT");
        return SplitXkbGroups(layouts, variants != nullptr ? variants : "");
    }
    try {
        return GroupsFromKeyboardSettings(ReadFileBytes("/etc/default/keyboard"));
    } catch (const LibraryError&) {
        return {};  // a system without the file configures nothing there
    }
}

}  // namespace zq
