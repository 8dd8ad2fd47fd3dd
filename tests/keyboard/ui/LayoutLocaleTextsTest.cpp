#include "keyboard/ui/LayoutLocaleTexts.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(LayoutLocaleTextTest, NamesLanguageAndCountryOfALanguageIdentifier) {
    EXPECT_EQ(LayoutLocaleText(0x040C, LocaleInfo::LanguageId), "040C");
    EXPECT_EQ(LayoutLocaleText(0x040C, LocaleInfo::LanguageName), "French (France)");
    EXPECT_EQ(LayoutLocaleText(0x040C, LocaleInfo::CountryName), "France");
    EXPECT_EQ(LayoutLocaleText(0x0807, LocaleInfo::LanguageName), "German (Switzerland)");
    EXPECT_EQ(LayoutLocaleText(0x0C1A, LocaleInfo::CountryName), "Serbia");
    for (LocaleInfo info : {LocaleInfo::LanguageId, LocaleInfo::LanguageName, LocaleInfo::CountryName}) {
        EXPECT_EQ(LayoutLocaleText(0x0417, info), "");  // a language the program does not know
    }
}

}  // namespace
}  // namespace zq
