#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zq {

// Text domain of the program's own texts, and of the library messages
// (errors of files, numbers and tables, standard dialog texts).
inline constexpr const char* kProgramDomain = "default";
inline constexpr const char* kLibraryDomain = "zqlib";

// Binds both domains to `localeDir` (LANG/LC_MESSAGES/DOMAIN.mo below it),
// with UTF-8 output, and selects `language` ("fr_FR", "de") when it is not
// empty; otherwise the user's environment decides. Also chooses the 8-bit
// system code page that belongs to the language.
void SetupTranslation(const std::string& localeDir, const std::string& language);

// The language SetupTranslation chose: its argument, else the one the
// environment asks for (a locale name such as "fr_FR.UTF-8", or a LANGUAGE
// list such as "de:fr"); empty when texts stay untranslated.
const std::string& TranslationLanguage();

// The language the program's texts are shown in: the "Language" field of
// the program's catalogue in use, as a two-letter code ("fr", "de"), or
// "en" when the texts stay untranslated (no language chosen, or one without
// a catalogue). Speech speaks this language, so that a voice never reads
// English texts with the pronunciation of another language.
std::string CatalogueLanguage();

// The translation of a program text (domain "default"), UTF-8.
const char* Tr(const char* msgid);
// The translation of a library message, UTF-8.
const char* LibTr(const char* msgid);

// The translation of a program text that shows a count, in the form the
// language uses for `count` (gettext's plural forms): `singular` or `plural`
// when the text stays untranslated.
const char* TrPlural(const char* singular, const char* plural, unsigned long count);

// The translation of a program text in one of its uses (gettext's message
// context): texts that read alike in English but not in every language, such
// as a phrase before a name beginning with a vowel.
const char* TrInContext(const char* context, const char* msgid);

// Marks a program text for the catalogues where it stands in a table; it is
// translated with Tr where it is shown.
constexpr const char* N_(const char* msgid) {
    return msgid;
}

// printf-style formatting of a translated format with one argument list;
// only %s, %d and %% are used by the program's messages.
std::string Format(std::string_view format, std::initializer_list<std::string> args);

}  // namespace zq
