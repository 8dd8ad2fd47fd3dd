// Reading a keyboard template back into its description.
#include "templates/TemplateDump.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../keyboard/TemplateArchive.h"
#include "../support/TempFolder.h"
#include "FakeKeyPainter.h"
#include "base/CodePage.h"
#include "templates/TemplateBuild.h"
#include "templates/TemplateError.h"

namespace zq {
namespace {

using namespace std::string_literals;
using testing::FakeKeyPainter;
using ::testing::HasSubstr;

const std::string kDescription =
    "codepage 1250\n"
    "readme bkcolor=$C0C0C0\n"
    "readme Author=Zesp\xC3\xB3\xC5\x82 ZQ\n"
    "readme misc= two  spaces kept\n"
    "key \"K16 Q\" 16 1 0 0 72 40 36 36 Q \"Letter Q\"\n"
    "key K02 2 2 0 0 10 10 36 40 \"!\\n1\" \"Digit one\"\n"
    "key \"\xC5\x81 key\" 3 2 2001 3 50 10 40 30 \"\xC5\x81\" \"L stroke \\\"upper\\\"\"\n"
    "key K99 99 8 0 10 90 10 60 36 \"\" \"\" picture=AQAAAQYAAABCTQABAgM=\n"
    "char q 113 16 0 0 0\n"
    "char \"l stroke\" 179 3 1 1 2005\n";

class TemplateDumpTest : public ::testing::Test {
protected:
    void SetUp() override { SetSystemCodePage(1252); }
    void TearDown() override { SetSystemCodePage(1252); }

    std::string Built(const std::string& text) {
        const DescriptionResult parsed = ParseDescription(text);
        EXPECT_TRUE(parsed.description) << parsed.error;
        BuildTemplate(*parsed.description, folder.File("layout.zqt"), painter, [](const std::string&) {});
        return folder.File("layout.zqt");
    }

    test::TempFolder folder;
    FakeKeyPainter painter;
};

// Pictures the painter draws again are left out, the others are given.
TEST_F(TemplateDumpTest, DescribesWhatWasBuiltAsItWasDescribed) {
    const KeyboardDescription described = DescribeTemplate(Built(kDescription), painter);
    EXPECT_EQ(FormatDescription(described), FormatDescription(*ParseDescription(kDescription).description));
    EXPECT_EQ(described.codePage, 1250);
    EXPECT_EQ(described.keys[2].name, "\xC5\x81 key");
    EXPECT_FALSE(described.keys[0].picture);
    EXPECT_TRUE(described.keys[3].picture);
    EXPECT_EQ(SystemCodePage(), 1252);  // as it was
}

TEST_F(TemplateDumpTest, PicturesAnotherPainterWouldDrawOtherwiseAreGiven) {
    FakeKeyPainter otherLook("BM, another look:");
    const KeyboardDescription described = DescribeTemplate(Built(kDescription), otherLook);
    ASSERT_EQ(described.keys.size(), 4u);
    EXPECT_EQ(described.keys[0].picture, painter.PictureOf("Q", 36, 36));
    EXPECT_EQ(described.keys[1].picture, painter.PictureOf("!\n1", 36, 40));
}

// A template without the labels entry: no labels, every picture given, and
// its texts read in the western code page.
TEST_F(TemplateDumpTest, ATemplateFromAnotherToolKeepsEverything) {
    const std::string picture =
        "\x01\x00\x00\x01\x05\x00\x00\x00"
        "BMxyz"s;
    std::vector<FieldValue> nullHint = testing::KeyRow("\xC4hnlich", 7, 2, "BM");
    nullHint[10] = FieldValue{};
    testing::WriteZip(folder.File("foreign.zqt"),
                      {{"KEY.CDS", testing::KeyPacket({testing::KeyRow("b", 5, 8, picture), nullHint})},
                       {"char.cds", testing::CharPacket({testing::CharRow("x", 120, 5, true, false, 2005)})},
                       {"readme", "bkcolor=0xFF\nAuthor=Someone\xE9lse\n"s}});
    SetSystemCodePage(1251);
    const KeyboardDescription described = DescribeTemplate(folder.File("foreign.zqt"), painter);
    EXPECT_EQ(described.codePage, 1252);
    ASSERT_EQ(described.keys.size(), 2u);
    EXPECT_EQ(described.keys[0].label, "");
    EXPECT_EQ(described.keys[0].picture, picture);
    EXPECT_EQ(described.keys[1].name, "\xC3\x84hnlich");
    EXPECT_EQ(described.keys[1].hint, "");
    EXPECT_EQ(described.keys[1].picture, "BM");
    ASSERT_EQ(described.chars.size(), 1u);
    EXPECT_TRUE(described.chars[0].shift);
    EXPECT_EQ(described.chars[0].accent, 2005);
    EXPECT_EQ(described.readme, (std::vector<std::string>{"bkcolor=0xFF", "Author=Someone\xC3\xA9lse"}));
    EXPECT_EQ(SystemCodePage(), 1251);
}

TEST_F(TemplateDumpTest, WhatIsNoTemplateFailsInWords) {
    folder.Write("text.zqt", "bkcolor=1\r\n");
    const std::string keys = testing::KeyPacket({testing::KeyRow("a", 1)});
    testing::WriteZip(folder.File("damaged.zqt"), {{"key.cds", keys.substr(0, keys.size() - 3)}});
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.zqt", "cannot open"},
        {"text.zqt", "cannot open"},
        {"damaged.zqt", "key.cds is not a dataset packet"},
    };
    for (const auto& [name, message] : cases) {
        try {
            DescribeTemplate(folder.File(name), painter);
            ADD_FAILURE() << name << " was described";
        } catch (const TemplateError& error) {
            EXPECT_THAT(error.what(), HasSubstr(message)) << name;
        }
    }
}

}  // namespace
}  // namespace zq
