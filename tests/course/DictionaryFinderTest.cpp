// Finding the system's dictionary for a course's language, and the package
// and licence it comes with.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "course/DictionaryFinder.h"
#include "course/DictionaryPackage.h"

namespace zq {
namespace {

using test::TempFolder;

class DictionaryFinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* sub : {"hunspell", "dict", "dictd"})
            std::filesystem::create_directories(folder / sub);
        folders = {{folder.File("hunspell")}, folder.File("dict"), folder.File("dictd")};
    }
    void Make(const std::string& file) const { folder.Write(file, "1\nword\n"); }
    std::string Found(const CourseLanguage& language, const std::vector<std::string>& countries) const {
        const auto source = FindDictionary(language, countries, folders);
        return source ? source->path.substr(folder.Dir().size()) : "none";
    }

    TempFolder folder;
    DictionaryFolders folders;
};

TEST_F(DictionaryFinderTest, PrefersTheLayoutsCountryThenTheLanguagesOwnThenAny) {
    const CourseLanguage portuguese{"por", "pt", 1252};
    EXPECT_EQ(Found(portuguese, {"BR"}), "none");
    Make("hunspell/pt_AO.dic");
    EXPECT_EQ(Found(portuguese, {"BR"}), "hunspell/pt_AO.dic");
    Make("hunspell/pt_PT.dic");
    EXPECT_EQ(Found(portuguese, {"BR"}), "hunspell/pt_PT.dic");
    Make("hunspell/pt_BR.dic");
    EXPECT_EQ(Found(portuguese, {"BR"}), "hunspell/pt_BR.dic");
    EXPECT_EQ(Found(portuguese, {"PT"}), "hunspell/pt_PT.dic");
    Make("hunspell/nl.dic");
    EXPECT_EQ(Found({"nld", "nl", 1252}, {"NL"}), "hunspell/nl.dic");
    Make("hunspell/nb_NO.dic");
    EXPECT_EQ(Found({"nor", "no", 1252}, {"NO"}), "hunspell/nb_NO.dic");
}

TEST_F(DictionaryFinderTest, ALayoutOfAnotherScriptPrefersThatScriptsDictionary) {
    Make("hunspell/sr_RS.dic");
    Make("hunspell/sr_Latn_RS.dic");
    EXPECT_EQ(Found({"srp", "sr", 1251}, {"RS"}), "hunspell/sr_RS.dic");
    EXPECT_EQ(Found({"srp", "sr", 1250}, {"RS"}), "hunspell/sr_Latn_RS.dic");
}

TEST_F(DictionaryFinderTest, FallsBackToWordListsThenToDictdHeadwords) {
    folder.Write("dict/spanish", "casa\n");
    EXPECT_EQ(Found({"spa", "es", 1252}, {"ES"}), "dict/spanish");
    folder.Write("dictd/freedict-fin-eng.index", "kissa\tA\tB\n");
    EXPECT_EQ(Found({"fin", "fi", 1252}, {"FI"}), "dictd/freedict-fin-eng.index");
    EXPECT_EQ(Found({"kat", "ka", 1252}, {"GE"}), "none");
    EXPECT_EQ(DictionaryAt("x/y.dic").kind, DictionaryKind::Hunspell);
    EXPECT_EQ(DictionaryAt("x/y.index").kind, DictionaryKind::DictdIndex);
    EXPECT_EQ(DictionaryAt("x/words").kind, DictionaryKind::WordList);
}

TEST(DictionaryPackage, LicenceComesFromTheStanzaOfTheDictionarysFolder) {
    const std::string copyright =
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n\n"
        "Files: *\nCopyright: someone\nLicense: MPL-2.0\n\n"
        "Files: dictionaries/pl_PL/*\n dictionaries/pl_PL/extra/*\nCopyright: others\nLicense: GPL or LGPL\n "
        ".\n text\n\n"
        "Files: dictionaries/no/*\nLicense: GPL-2\n\n"
        "Files: fin-eng/*\nLicense: CC-BY-SA-3.0\n";
    EXPECT_EQ(LicenceInCopyright(copyright, "pl_PL.dic"), "GPL or LGPL");
    EXPECT_EQ(LicenceInCopyright(copyright, "nb_NO.dic"), "GPL-2");
    EXPECT_EQ(LicenceInCopyright(copyright, "freedict-fin-eng.index"), "CC-BY-SA-3.0");
    EXPECT_EQ(LicenceInCopyright(copyright, "xx_XX.dic"), "MPL-2.0");
    EXPECT_EQ(LicenceInCopyright("A free text without stanzas.\n", "xx_XX.dic"), "");
}

TEST(DictionaryPackage, ComesFromThePackageDatabase) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "info");
    std::filesystem::create_directories(folder / "doc/hunspell-xx");
    folder.Write("info/other.list", "/usr/share/other\n");
    folder.Write("info/hunspell-xx:all.list", "/usr/share/hunspell\n/usr/share/hunspell/xx_XX.dic\n");
    folder.Write(
        "status",
        "Package: hunspell-yy\nVersion: 9\n\nPackage: hunspell-xx\nStatus: install ok\nVersion: 1:7.5.0-1\n");
    folder.Write("doc/hunspell-xx/copyright", "Files: dictionaries/xx_XX/*\nLicense: LGPL-3\n");
    const PackageDatabase database{folder.File("info"), folder.File("status"), folder.File("doc")};
    const DictionaryPackage package = FindDictionaryPackage("/usr/share/hunspell/xx_XX.dic", database);
    EXPECT_EQ(package.name, "hunspell-xx");
    EXPECT_EQ(package.version, "1:7.5.0-1");
    EXPECT_EQ(package.licence, "LGPL-3");
    EXPECT_EQ(FindDictionaryPackage("/home/me/mine.dic", database).name, "");
}

}  // namespace
}  // namespace zq
