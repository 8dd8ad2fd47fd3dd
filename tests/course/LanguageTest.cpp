// Which code page holds a layout's language, and which language a course
// for a registry entry teaches.
#include <gtest/gtest.h>

#include "course/CourseLanguage.h"
#include "course/LanguageCodePages.h"
#include "templates/XkbLayout.h"

namespace zq {
namespace {

TEST(LanguageCodePages, KnowTheRegistrysCodesAndTheShortOnesAndSayWhenThereIsNone) {
    EXPECT_EQ(LanguageCodePage("pol"), 1250);
    EXPECT_EQ(LanguageCodePage("PL"), 1250);
    EXPECT_EQ(LanguageCodePage("rus"), 1251);
    EXPECT_EQ(LanguageCodePage("ell"), 1253);
    EXPECT_EQ(LanguageCodePage("tha"), 874);
    EXPECT_EQ(LanguageCodePage("vie"), 1258);
    EXPECT_EQ(LanguageCodePage("fin"), 1252);
    for (const char* none : {"hye", "kat", "hin", "jpn", "amh", "", "zzz"})
        EXPECT_FALSE(LanguageCodePage(none)) << none;
    EXPECT_EQ(ShortLanguageCode("pol"), "pl");
    EXPECT_EQ(ShortLanguageCode("NOB"), "nb");
    EXPECT_EQ(ShortLanguageCode("hsb"), "hsb");
}

RegistryLayout Entry(const std::string& layout, const std::string& variant,
                     std::vector<std::string> languages, const std::string& layoutLanguage) {
    return {layout, variant, "", std::move(languages), {}, layoutLanguage};
}

TEST(CourseLanguage, PrefersTheLayoutsOwnLanguageThenOneWithACodePage) {
    const std::u32string latin = U"qwertyuiopasdfghjklzxcvbnm";
    // "it(intl)" lists German first; its keys are Italian.
    auto chosen = ChooseCourseLanguage(Entry("it", "intl", {"deu", "fra", "ita"}, "ita"), latin);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->shortCode, "it");
    // The first language has no code page; the next has.
    chosen = ChooseCourseLanguage(Entry("dz", "", {"tzm", "fra"}, "tzm"), latin);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->code, "fra");
    EXPECT_EQ(chosen->codePage, 1252);
    EXPECT_FALSE(ChooseCourseLanguage(Entry("am", "", {"amh"}, "amh"), latin));
}

TEST(CourseLanguage, TakesTheCodePageOfTheLayoutsLettersWhenTheLanguagesDoesNotHoldThem) {
    const XkbLayout serbianLatin("rs(latin)");
    auto chosen = ChooseCourseLanguage(Entry("rs", "latin", {"srp"}, "srp"), PlainLetters(serbianLatin));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->shortCode, "sr");
    EXPECT_EQ(chosen->codePage, 1250);
    // Georgian letters on a layout the registry gives to Russian: no page holds them.
    const XkbLayout georgian("ge");
    EXPECT_FALSE(ChooseCourseLanguage(Entry("ge", "ru", {"rus"}, "kat"), PlainLetters(georgian)));
    // Too few letters of any page: no course.
    EXPECT_FALSE(ChooseCourseLanguage(Entry("x", "", {"eng"}, "eng"), U"abc"));
}

}  // namespace
}  // namespace zq
