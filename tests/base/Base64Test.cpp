#include "base/Base64.h"

#include <gtest/gtest.h>

#include <string>

namespace zq {
namespace {

using namespace std::string_literals;

// The test vectors of RFC 4648, section 10.
TEST(Base64, EncodesTheStandardVectorsWithPadding) {
    EXPECT_EQ(EncodeBase64(""), "");
    EXPECT_EQ(EncodeBase64("f"), "Zg==");
    EXPECT_EQ(EncodeBase64("fo"), "Zm8=");
    EXPECT_EQ(EncodeBase64("foo"), "Zm9v");
    EXPECT_EQ(EncodeBase64("foob"), "Zm9vYg==");
    EXPECT_EQ(EncodeBase64("fooba"), "Zm9vYmE=");
    EXPECT_EQ(EncodeBase64("foobar"), "Zm9vYmFy");
}

TEST(Base64, EveryByteValueSurvivesTheRoundTrip) {
    std::string bytes;
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    EXPECT_EQ(EncodeBase64("\xFB\xFF"s), "+/8=");
    for (std::size_t length = 0; length <= bytes.size(); length += 85) {
        const std::string part = bytes.substr(bytes.size() - length);
        EXPECT_EQ(DecodeBase64(EncodeBase64(part)), part) << length;
    }
}

TEST(Base64, DecodesWithOrWithoutPadding) {
    EXPECT_EQ(DecodeBase64("Zm9vYg=="), "foob");
    EXPECT_EQ(DecodeBase64("Zm9vYg"), "foob");
    EXPECT_EQ(DecodeBase64("Zm9vYmE="), "fooba");
    EXPECT_EQ(DecodeBase64("Zm9vYmE"), "fooba");
    EXPECT_EQ(DecodeBase64(""), "");
    EXPECT_EQ(DecodeBase64("AQAAAQYAAABCTQABAgM="),
              "\x01\x00\x00\x01\x06\x00\x00\x00"
              "BM\x00\x01\x02\x03"s);
}

TEST(Base64, RefusesWhatNoEncodingGives) {
    for (const char* text : {"%%%", "Zm9v Yg==", "Zm9v\nYg==", "Zm=9", "Zm9vY",
                             "Zm9vYg=", "Zm9vY===", "====", "=", "Zg==Zg==", "Zm9-", "Zm9_"}) {
        EXPECT_FALSE(DecodeBase64(text)) << text;
    }
}

}  // namespace
}  // namespace zq
