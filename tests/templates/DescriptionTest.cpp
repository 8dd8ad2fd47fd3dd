// The plain-text description of a keyboard template.
#include "templates/Description.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zq {
namespace {

using namespace std::string_literals;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(Description, FormattedTextParsesBackToTheSameDescription) {
    KeyboardDescription description;
    description.codePage = 1250;
    description.readme = {"bkcolor=$C0C0C0", "misc= two  spaces # and a hash", ""};
    description.keys.push_back({.name = "K16 Q",
                                .keyValue = 16,
                                .kind = 1,
                                .kind2 = 0,
                                .finger = 0,
                                .x = 72,
                                .y = 40,
                                .width = 36,
                                .height = 36,
                                .label = "Q",
                                .hint = "Letter \"Q\"",
                                .picture = std::nullopt});
    description.keys.push_back({.name = "#hash",
                                .keyValue = -3,
                                .kind = 2001,
                                .kind2 = 2002,
                                .finger = 10,
                                .x = 0,
                                .y = 0,
                                .width = 0,
                                .height = 0,
                                .label = "!\n1",
                                .hint = "",
                                .picture = "\x00\x01\xFF tab\there\\ \x7F"s});
    description.chars.push_back(
        {.name = "e acute", .code = 233, .keyValue = 3, .shift = true, .altGr = true, .accent = 2002});
    const std::string text = FormatDescription(description);

    const DescriptionResult parsed = ParseDescription(text);
    ASSERT_TRUE(parsed.description) << parsed.errorLine << ": " << parsed.error << "\n" << text;
    EXPECT_EQ(FormatDescription(*parsed.description), text);
    const KeyboardDescription& back = *parsed.description;
    EXPECT_EQ(back.codePage, 1250);
    EXPECT_EQ(back.readme, description.readme);
    ASSERT_EQ(back.keys.size(), 2u);
    EXPECT_EQ(back.keys[0].hint, "Letter \"Q\"");
    EXPECT_FALSE(back.keys[0].picture);
    EXPECT_EQ(back.keys[1].name, "#hash");
    EXPECT_EQ(back.keys[1].label, "!\n1");
    EXPECT_EQ(back.keys[1].picture, description.keys[1].picture);
    ASSERT_EQ(back.chars.size(), 1u);
    EXPECT_TRUE(back.chars[0].altGr);
    EXPECT_EQ(back.chars[0].accent, 2002);
}

TEST(Description, BlankLinesCommentsAndAByteOrderMarkAreNoItems) {
    const DescriptionResult parsed = ParseDescription(
        "\xEF\xBB\xBF# a comment\r\n\r\n   \t\nkey K1 1 1 0 0 0 0 9 9 A \"\"  # a comment after the "
        "tokens\r\n");
    ASSERT_TRUE(parsed.description) << parsed.error;
    EXPECT_EQ(parsed.description->codePage, 1252);
    ASSERT_EQ(parsed.description->keys.size(), 1u);
    EXPECT_EQ(parsed.description->keys[0].label, "A");
}

TEST(Description, AFaultNamesItsLine) {
    const DescriptionResult parsed = ParseDescription("codepage 1252\n\nchar a 97 1 0 2 0\n");
    EXPECT_FALSE(parsed.description);
    EXPECT_EQ(parsed.errorLine, 3);
    EXPECT_THAT(parsed.error, HasSubstr("ALTGR must be 0 to 1"));
}

TEST(Description, TokensAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(QuoteToken("plain"), "plain");
    EXPECT_EQ(QuoteToken(""), "\"\"");
    EXPECT_EQ(QuoteToken("two words"), "\"two words\"");
    EXPECT_EQ(QuoteToken("#1"), "\"#1\"");
    EXPECT_EQ(QuoteToken("a\"b\\c\x01"), "\"a\\\"b\\\\c\\x01\"");
    EXPECT_EQ(QuoteToken("\xC3\xA9"), "\xC3\xA9");
    EXPECT_THAT(*SplitTokens("a \"b c\" \"\\x41\\n\""), ElementsAre("a", "b c", "A\n"));
    EXPECT_FALSE(SplitTokens("\"unterminated"));
}

}  // namespace
}  // namespace zq
