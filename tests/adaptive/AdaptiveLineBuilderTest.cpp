#include "adaptive/AdaptiveLineBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "adaptive/AdaptiveLines.h"
#include "base/CodePage.h"
#include "course/Course.h"
#include "course/CourseTextFile.h"
#include "stats/WeakKeyLine.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

// The shipped English course, as the sources hold it.
const CourseWords& EnglishWords() {
    static const CourseWords words =
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

// Real words first: letter groups only for a key in play that no usable
// real word holds.
TEST(AdaptiveLineBuilderTest, UsableWordsAreRealWordsAndLetterGroupsOnlyForKeysNoRealWordHolds) {
    const CourseWords words({"dad", "sad", "as", "lads"}, {"ddd", "sds", "lll", "dld", "ksk"});
    EXPECT_THAT(UsableWords(words, "asd").words, ElementsAre("as", "dad", "sad"));
    EXPECT_THAT(UsableWords(words, "asd").groups, ElementsAre("ddd", "sds"));
    EXPECT_THAT(UsableWords(words, "asdl").words, ElementsAre("as", "dad", "sad", "lads"));
    EXPECT_THAT(UsableWords(words, "asdk").words, ElementsAre("as", "dad", "sad", "ksk"));
    EXPECT_THAT(UsableWords(CourseWords({}, {"ddd", "sds"}), "sd").words, ElementsAre("ddd", "sds"));
}

// The shipped Russian course drills its first keys in made-up groups
// ("ыаы", "авыв") but has real words of them in its sentences and its game
// ("вода", "два"): the adaptive lines are made of those, with a few groups
// that hold the focus key, which the words hold too seldom.
TEST(AdaptiveLineBuilderTest, ACoursesLinesAreMadeOfItsRealWordsWhereItHasThem) {
    const Course russian(std::string(ZQ_SOURCE_DIR) + "/data/", "Russkij");
    std::set<std::string> real;
    for (const std::string& file : {russian.PracticePath(), russian.GamePath()})
        for (const std::string& word : WordsOf(ReadCourseTextLines(file, russian.TextCodePage())))
            real.insert(word);
    std::string keys;
    for (const char32_t key : std::u32string(U"аовлыд")) keys += static_cast<char>(*CodeOfChar(key, 1251));
    const CourseWords usable = UsableWords(AdaptiveWordsOf(russian), keys);
    std::mt19937 random(5);
    for (int line = 0; line < 30; ++line) {
        const char focus = keys[static_cast<std::size_t>(line) % keys.size()];
        const std::string built = BuildAdaptiveLine(usable, keys, focus, random);
        SCOPED_TRACE(ToUtf8(built, 1251));
        int realWords = 0, groups = 0;
        for (const std::string& word : WordsOf({built})) {
            realWords += real.contains(word) ? 1 : 0;
            if (std::ranges::find(usable.groups, word) == usable.groups.end()) continue;
            ++groups;
            EXPECT_NE(word.find(focus), std::string::npos) << ToUtf8(word, 1251) << " lacks the focus key";
        }
        EXPECT_GE(realWords, 4);
        EXPECT_LE(groups, 3);
    }
}

TEST(AdaptiveLineBuilderTest, ALineIsMadeOfUsableWordsAndFillsItsLength) {
    const std::string keys = "fjdksla;gh";
    const CourseWords usable = UsableWords(EnglishWords(), keys);
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
            const bool isWord = std::ranges::find(usable.words, word) != usable.words.end();
            const bool isGroup = std::ranges::find(usable.groups, word) != usable.groups.end();
            EXPECT_TRUE(isWord || (isGroup && word.find('g') != std::string::npos)) << word;
        }
    }
}

TEST(AdaptiveLineBuilderTest, WordsRepeatInALineOnlyWhenTheKeysHaveFewWords) {
    std::mt19937 random(4);
    const std::string keys = "fjdksla;gheiru";
    const CourseWords usable = UsableWords(EnglishWords(), keys);
    for (int i = 0; i < 20; ++i) {
        const std::string line = BuildAdaptiveLine(usable, keys, 'u', random);
        EXPECT_EQ(WordsOf({line}).size(), static_cast<std::size_t>(std::ranges::count(line, ' ') + 1))
            << line;
    }
    const std::string fewWords = BuildAdaptiveLine(CourseWords({"dd", "fd", "jk"}), "fjdk", 'd', random);
    EXPECT_GT(std::ranges::count(fewWords, ' ') + 1, 3) << fewWords;
}

TEST(AdaptiveLineBuilderTest, TheFocusKeyComesAboutThreeTimesAsOftenAsEachOtherKey) {
    for (const auto& [keys, focus] : std::vector<std::pair<std::string, char>>{
             {"fjdk", 'd'}, {"fjdksla;gh", 'h'}, {"fjdksla;gheiru", 'e'}, {"fjdksla;gheiru", 'r'}}) {
        SCOPED_TRACE(keys + " focus " + focus);
        const CourseWords usable = UsableWords(EnglishWords(), keys);
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
    const std::string line = BuildAdaptiveLine(CourseWords({"as", "sad", "dad"}), "asdq", 'q', random, 30);
    EXPECT_NE(line.find("qqq"), std::string::npos) << line;
    EXPECT_EQ(BuildAdaptiveLine({}, "fj", 'f', random, 11).size(), 11u) << "fff jjj ...: no word at all";
    EXPECT_EQ(BuildAdaptiveLine({}, "", 'f', random, 60), "");
}

TEST(AdaptiveLineBuilderTest, TheSameSeedMakesTheSameLines) {
    const CourseWords usable = UsableWords(EnglishWords(), "fjdksla;gheiru");
    std::mt19937 first(5);
    std::mt19937 second(5);
    EXPECT_EQ(BuildAdaptiveLine(usable, "fjdksla;gheiru", 'r', first),
              BuildAdaptiveLine(usable, "fjdksla;gheiru", 'r', second));
}

}  // namespace
}  // namespace zq
