#include "keyboard/KeyReadingLayoutBackend.h"

#include <algorithm>
#include <utility>

#include "keyboard/LayoutSwitchAdvice.h"

namespace zq {

KeyReadingLayoutBackend::KeyReadingLayoutBackend(LocaleTextSource localeTexts,
                                                 std::vector<XkbLayoutName> configuredGroups,
                                                 std::unique_ptr<KeyComposer> composer, std::string desktop)
    : EnvironmentLayoutBackend(std::move(localeTexts), std::move(configuredGroups)),
      typing_(std::move(composer)),
      desktop_(std::move(desktop)) {}

std::vector<std::uint32_t> KeyReadingLayoutBackend::LoadedLayouts() {
    std::vector<std::uint32_t> loaded = EnvironmentLayoutBackend::LoadedLayouts();
    if (readThrough_ == nullptr) return loaded;
    const std::uint32_t handle = LayoutHandle(*readThrough_);
    if (std::find(loaded.begin(), loaded.end(), handle) == loaded.end()) loaded.push_back(handle);
    return loaded;
}

std::uint32_t KeyReadingLayoutBackend::ActiveLayout() {
    return readThrough_ != nullptr ? LayoutHandle(*readThrough_) : EnvironmentLayoutBackend::ActiveLayout();
}

bool KeyReadingLayoutBackend::Activate(std::uint32_t identifier) {
    const LayoutTableEntry* entry = InstalledEntry(identifier);
    if (entry == nullptr) return false;
    const XkbLayoutName name{std::string(entry->xkbLayout), std::string(entry->xkbVariant)};
    std::unique_ptr<LayoutKeyReader> reader = LayoutKeyReader::ForLayout(name);
    if (!reader) return false;
    typing_.ReadThrough(std::move(reader));
    readThrough_ = entry;
    // A learner whose desktop is set up with that layout has nothing to learn;
    // a desktop set up with none types XKB's own default, US English.
    const XkbLayoutName desktops =
        ConfiguredGroups().empty() ? XkbLayoutName{"us", ""} : ConfiguredGroups().front();
    if (!noticeGiven_ && name != desktops) {
        notice_ = LayoutSwitchAdvice(desktop_, Description(*entry), name);
        noticeGiven_ = true;
    }
    return true;
}

std::string KeyReadingLayoutBackend::TakeNotice() {
    return std::exchange(notice_, {});
}

}  // namespace zq
