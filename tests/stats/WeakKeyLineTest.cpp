#include "stats/WeakKeyLine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "../support/TempFolder.h"
#include "course/Course.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

const std::vector<std::string> kWords = {"quiet", "queen", "zebra",  "pizza", "the", "and",
                                         "quiz",  "maze",  "quartz", "equal", "a",   "extraordinarily"};

std::vector<std::string> Split(const std::string& line) {
    return WordsOf({line});
}

TEST(WeakKeyLineTest, WordsAreTheDistinctRunsBetweenBlanks) {
    EXPECT_THAT(WordsOf({"the cat,  the\tdog", " cat. "}), ElementsAre("the", "cat,", "dog", "cat."));
}

TEST(WeakKeyLineTest, TheLineIsMadeOfWordsHoldingTheKeysAndFitsTheTarget) {
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        const std::string line = BuildWeakKeyLine(kWords, "qz", seed, 80);
        SCOPED_TRACE(line);
        EXPECT_LE(line.size(), 80u);
        EXPECT_GT(line.size(), 60u);  // filled, not stopped early
        EXPECT_NE(line.front(), ' ');
        EXPECT_NE(line.back(), ' ');
        EXPECT_EQ(line.find("  "), std::string::npos);
        for (const std::string& word : Split(line)) {
            EXPECT_NE(word.find_first_of("qz"), std::string::npos) << word;
            EXPECT_NE(word, "extraordinarily");  // too long to share the line
        }
    }
}

TEST(WeakKeyLineTest, EveryKeyGetsItsShareOfWords) {
    const std::string line = BuildWeakKeyLine(kWords, "qzt", 7, 80);
    int withQ = 0, withZ = 0, withT = 0;
    for (const std::string& word : Split(line)) {
        withQ += word.find('q') != std::string::npos;
        withZ += word.find('z') != std::string::npos;
        withT += word.find('t') != std::string::npos;
    }
    EXPECT_GE(withQ, 3);
    EXPECT_GE(withZ, 3);
    EXPECT_GE(withT, 3);
}

TEST(WeakKeyLineTest, AKeyNoWordHoldsIsPractisedOnItsOwn) {
    const std::string line = BuildWeakKeyLine(kWords, ";", 1, 20);
    EXPECT_EQ(line, ";;; ;;; ;;; ;;; ;;;");
    EXPECT_EQ(BuildWeakKeyLine(kWords, "", 1, 80), "");
}

TEST(WeakKeyLineTest, PiecesOfWordsGetWordsThatHoldThemWholeInTurn) {
    const std::string line = BuildPracticeLine(kWords, {"qu", "ze", "#!"}, 4, 80);
    SCOPED_TRACE(line);
    EXPECT_LE(line.size(), 80u);
    int withQu = 0, withZe = 0, alone = 0;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        const bool qu = word.find("qu") != std::string::npos;
        const bool ze = word.find("ze") != std::string::npos;
        withQu += qu;
        withZe += ze;
        alone += word == "#!#!#!";
        EXPECT_TRUE(qu || ze || word == "#!#!#!") << word;  // "quartz" holds q and z, but not "ze"
    }
    EXPECT_GE(withQu, 3);
    EXPECT_GE(withZe, 3);
    EXPECT_GE(alone, 3) << "a piece no word holds is practised as three of it";
    EXPECT_EQ(BuildPracticeLine(kWords, {}, 1), "");
}

TEST(WeakKeyLineTest, TheSameSeedGivesTheSameLineAndOtherSeedsVary) {
    EXPECT_EQ(BuildWeakKeyLine(kWords, "qz", 3), BuildWeakKeyLine(kWords, "qz", 3));
    std::set<std::string> lines;
    for (std::uint32_t seed = 0; seed < 10; ++seed) lines.insert(BuildWeakKeyLine(kWords, "qz", seed));
    EXPECT_GT(lines.size(), 1u);
}

TEST(WeakKeyLineTest, TheCourseTextsAreItsThreeFilesAndMissingOnesAreSkipped) {
    test::TempFolder programFolder;
    std::filesystem::create_directories(programFolder / "Courses/Test");
    programFolder.Write("Courses/Test/course.txt", "fff jjj\r\nfjf\r\n");
    programFolder.Write("Courses/Test/Game.txt", "quiz\n");
    EXPECT_THAT(ReadCourseTexts(Course(programFolder.Dir(), "Test")), ElementsAre("fff jjj", "fjf", "quiz"));
}

// Real words serve a key whenever one holds it; letter groups only a key
// that no real word holds.
TEST(WeakKeyLineTest, RealWordsComeBeforeLetterGroups) {
    const CourseWords words({"dad", "fad", "add"}, {"ddd", "dkd", "kdk", "kkk"});
    for (std::uint32_t seed = 0; seed < 10; ++seed) {
        for (const std::string& word : Split(BuildWeakKeyLine(words, "d", seed)))
            EXPECT_TRUE(word == "dad" || word == "fad" || word == "add") << word;
        const std::string both = BuildWeakKeyLine(words, "dk", seed);
        for (const std::string& word : Split(both)) {
            const bool real = word == "dad" || word == "fad" || word == "add";
            EXPECT_TRUE(real || word.find('k') != std::string::npos) << word << " in " << both;
        }
        EXPECT_NE(both.find('k'), std::string::npos) << both;
    }
    for (const std::string& word : Split(BuildPracticeLine(words, {"dk"}, 1)))
        EXPECT_TRUE(word == "dkd" || word == "kdk") << word;
}

// The sentences and the game hold real words, and so do the lines of the
// course at least half of whose words are theirs ("quiz fez jig", with
// "quiz." and "fez" among them); the other lines hold letter groups.
TEST(WeakKeyLineTest, TheCourseWordsAreItsThreeFilesRealWordsApartAndMissingOnesAreSkipped) {
    test::TempFolder programFolder;
    std::filesystem::create_directories(programFolder / "Courses/Test");
    programFolder.Write("Courses/Test/course.txt", "fff jjj\r\nfjf\r\nquiz fez jig\r\n");
    programFolder.Write("Courses/Test/Practice.txt", "Jim has a quiz.\n");
    programFolder.Write("Courses/Test/Game.txt", "fez\n");
    CourseWords words = ReadCourseWords(Course(programFolder.Dir(), "Test"));
    EXPECT_THAT(words.words, ElementsAre("Jim", "has", "a", "quiz.", "fez", "quiz", "jig"));
    EXPECT_THAT(words.groups, ElementsAre("fff", "jjj", "fjf"));

    std::filesystem::remove(programFolder / "Courses/Test/Practice.txt");
    words = ReadCourseWords(Course(programFolder.Dir(), "Test"));
    EXPECT_THAT(words.words, ElementsAre("fez"));
    EXPECT_THAT(words.groups, ElementsAre("fff", "jjj", "fjf", "quiz", "jig"));
}

}  // namespace
}  // namespace zq
