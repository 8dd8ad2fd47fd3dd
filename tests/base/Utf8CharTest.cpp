#include "base/Utf8Char.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace zq {
namespace {

// The character decoded at the start of `bytes`, if the bytes are one.
std::optional<char32_t> DecodedAtStart(std::string_view bytes, std::size_t expectedLength) {
    std::size_t at = 0;
    char32_t ch = 0;
    if (!DecodeUtf8(bytes, at, ch)) return std::nullopt;
    if (at != expectedLength) ADD_FAILURE() << "moved by " << at << " bytes, not " << expectedLength;
    return ch;
}

TEST(Utf8Char, EachLengthIsEncodedWithItsLeadAndContinuationBytes) {
    EXPECT_EQ(Utf8OfChar(U'A'), "A");
    EXPECT_EQ(Utf8OfChar(0x7F), "\x7F");
    EXPECT_EQ(Utf8OfChar(0x80), "\xC2\x80");
    EXPECT_EQ(Utf8OfChar(U'\u00E9'), "\xC3\xA9");
    EXPECT_EQ(Utf8OfChar(0x7FF), "\xDF\xBF");
    EXPECT_EQ(Utf8OfChar(0x800), "\xE0\xA0\x80");
    EXPECT_EQ(Utf8OfChar(U'\u20AC'), "\xE2\x82\xAC");
    EXPECT_EQ(Utf8OfChar(0xFFFD), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8OfChar(0x10000), "\xF0\x90\x80\x80");
    EXPECT_EQ(Utf8OfChar(U'\U0001F600'), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8OfChar(0x10FFFF), "\xF4\x8F\xBF\xBF");
}

TEST(Utf8Char, ValuesThatAreNoCharactersGiveNoBytes) {
    EXPECT_EQ(Utf8OfChar(0xD800), "");
    EXPECT_EQ(Utf8OfChar(0xDFFF), "");
    EXPECT_EQ(Utf8OfChar(0x110000), "");
    std::string text = "a";
    AppendUtf8(text, 0xDC00);
    AppendUtf8(text, U'b');
    EXPECT_EQ(text, "ab");
}

TEST(Utf8Char, EveryCharacterDecodesToItselfAfterTheEncoder) {
    for (char32_t ch = 0; ch <= 0x10FFFF; ++ch) {
        if (ch >= 0xD800 && ch <= 0xDFFF) continue;
        const std::string bytes = Utf8OfChar(ch);
        std::size_t at = 0;
        char32_t decoded = 0;
        ASSERT_TRUE(DecodeUtf8(bytes, at, decoded)) << std::hex << static_cast<std::uint32_t>(ch);
        ASSERT_EQ(decoded, ch);
        ASSERT_EQ(at, bytes.size());
    }
}

TEST(Utf8Char, DecodingStartsWhereAskedAndMovesPastTheCharacter) {
    const std::string text = "x\xC3\xA9y";
    std::size_t at = 1;
    char32_t ch = 0;
    ASSERT_TRUE(DecodeUtf8(text, at, ch));
    EXPECT_EQ(ch, U'\u00E9');
    EXPECT_EQ(at, 3u);
    ASSERT_TRUE(DecodeUtf8(text, at, ch));
    EXPECT_EQ(ch, U'y');
    EXPECT_EQ(at, 4u);
    EXPECT_FALSE(DecodeUtf8(text, at, ch)) << "nothing is left at the end";
}

TEST(Utf8Char, BytesThatAreNotTheShortestFormOfACharacterAreRefused) {
    EXPECT_EQ(DecodedAtStart("\x80", 1), std::nullopt) << "a continuation byte alone";
    EXPECT_EQ(DecodedAtStart("\xC3", 2), std::nullopt) << "cut short";
    EXPECT_EQ(DecodedAtStart("\xE2\x82", 3), std::nullopt) << "cut short";
    EXPECT_EQ(DecodedAtStart("\xC3(", 2), std::nullopt) << "no continuation byte";
    EXPECT_EQ(DecodedAtStart("\xC0\xAF", 2), std::nullopt) << "overlong slash";
    EXPECT_EQ(DecodedAtStart("\xE0\x80\xAF", 3), std::nullopt) << "overlong slash";
    EXPECT_EQ(DecodedAtStart("\xF0\x8F\xBF\xBF", 4), std::nullopt) << "overlong U+FFFF";
    EXPECT_EQ(DecodedAtStart("\xED\xA0\x80", 3), std::nullopt) << "a surrogate";
    EXPECT_EQ(DecodedAtStart("\xF4\x90\x80\x80", 4), std::nullopt) << "above U+10FFFF";
    EXPECT_EQ(DecodedAtStart("\xF8\x88\x80\x80\x80", 5), std::nullopt) << "a five-byte form";
    EXPECT_EQ(DecodedAtStart("\xFF", 1), std::nullopt);

    std::size_t at = 0;
    char32_t ch = U'k';
    EXPECT_FALSE(DecodeUtf8("\xC3", at, ch));
    EXPECT_EQ(at, 0u) << "a refusal leaves the position";
    EXPECT_EQ(ch, U'k') << "and the character as they were";
}

}  // namespace
}  // namespace zq
