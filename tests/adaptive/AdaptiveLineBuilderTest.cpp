#include "adaptive/AdaptiveLineBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "adaptive/AdaptiveLines.h"
#include "course/Course.h"
#include "stats/WeakKeyLine.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

// The shipped English course, as the sources hold it.
const std::vector<std::string>& EnglishWords() {
    static const std::vector<std::string> words =
        AdaptiveWordsOf(Course(std::string(ZQ_SOURCE_DIR) + "/data/", "English"));
    return words;
}

// How often the focus key comes in `lines`, against the mean of the other
// keys in play.
double FocusRatio(const std::vector<std::string>& lines, std::string_view keysInPlay, char focus) {
    std::map<char, double> counts;
    for (const std::string& line : lines)
        for (const char ch : line) counts[ch] += 1;
    double others = 0;
    for (const char key : keysInPlay)
        if (key != focus) others += counts[key];
    return counts[focus] / (others / static_cast<double>(keysInPlay.size() - 1));
}

TEST(AdaptiveLineBuilderTest, UsableWordsHoldOnlyKeysInPlayShortestFirstEachOnce) {
    EXPECT_THAT(UsableWords({"dad", "sad", "as", "lads", "fast", "as", "a", "asks", "a;"}, "asdl;"),
                ElementsAre("a", "as", "a;", "dad", "sad", "lads"));
    EXPECT_THAT(UsableWords({"salad", "dallasdallasdallas"}, "asdl"), ElementsAre("salad"))
        << "a word too long to share a line";
}

TEST(AdaptiveLineBuilderTest, ALineIsMadeOfUsableWordsAndFillsItsLength) {
    const std::string keys = "fjdksla;gh";
    const std::vector<std::string> usable = UsableWords(EnglishWords(), keys);
    std::mt19937 random(3);
    for (int i = 0; i < 20; ++i) {
        const std::string line = BuildAdaptiveLine(usable, keys, 'g', random, 60);
        SCOPED_TRACE(line);
        EXPECT_LE(line.size(), 60u);
        EXPECT_GE(line.size(), 45u);
        EXPECT_EQ(line.find("  "), std::string::npos);
        EXPECT_NE(line.front(), ' ');
        EXPECT_NE(line.back(), ' ');
        for (const std::string& word : WordsOf({line})) {
            EXPECT_THAT(usable, ::testing::Contains(word));
        }
    }
}

TEST(AdaptiveLineBuilderTest, WordsRepeatInALineOnlyWhenTheKeysHaveFewWords) {
    std::mt19937 random(4);
    const std::string keys = "fjdksla;gheiru";
    const std::vector<std::string> usable = UsableWords(EnglishWords(), keys);
    for (int i = 0; i < 20; ++i) {
        const std::string line = BuildAdaptiveLine(usable, keys, 'u', random);
        EXPECT_EQ(WordsOf({line}).size(), static_cast<std::size_t>(std::ranges::count(line, ' ') + 1))
            << line;
    }
    const std::string fewWords = BuildAdaptiveLine({"dd", "fd", "jk"}, "fjdk", 'd', random);
    EXPECT_GT(std::ranges::count(fewWords, ' ') + 1, 3) << fewWords;
}

TEST(AdaptiveLineBuilderTest, TheFocusKeyComesAboutThreeTimesAsOftenAsEachOtherKey) {
    for (const auto& [keys, focus] : std::vector<std::pair<std::string, char>>{
             {"fjdk", 'd'}, {"fjdksla;gh", 'h'}, {"fjdksla;gheiru", 'e'}, {"fjdksla;gheiru", 'r'}}) {
        SCOPED_TRACE(keys + " focus " + focus);
        const std::vector<std::string> usable = UsableWords(EnglishWords(), keys);
        std::mt19937 random(11);
        std::vector<std::string> lines;
        for (int i = 0; i < 20; ++i) lines.push_back(BuildAdaptiveLine(usable, keys, focus, random));
        const double ratio = FocusRatio(lines, keys, focus);
        EXPECT_GE(ratio, 3.0);
        EXPECT_LE(ratio, 4.0);
    }
}

TEST(AdaptiveLineBuilderTest, AFocusKeyNoWordHoldsIsTypedOnItsOwn) {
    std::mt19937 random(1);
    const std::string line = BuildAdaptiveLine({"as", "sad", "dad"}, "asdq", 'q', random, 30);
    EXPECT_NE(line.find("qqq"), std::string::npos) << line;
    EXPECT_EQ(BuildAdaptiveLine({}, "fj", 'f', random, 11).size(), 11u) << "fff jjj ...: no word at all";
    EXPECT_EQ(BuildAdaptiveLine({}, "", 'f', random, 60), "");
}

TEST(AdaptiveLineBuilderTest, TheSameSeedMakesTheSameLines) {
    const std::vector<std::string> usable = UsableWords(EnglishWords(), "fjdksla;gheiru");
    std::mt19937 first(5);
    std::mt19937 second(5);
    EXPECT_EQ(BuildAdaptiveLine(usable, "fjdksla;gheiru", 'r', first),
              BuildAdaptiveLine(usable, "fjdksla;gheiru", 'r', second));
}

}  // namespace
}  // namespace zq
