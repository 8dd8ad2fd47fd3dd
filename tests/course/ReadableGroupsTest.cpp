// Letter groups that can be read aloud in scripts with combining marks
// (Thai) and final letter forms (Hebrew, Greek), and the cutting of a
// drill's made-up tokens into such groups.
#include "course/ReadableGroups.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "course/UnicodeText.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Optional;

std::optional<std::string> FaultOf(const char* utf8) {
    return UnreadableGroupFault(FromUtf8Text(utf8));
}

std::vector<std::string> Groups(const char* utf8, char32_t carrier) {
    std::vector<std::string> groups;
    for (const std::u32string& group : ReadableGroups(FromUtf8Text(utf8), carrier))
        groups.push_back(ToUtf8Text(group));
    return groups;
}

TEST(ReadableGroups, KnowsTheMarksAndFinalFormsOfTheCodePagesScripts) {
    EXPECT_TRUE(IsCombiningMark(U'\u0E48'));   // Thai mai ek, a tone mark
    EXPECT_TRUE(IsCombiningMark(U'\u0E35'));   // Thai sara ii, above its consonant
    EXPECT_FALSE(IsCombiningMark(U'\u0E40'));  // Thai sara e, written before it
    EXPECT_TRUE(IsCombiningMark(U'\u05B8'));   // Hebrew qamats
    EXPECT_TRUE(IsCombiningMark(U'\u0301'));   // the acute of code page 1258
    EXPECT_FALSE(IsCombiningMark(U'a'));
    EXPECT_TRUE(IsFinalForm(U'\u05DA'));  // final kaf
    EXPECT_FALSE(IsFinalForm(U'\u05DB'));
    EXPECT_TRUE(IsFinalForm(U'ς'));
    EXPECT_FALSE(IsFinalForm(U'σ'));
}

TEST(ReadableGroups, WordsBeginWithABaseLetterMarksFollowLettersFinalFormsEndWords) {
    EXPECT_EQ(FaultOf("กี่ ด่ เด็ก"), std::nullopt) << "a vowel sign takes a tone mark";
    EXPECT_EQ(FaultOf("שלום לךְ? (מלך) σας, ας-"), std::nullopt);
    EXPECT_EQ(FaultOf("word, of Latin"), std::nullopt);
    EXPECT_THAT(FaultOf("ดด ีงเ"), Optional(HasSubstr("\"ีงเ\" begins with the combining mark 'ี'")));
    EXPECT_THAT(FaultOf("่่่"), Optional(HasSubstr("begins with the combining mark")));
    EXPECT_THAT(FaultOf("ด่่"), Optional(HasSubstr("twice on one letter")));
    EXPECT_THAT(FaultOf("ףקחי"), Optional(HasSubstr("begins with the final form 'ף'")));
    EXPECT_THAT(FaultOf("דךשן"), Optional(HasSubstr("has the final form 'ך' before the letter 'ש'")));
    EXPECT_THAT(FaultOf("ςος"), Optional(HasSubstr("begins with the final form 'ς'")));
    EXPECT_THAT(FaultOf("(่)"), Optional(HasSubstr("begins with the combining mark")));
}

TEST(ReadableGroups, ADrillsTokenIsCutAndItsMarksAndFinalFormsPutOnALetter) {
    EXPECT_THAT(Groups("่่่", U'ด'), ElementsAre("ด่", "ด่", "ด่"));
    EXPECT_THAT(Groups("ךךך", U'כ'), ElementsAre("כך", "כך", "כך"));
    EXPECT_THAT(Groups("ךכך", U'ש'), ElementsAre("שך", "כך"));
    EXPECT_THAT(Groups("ดด่่", U'ก'), ElementsAre("ดด่", "ก่"));
    EXPECT_THAT(Groups("่ด", U'ก'), ElementsAre("ก่ด"));
    EXPECT_THAT(Groups("fjf", U'k'), ElementsAre("fjf")) << "a readable token stays whole";
    for (const char* token : {"่่่", "ךךך", "ךכך", "ดด่่", "่ด", "ςσς"})
        for (const std::string& group : Groups(token, U'ด')) {
            EXPECT_TRUE(IsReadableGroup(FromUtf8Text(group))) << group;
        }
}

}  // namespace
}  // namespace zq
