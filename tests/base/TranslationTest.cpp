#include "base/Translation.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <map>

#include "base/CodePage.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

// Each test chooses a language; the environment, the locale and the code
// page are put back afterwards.
class TranslationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kVariables)
            if (const char* value = std::getenv(name)) saved_[name] = value;
    }
    void TearDown() override {
        for (const char* name : kVariables) {
            const auto it = saved_.find(name);
            if (it == saved_.end())
                unsetenv(name);
            else
                setenv(name, it->second.c_str(), 1);
        }
        std::setlocale(LC_ALL, "C.UTF-8");
        SetupTranslation(kLocaleDir, "C");
        SetSystemCodePage(1252);
    }

    static constexpr const char* kLocaleDir = ZQ_TEST_LOCALE_DIR;
    static constexpr const char* kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, std::string> saved_;
};

TEST_F(TranslationTest, RegionalCodeFallsBackToTheLanguageCatalogue) {
    SetupTranslation(kLocaleDir, "fr_FR");
    EXPECT_STREQ(Tr("Test: good morning"), "Test : bonjour");
    EXPECT_STREQ(LibTr("Unable to write to %s"),
                 "\xC3\x89"
                 "criture impossible dans %s");
    // Library errors come out in the chosen language.
    EXPECT_STREQ(UnableToWriteError("/x/zq.ini").what(),
                 "\xC3\x89"
                 "criture impossible dans /x/zq.ini");
    // Texts the catalogue lacks stay as they are.
    EXPECT_STREQ(Tr("Not translated"), "Not translated");
    EXPECT_STREQ(LibTr("List index out of bounds (%d)"), "List index out of bounds (%d)");
}

TEST_F(TranslationTest, ACountChoosesTheLanguagesPluralForm) {
    SetupTranslation(kLocaleDir, "fr");
    // French takes the singular for 0 and 1, unlike English.
    EXPECT_STREQ(TrPlural("Test: %d mistake", "Test: %d mistakes", 0), "Test : %d faute");
    EXPECT_STREQ(TrPlural("Test: %d mistake", "Test: %d mistakes", 1), "Test : %d faute");
    EXPECT_STREQ(TrPlural("Test: %d mistake", "Test: %d mistakes", 2), "Test : %d fautes");
    SetupTranslation(kLocaleDir, "C");
    EXPECT_STREQ(TrPlural("Test: %d mistake", "Test: %d mistakes", 0), "Test: %d mistakes");
    EXPECT_STREQ(TrPlural("Test: %d mistake", "Test: %d mistakes", 1), "Test: %d mistake");
}

TEST_F(TranslationTest, ATextInAContextHasATranslationOfItsOwn) {
    SetupTranslation(kLocaleDir, "fr");
    EXPECT_STREQ(TrInContext("Test: before a vowel", "Test: progress of %s"), "Test : progrès d'%s");
    EXPECT_STREQ(Tr("Test: progress of %s"), "Test : progrès de %s");
    // A context the catalogue lacks leaves the text as it is, not the
    // translation of the text without context.
    EXPECT_STREQ(TrInContext("Test: another use", "Test: progress of %s"), "Test: progress of %s");
    SetupTranslation(kLocaleDir, "C");
    EXPECT_STREQ(TrInContext("Test: before a vowel", "Test: progress of %s"), "Test: progress of %s");
}

TEST_F(TranslationTest, TheCatalogueInUseNamesTheLanguageOfTheTexts) {
    SetupTranslation(kLocaleDir, "fr_FR");
    EXPECT_EQ(CatalogueLanguage(), "fr");
    // Without a catalogue the texts stay English, whatever was asked for.
    SetupTranslation(kLocaleDir, "de_DE");
    EXPECT_EQ(CatalogueLanguage(), "en");
    SetupTranslation(kLocaleDir, "C");
    EXPECT_EQ(CatalogueLanguage(), "en");
}

TEST_F(TranslationTest, DomainsAreSeparate) {
    SetupTranslation(kLocaleDir, "fr");
    EXPECT_STREQ(Tr("Unable to write to %s"), "Unable to write to %s");
    EXPECT_STREQ(LibTr("Test: good morning"), "Test: good morning");
}

TEST_F(TranslationTest, ALanguageWithoutCatalogueLeavesTextsUntranslated) {
    SetupTranslation(kLocaleDir, "fr");
    SetupTranslation(kLocaleDir, "de_DE");
    EXPECT_STREQ(Tr("Test: good morning"), "Test: good morning");
    EXPECT_STREQ(UnableToWriteError("f").what(), "Unable to write to f");
}

TEST_F(TranslationTest, TheLanguageChoosesTheCodePage) {
    SetupTranslation(kLocaleDir, "ru_RU");
    EXPECT_EQ(SystemCodePage(), 1251);
    SetupTranslation(kLocaleDir, "fr_FR");
    EXPECT_EQ(SystemCodePage(), 1252);
}

TEST_F(TranslationTest, WithoutAnArgumentTheEnvironmentDecides) {
    // LANG names a language whose locale the machine may well not have.
    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "fr_FR.UTF-8", 1);
    SetupTranslation(kLocaleDir, "");
    EXPECT_STREQ(Tr("Test: good morning"), "Test : bonjour");
}

TEST_F(TranslationTest, AnEnvironmentThatAsksForTheCLocaleGetsNoTranslation) {
    // LC_ALL and LC_MESSAGES outrank LANG; "C" asks for untranslated texts.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES"}) {
        unsetenv("LANGUAGE");
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
        setenv("LANG", "fr_FR.UTF-8", 1);
        setenv(variable, "C", 1);
        SetupTranslation(kLocaleDir, "");
        EXPECT_STREQ(Tr("Test: good morning"), "Test: good morning") << variable;
    }
    // LANGUAGE only refines a locale that is not "C".
    unsetenv("LC_MESSAGES");
    setenv("LC_ALL", "C", 1);
    setenv("LANGUAGE", "fr", 1);
    SetupTranslation(kLocaleDir, "");
    EXPECT_STREQ(Tr("Test: good morning"), "Test: good morning");
}

TEST(Format, ReplacesPlaceholdersInOrder) {
    EXPECT_EQ(Format("'%s' is %d%% done", {"file", "50"}), "'file' is 50% done");
    EXPECT_EQ(Format("%s and %s", {"one"}), "one and %s");
    EXPECT_EQ(Format("100%", {}), "100%");
}

}  // namespace
}  // namespace zq
