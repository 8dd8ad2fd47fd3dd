// Reading Hunspell dictionaries: encodings, the four ways of writing flags,
// flag aliases, and the entries that are no words of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "../support/TempFolder.h"
#include "course/DictionaryFile.h"
#include "course/HunspellDictionary.h"
#include "course/UnicodeText.h"

namespace zq {
namespace {

std::vector<std::string> Stems(const std::string& aff, const std::string& dic) {
    std::vector<std::string> stems;
    for (const std::u32string& stem : ParseHunspellStems({aff, dic})) stems.push_back(ToUtf8Text(stem));
    return stems;
}

TEST(HunspellDictionary, DecodesTheEncodingTheAffixFileNames) {
    // "żółw" and "ąę" in ISO 8859-2, whose bytes differ from code page 1250.
    const std::vector<std::string> stems = Stems("SET ISO8859-2\n", "2\n\xBF\xF3\xB3w/S\n\xB1\xEA\n");
    EXPECT_EQ(stems, (std::vector<std::string>{"żółw", "ąę"}));
    // Without SET the encoding is ISO 8859-1.
    EXPECT_EQ(Stems("", "1\ncaf\xE9\n"), (std::vector<std::string>{"café"}));
}

TEST(HunspellDictionary, LeavesOutForbiddenCompoundOnlyAndMultiWordEntries) {
    const std::string aff = "FORBIDDENWORD !\nONLYINCOMPOUND C\n";
    const std::string dic = "5\nword/S\nteh/!\nwards/C\nad hoc\nrun/S po:verb is:present\n";
    EXPECT_EQ(Stems(aff, dic), (std::vector<std::string>{"word", "run"}));
}

TEST(HunspellDictionary, KeepsANeedAffixStemOnlyWhenAnAffixAddsNothing) {
    const std::string aff = "NEEDAFFIX N\nSFX Z Y 1\nSFX Z 0 0/X .\nSFX S Y 1\nSFX S 0 s .\n";
    EXPECT_EQ(Stems(aff, "3\nhopeful/N\nhopeless/NZ\nplain/S\n"),
              (std::vector<std::string>{"hopeless", "plain"}));
}

TEST(HunspellDictionary, ReadsLongNumericAndUtf8Flags) {
    EXPECT_EQ(Stems("FLAG long\nFORBIDDENWORD !!\n", "2\nbad/AA!!\ngood/AAB!\n"),
              (std::vector<std::string>{"good"}));
    EXPECT_EQ(Stems("FLAG num\nFORBIDDENWORD 999\n", "2\nbad/12,999\ngood/12,99\n"),
              (std::vector<std::string>{"good"}));
    EXPECT_EQ(Stems("SET UTF-8\nFLAG UTF-8\nFORBIDDENWORD ŷ\n", "2\nbad/aŷ\ngood/aÿ\n"),
              (std::vector<std::string>{"good"}));
}

TEST(HunspellDictionary, ReadsFlagsThroughAliases) {
    const std::string aff = "FORBIDDENWORD !\nAF 2\nAF AB\nAF A!\n";
    EXPECT_EQ(Stems(aff, "3\nkept/1\nforbidden/2\nnonsense/7\n"),
              (std::vector<std::string>{"kept", "nonsense"}));
}

TEST(HunspellDictionary, SkipsCommentsAndReadsMarksLineBreaksAndSlashes) {
    const std::string aff = "\xEF\xBB\xBFSET UTF-8\r\n";
    const std::string dic =
        "\xEF\xBB\xBF"
        "4 # the count\r\n\tcomment\r\n# comment\r\nen\\/of\r\nbåt\tst:båt\r\n";
    EXPECT_EQ(Stems(aff, dic), (std::vector<std::string>{"en/of", "båt"}));
}

TEST(HunspellDictionary, ReadsTheAffixFileBesideTheDictionary) {
    test::TempFolder folder;
    folder.Write("xx_XX.aff", "SET ISO8859-7\n");
    folder.Write("xx_XX.dic", "1\n\xE1\xE2\n");  // "αβ"
    const std::vector<std::u32string> stems = ReadHunspellStems(folder.File("xx_XX.dic"));
    ASSERT_EQ(stems.size(), 1u);
    EXPECT_EQ(ToUtf8Text(stems[0]), "αβ");
    EXPECT_THROW(ReadHunspellStems(folder.File("missing.dic")), std::runtime_error);
}

// The file the author gave is named when it is missing; the affix file only
// when the dictionary is there without it.
TEST(HunspellDictionary, AMissingFileIsNamed) {
    test::TempFolder folder;
    const auto failure = [&](const std::string& name) {
        try {
            ReadHunspellStems(folder.File(name));
        } catch (const std::runtime_error& error) {
            return std::string(error.what());
        }
        return std::string("read");
    };
    std::string message = failure("missing.dic");
    EXPECT_NE(message.find("missing.dic"), std::string::npos) << message;
    EXPECT_EQ(message.find("missing.aff"), std::string::npos) << message;
    folder.Write("alone.dic", "1\nword\n");
    message = failure("alone.dic");
    EXPECT_NE(message.find("alone.aff"), std::string::npos) << message;
}

TEST(DictionaryFile, WordListsAreUtf8OrLatin1AndDictdIndexesGiveHeadwords) {
    std::vector<std::u32string> words = ParseWordList("caf\xC3\xA9\nna\xC3\xAFve\r\n\nx");
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(ToUtf8Text(words[0]), "café");
    words = ParseWordList("caf\xE9\n");  // not UTF-8: ISO 8859-1
    EXPECT_EQ(ToUtf8Text(words.at(0)), "café");

    words = ParseDictdIndex("00databaseinfo\tA\tB\nkissa\tC\tD\nhyvä päivä\tE\tF\n");
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(ToUtf8Text(words[0]), "kissa");
    EXPECT_EQ(ToUtf8Text(words[1]), "hyvä päivä");
}

}  // namespace
}  // namespace zq
