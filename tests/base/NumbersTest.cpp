#include "base/Numbers.h"

#include <gtest/gtest.h>

#include "base/LibraryError.h"

namespace zq {
namespace {

TEST(Numbers, DecimalWithSignAndLeadingSpaces) {
    EXPECT_EQ(TryParseInt32("42"), 42);
    EXPECT_EQ(TryParseInt32("  -17"), -17);
    EXPECT_EQ(TryParseInt32("+8"), 8);
    EXPECT_EQ(TryParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(TryParseInt32("-2147483648"), INT32_MIN);
}

TEST(Numbers, DecimalOutOfRangeOrMalformedIsRejected) {
    for (const char* text :
         {"2147483648", "-2147483649", "", " ", "-", "12 ", "1a", "abc", "\t5", "99999999999"})
        EXPECT_FALSE(TryParseInt32(text).has_value()) << '"' << text << '"';
}

TEST(Numbers, HexadecimalPrefixesGiveThirtyTwoBitPatterns) {
    EXPECT_EQ(TryParseInt32("$FF0000"), 16711680);
    EXPECT_EQ(TryParseInt32("0xFF"), 255);
    EXPECT_EQ(TryParseInt32("0Xff"), 255);
    EXPECT_EQ(TryParseInt32("xA"), 10);
    EXPECT_EQ(TryParseInt32("X1f"), 31);
    EXPECT_EQ(TryParseInt32("$FFFFFFFF"), -1);
    EXPECT_EQ(TryParseInt32("-$10"), -16);
    EXPECT_FALSE(TryParseInt32("$100000000").has_value());
    EXPECT_FALSE(TryParseInt32("0x").has_value());
    EXPECT_FALSE(TryParseInt32("$").has_value());
    EXPECT_FALSE(TryParseInt32("$FG").has_value());
}

TEST(Numbers, DecimalOnlyParserRefusesHexadecimal) {
    EXPECT_EQ(TryParseDecimalInt32(" 12"), 12);
    EXPECT_FALSE(TryParseDecimalInt32("$12").has_value());
    EXPECT_FALSE(TryParseDecimalInt32("0x12").has_value());
}

TEST(Numbers, ParseRaisesTheLibraryMessage) {
    try {
        ParseInt32("abc");
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
    // The value is 8-bit text of the code page; the message is UTF-8.
    try {
        ParseInt32("12\xB0");
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "'12\xC2\xB0' is not a valid integer value");
    }
    EXPECT_EQ(ParseInt32Or("abc", 7), 7);
    EXPECT_EQ(ParseInt32Or("$10", 7), 16);
}

}  // namespace
}  // namespace zq

namespace zq {
namespace {

TEST(Numbers, SaturatingAddHoldsAtTheLimits) {
    EXPECT_EQ(SaturatingAdd(2147483000, 600), 2147483600);
    EXPECT_EQ(SaturatingAdd(2147483000, 1000), INT32_MAX);
    EXPECT_EQ(SaturatingAdd(INT32_MAX, INT32_MAX), INT32_MAX);
    EXPECT_EQ(SaturatingAdd(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(SaturatingAdd(-5, 3), -2);
}

}  // namespace
}  // namespace zq
