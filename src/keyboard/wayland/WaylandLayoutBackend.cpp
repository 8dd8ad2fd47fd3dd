#include "keyboard/wayland/WaylandLayoutBackend.h"

#include <cstdlib>
#include <string>

#include "keyboard/wayland/WaylandCompose.h"

namespace zq {
namespace {

// The locale whose compose table the user's programs read, as Qt finds it.
std::string CharacterLocale() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return "C";
}

std::unique_ptr<KeyComposer> UsersComposer() {
    std::unique_ptr<KeyComposer> composer = KeyComposer::ForLocale(CharacterLocale());
    TakeComposingFromQt();  // only now: the user's table is read
    return composer;
}

std::string CurrentDesktop() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    return desktop != nullptr ? desktop : "";
}

}  // namespace

WaylandLayoutBackend::WaylandLayoutBackend(LocaleTextSource localeTexts,
                                           std::vector<XkbLayoutName> configuredGroups)
    : KeyReadingLayoutBackend(std::move(localeTexts), std::move(configuredGroups), UsersComposer(),
                              CurrentDesktop()),
      keyEvents_(Typing()) {}

}  // namespace zq
