#include "base/Translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "base/CodePage.h"

// glibc keeps translations in a cache that only this counter invalidates;
// it must be bumped when the language changes during a run.
extern "C" int _nl_msg_cat_cntr;

namespace zq {
namespace {

bool IsPlainCLocale(const char* name) {
    return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
}

const char* NonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// The language the user's environment asks for, by gettext's rules: the
// first of LC_ALL, LC_MESSAGES and LANG names the locale, and LANGUAGE
// refines it unless that locale is "C", which asks for no translation.
std::string EnvironmentLanguage() {
    const char* locale = nullptr;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if ((locale = NonEmptyVariable(variable)) != nullptr) break;
    if (IsPlainCLocale(locale)) return {};
    const char* language = NonEmptyVariable("LANGUAGE");
    return language != nullptr ? language : locale;
}

std::string& ChosenLanguage() {
    static std::string chosen;
    return chosen;
}

}  // namespace

void SetupTranslation(const std::string& localeDir, const std::string& language) {
    for (const char* domain : {kProgramDomain, kLibraryDomain}) {
        bindtextdomain(domain, localeDir.c_str());
        bind_textdomain_codeset(domain, "UTF-8");
    }
    textdomain(kProgramDomain);

    // gettext ignores LANGUAGE in the plain C locale, and machines often have
    // no generated locales; C.UTF-8 always exists and lets LANGUAGE choose.
    std::string chosen = language;
    if (chosen.empty()) {
        const char* current = std::setlocale(LC_MESSAGES, "");
        chosen = EnvironmentLanguage();
        if (!IsPlainCLocale(current) || chosen.empty()) {
            ChosenLanguage() = chosen;
            SetSystemCodePage(CodePageForLanguage(chosen));
            ++_nl_msg_cat_cntr;
            return;
        }
    }
    ChosenLanguage() = chosen;
    setenv("LANGUAGE", chosen.c_str(), 1);
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    SetSystemCodePage(CodePageForLanguage(chosen));
    ++_nl_msg_cat_cntr;
}

const std::string& TranslationLanguage() {
    return ChosenLanguage();
}

std::string CatalogueLanguage() {
    // gettext answers the empty text with the header of the catalogue in
    // use, and with the empty text itself when there is none.
    const std::string_view header = dgettext(kProgramDomain, "");
    static constexpr std::string_view kField = "Language:";
    const size_t field = header.find(kField);
    if (field == std::string_view::npos) return "en";
    const size_t at = header.find_first_not_of(' ', field + kField.size());
    if (at == std::string_view::npos) return "en";
    // "fr", also of "fr_FR" or "de-CH".
    const std::string_view code = header.substr(at, header.find_first_of("_-@.\n ", at) - at);
    return code.empty() ? "en" : std::string(code);
}

const char* Tr(const char* msgid) {
    return dgettext(kProgramDomain, msgid);
}

const char* LibTr(const char* msgid) {
    return dgettext(kLibraryDomain, msgid);
}

const char* TrPlural(const char* singular, const char* plural, unsigned long count) {
    return dngettext(kProgramDomain, singular, plural, count);
}

const char* TrInContext(const char* context, const char* msgid) {
    // A catalogue keys a text of a context as the context, the byte 4, and
    // the text; gettext hands back the key itself when it has no translation.
    const std::string key = std::string(context) + '\004' + msgid;
    const char* translated = dgettext(kProgramDomain, key.c_str());
    return translated == key.c_str() ? msgid : translated;
}

std::string Format(std::string_view format, std::initializer_list<std::string> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char spec = format[i + 1];
            if (spec == '%') {
                out += '%';
                ++i;
                continue;
            }
            if ((spec == 's' || spec == 'd') && next != args.end()) {
                out += *next++;
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

}  // namespace zq
