#include "app/Manual.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "../support/TempFolder.h"
#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {
namespace {

using test::TempFolder;

// A help folder with the English manual and a French one.
class ManualTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "help");
        folder.Write("help/manual.html", "<html></html>");
        folder.Write("help/manual.fr.html", "<html lang=fr></html>");
    }

    std::string For(std::string_view language) const { return ManualPathForLanguage(folder.Dir(), language); }
    std::string Help(const std::string& name) const { return folder.Dir() + "help/" + name; }

    TempFolder folder;
};

TEST_F(ManualTest, ALanguageWithAManualGetsItsOwnWhateverItsRegionAndCodeSet) {
    for (std::string_view language :
         {"fr", "fr_FR", "fr_CA", "fr_FR.UTF-8", "fr_BE@euro", "fr_FR.ISO-8859-15@euro"})
        EXPECT_EQ(For(language), Help("manual.fr.html")) << language;
}

TEST_F(ManualTest, ARegionalManualComesBeforeTheLanguagesOwn) {
    folder.Write("help/manual.fr_CA.html", "<html lang=fr-CA></html>");
    EXPECT_EQ(For("fr_CA.UTF-8"), Help("manual.fr_CA.html"));
    EXPECT_EQ(For("fr_FR"), Help("manual.fr.html"));
}

TEST_F(ManualTest, OtherLanguagesAndNoLanguageGetTheEnglishManual) {
    for (std::string_view language :
         {"", "C", "C.UTF-8", "POSIX", "en_US.UTF-8", "de_DE", "f", "_FR", ".UTF-8"})
        EXPECT_EQ(For(language), Help("manual.html")) << language;
}

TEST_F(ManualTest, ALanguageListIsTriedInItsOrder) {
    folder.Write("help/manual.de.html", "<html lang=de></html>");
    EXPECT_EQ(For("es:de:fr"), Help("manual.de.html"));
    EXPECT_EQ(For("fr_FR:de"), Help("manual.fr.html"));
    EXPECT_EQ(For("es::it"), Help("manual.html"));
}

TEST_F(ManualTest, AFolderInPlaceOfAManualIsPassedOver) {
    std::filesystem::create_directories(folder / "help/manual.de.html");
    EXPECT_EQ(For("de"), Help("manual.html"));
}

// The manual the program opens follows the language chosen at start-up.
TEST_F(ManualTest, TheRunsLanguageChoosesTheManual) {
    std::map<std::string, std::string> saved;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name)) saved[name] = value;

    SetupTranslation(folder.Dir() + "locale", "fr_FR");
    EXPECT_EQ(ManualPath(folder.Dir()), Help("manual.fr.html"));
    SetupTranslation(folder.Dir() + "locale", "de");
    EXPECT_EQ(ManualPath(folder.Dir()), Help("manual.html"));
    EXPECT_EQ(MissingManualMessage(folder.Dir()), "The manual " + Help("manual.html") + " is missing.");

    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "fr_CA.UTF-8", 1);
    SetupTranslation(folder.Dir() + "locale", "");
    EXPECT_EQ(ManualPath(folder.Dir()), Help("manual.fr.html"));
    setenv("LC_ALL", "C", 1);
    SetupTranslation(folder.Dir() + "locale", "");
    EXPECT_EQ(ManualPath(folder.Dir()), Help("manual.html"));

    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
    for (const auto& [name, value] : saved) setenv(name.c_str(), value.c_str(), 1);
    std::setlocale(LC_ALL, "C.UTF-8");
    SetupTranslation(folder.Dir() + "locale", "C");
    SetSystemCodePage(1252);
}

}  // namespace
}  // namespace zq
