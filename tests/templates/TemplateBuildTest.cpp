// Making a keyboard template from its description.
#include "templates/TemplateBuild.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "../support/TempFolder.h"
#include "FakeKeyPainter.h"
#include "base/CodePage.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ZipArchive.h"
#include "templates/TemplateError.h"

namespace zq {
namespace {

using namespace std::string_literals;
using ::testing::ElementsAre;
using testing::FakeKeyPainter;
using ::testing::HasSubstr;

// Central European: the author's name and a character of the table are
// letters of code page 1250 that code page 1252 lacks.
const std::string kDescription = R"(codepage 1250
readme bkcolor=$C0C0C0
readme Author=Zesp)"
                                 "\xC3\xB3\xC5\x82"
                                 R"( ZQ
key "K16 Q" 16 1 0 0 72 40 36 36 Q "Letter Q"
key K02 2 2 0 0 10 10 36 40 "!\n1" "Digit one"
key K99 99 8 0 10 90 10 60 36 "" "" picture=AQAAAQYAAABCTQABAgM=
char q 113 16 0 0 0
char "l stroke" 179 2 0 1 0
)";

KeyboardDescription Parsed(const std::string& text) {
    const DescriptionResult parsed = ParseDescription(text);
    EXPECT_TRUE(parsed.description) << parsed.errorLine << ": " << parsed.error;
    return parsed.description.value_or(KeyboardDescription{});
}

// The rows of a loaded table in its order, each field as 8-bit text.
std::vector<std::vector<std::string>> TableText(DataTable& table) {
    std::vector<std::vector<std::string>> rows;
    for (table.First(); !table.Eof(); table.Next()) {
        std::vector<std::string> row;
        for (const auto& field : table.Fields()) row.push_back(table.AsString(field.name));
        rows.push_back(std::move(row));
    }
    return rows;
}

class TemplateBuildTest : public ::testing::Test {
protected:
    void SetUp() override { SetSystemCodePage(1252); }
    void TearDown() override { SetSystemCodePage(1252); }

    void Build(const KeyboardDescription& description) {
        BuildTemplate(description, path, painter,
                      [this](const std::string& text) { warnings.push_back(text); });
    }

    test::TempFolder folder;
    const std::string path = folder.File("layout.zqt");
    FakeKeyPainter painter;
    std::vector<std::string> warnings;
};

TEST_F(TemplateBuildTest, MakesTheTablesAndReadmeInTheDescriptionsCodePage) {
    Build(Parsed(kDescription));
    EXPECT_THAT(warnings, ::testing::IsEmpty());
    TDataMod store;
    ASSERT_TRUE(store.LoadTemplate(path));
    EXPECT_EQ(store.IntSetting("bkcolor"), 0xC0C0C0);
    EXPECT_EQ(store.TextSetting("Author"), "Zesp\xF3\xB3 ZQ");  // code page 1250

    // The key table keeps its rows by name: K02, K16 Q, K99.
    const auto keys = TableText(store.MainTbl);
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[1], (std::vector<std::string>{"K16 Q", "16", "1", "0", "0", painter.PictureOf("Q", 36, 36),
                                                 "36", "36", "72", "40", "Letter Q"}));
    EXPECT_EQ(keys[0][5], painter.PictureOf("!\n1", 36, 40));
    EXPECT_EQ(keys[2][5],
              "\x01\x00\x00\x01\x06\x00\x00\x00"
              "BM\x00\x01\x02\x03"s);  // the description's own picture, exactly
    EXPECT_EQ(painter.drawn, 2);       // and only the other two are drawn

    const auto chars = TableText(store.Ctbl);
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[1], (std::vector<std::string>{"l stroke", "179", "2", "False", "True", "0"}));
}

// The labels are kept for dumping: they cannot be read back from the pictures.
TEST_F(TemplateBuildTest, KeepsTheCodePageAndTheLabelsInAnEntryOfTheirOwn) {
    Build(Parsed(kDescription));
    const ZipArchive archive(path);
    EXPECT_EQ(archive.Extract(kLabelsEntry).bytes, "codepage 1250\nQ\n\"!\\n1\"\n\"\"\n");
}

TEST_F(TemplateBuildTest, LeavesTheCodePageInForceAsItWas) {
    SetSystemCodePage(1251);
    Build(Parsed(kDescription));
    EXPECT_EQ(SystemCodePage(), 1251);
    EXPECT_THROW(Build(Parsed("codepage 4711\n")), TemplateError);
    EXPECT_EQ(SystemCodePage(), 1251);
}

TEST_F(TemplateBuildTest, TextsTheCodePageLacksAreMadeWithAWarning) {
    Build(Parsed("key K1 1 1 0 0 0 0 36 36 A \"\xD0\x96 is Cyrillic\"\n"));
    EXPECT_THAT(warnings,
                ElementsAre("hint \"\xD0\x96 is Cyrillic\" has characters that code page 1252 lacks"));
    TDataMod store;
    store.LoadTemplate(path);
    ASSERT_TRUE(store.MainTbl.Locate("KeyValue", 1));
    EXPECT_EQ(store.MainTbl.AsString("Hint"), "? is Cyrillic");
}

TEST_F(TemplateBuildTest, FaultsStopTheBuildAndLeaveAnExistingTemplateAsItWas) {
    folder.Write("layout.zqt", "the template before");
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"key abcdefghijklmnopqrstu 1 1 0 0 0 0 9 9 \"\" \"\"",
         "key name \"abcdefghijklmnopqrstu\" is longer than 20 characters"},
        {"key K1 1 1 0 0 0 0 36 36 \"\" \"" + std::string(128, 'h') + "\"", "is longer than 127 characters"},
        {"char \"" + std::string(31, 'c') + "\" 99 1 0 0 0", "is longer than 30 characters"},
        {"key wide 1 1 0 0 0 0 2001 9 \"\" \"\"", "key \"wide\": a key of 2001 x 9 pixels cannot be drawn"},
        {"key flat 1 1 0 0 0 0 9 0 \"\" \"\"", "key \"flat\": a key of 9 x 0 pixels cannot be drawn"},
        {"codepage 4711", "code page 4711 is not known to the system"},
    };
    for (const auto& [description, message] : faults) {
        SCOPED_TRACE(description);
        try {
            Build(Parsed(description));
            ADD_FAILURE() << "built";
        } catch (const TemplateError& error) {
            EXPECT_THAT(error.what(), HasSubstr(message));
        }
        EXPECT_EQ(folder.Read("layout.zqt"), "the template before");
    }
    EXPECT_EQ(folder.EntryCount(), 1u);  // nothing half-written beside it
}

TEST_F(TemplateBuildTest, ReplacesTheTemplateThatIsThere) {
    folder.Write("layout.zqt", "the template before");
    Build(Parsed(kDescription));
    TDataMod store;
    EXPECT_TRUE(store.LoadTemplate(path));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(KeyPicturePainter, DrawsOnlySidesFromOneToTheLargestDrawnSide) {
    FakeKeyPainter painter;
    EXPECT_EQ(painter.Draw("A", 1, KeyPicturePainter::kMaxDrawnKeySide),
              painter.PictureOf("A", 1, KeyPicturePainter::kMaxDrawnKeySide));
    for (const auto& [width, height] : {std::pair{0, 36}, std::pair{36, 0}, std::pair{-1, 36},
                                        std::pair{KeyPicturePainter::kMaxDrawnKeySide + 1, 36}}) {
        EXPECT_THROW(painter.Draw("A", width, height), std::invalid_argument) << width << " x " << height;
    }
    EXPECT_EQ(painter.drawn, 1);
}

}  // namespace
}  // namespace zq
