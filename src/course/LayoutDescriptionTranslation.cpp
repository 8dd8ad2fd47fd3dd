#include "course/LayoutDescriptionTranslation.h"

#include <libintl.h>

#include "base/Translation.h"

namespace zq {
namespace {

// The catalogues are UTF-8, but gettext would recode them to the character
// set of the C library's locale, which is ASCII where none is set.
void AskForUtf8() {
    static const bool asked = bind_textdomain_codeset(kLayoutDescriptionDomain, "UTF-8") != nullptr;
    (void)asked;
}

}  // namespace

std::string TranslatedLayoutDescription(const std::string& description) {
    if (description.empty() || CatalogueLanguage() == "en") return description;
    AskForUtf8();
    return dgettext(kLayoutDescriptionDomain, description.c_str());
}

void BindLayoutDescriptions(const std::string& localeDir) {
    bindtextdomain(kLayoutDescriptionDomain, localeDir.c_str());
    AskForUtf8();
}

}  // namespace zq
