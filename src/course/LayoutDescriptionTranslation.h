#pragma once

#include <string>

namespace zq {

// The gettext domain of the translations of the keyboard layouts'
// descriptions, which the system's XKB data (the xkeyboard-config project)
// installs beside its registry.
inline constexpr const char* kLayoutDescriptionDomain = "xkeyboard-config";

// A layout's description in the language of the program's windows ("German"
// becomes "Deutsch" in German windows, "Allemand" in French ones), UTF-8;
// the registry's English description where the system has no translation
// of it, and while the windows are in English: a list of layouts in another
// language than the window around it reads as a mistake.
std::string TranslatedLayoutDescription(const std::string& description);

// Where the translations are looked for (LANG/LC_MESSAGES/DOMAIN.mo below
// the folder); the system's locale folder unless this is called.
void BindLayoutDescriptions(const std::string& localeDir);

}  // namespace zq
