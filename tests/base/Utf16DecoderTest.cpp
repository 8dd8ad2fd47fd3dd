#include "base/Utf16Decoder.h"

#include <gtest/gtest.h>

#include <string>

namespace zq {
namespace {

constexpr char32_t kReplacement = Utf16Decoder::kReplacement;

// The characters of a whole UTF-16 text.
std::u32string Decoded(std::u16string_view units) {
    Utf16Decoder decoder;
    std::u32string characters;
    for (const char16_t unit : units) decoder.Take(unit, characters);
    decoder.Finish(characters);
    return characters;
}

TEST(Utf16Decoder, UnitsOutsideTheSurrogatesAreTheirCharacters) {
    EXPECT_EQ(Decoded(u"a\u00E9\u20AC\uFFFF"), U"a\u00E9\u20AC\uFFFF");
    EXPECT_EQ(Decoded(u""), U"");
}

TEST(Utf16Decoder, APairIsTheOneCharacterItEncodes) {
    EXPECT_EQ(Decoded(u"\xD83D\xDE00"), U"\U0001F600");
    EXPECT_EQ(Decoded(u"\xD800\xDC00"), U"\U00010000");
    EXPECT_EQ(Decoded(u"\xDBFF\xDFFF"), U"\U0010FFFF");
    EXPECT_EQ(Decoded(u"x\xD83D\xDE00y"), U"x\U0001F600y");
}

TEST(Utf16Decoder, ASurrogateWithoutItsPartnerIsTheReplacementCharacter) {
    EXPECT_EQ(Decoded(u"\xDE00x"), (std::u32string{kReplacement, U'x'})) << "a low surrogate first";
    EXPECT_EQ(Decoded(u"\xD83Dx"), (std::u32string{kReplacement, U'x'})) << "a high one before a character";
    EXPECT_EQ(Decoded(u"\xD83D\xD83D\xDE00"), (std::u32string{kReplacement, U'\U0001F600'}))
        << "a high one before another high one";
    EXPECT_EQ(Decoded(u"x\xD83D"), (std::u32string{U'x', kReplacement})) << "a high one at the end";
    EXPECT_EQ(Decoded(u"\xDE00\xD83D"), (std::u32string{kReplacement, kReplacement})) << "the pair reversed";
}

TEST(Utf16Decoder, AHighSurrogateWaitsForTheNextUnit) {
    Utf16Decoder decoder;
    std::u32string characters;
    decoder.Take(0xD83D, characters);
    EXPECT_EQ(characters, U"") << "its partner may come next";
    decoder.Take(0xDE00, characters);
    EXPECT_EQ(characters, U"\U0001F600");
    decoder.Finish(characters);
    EXPECT_EQ(characters, U"\U0001F600") << "nothing was left waiting";
}

}  // namespace
}  // namespace zq
