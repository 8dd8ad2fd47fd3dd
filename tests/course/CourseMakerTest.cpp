// Making a course folder for a keyboard layout: what it holds, that the
// course check finds it sound, that nothing is lost or half made, and that
// the same layout gives the same course.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "../support/TempFolder.h"
#include "../templates/FakeKeyPainter.h"
#include "base/CodePage.h"
#include "base/TextFile.h"
#include "course/CommonWords.h"
#include "course/Course.h"
#include "course/CourseCheck.h"
#include "course/CourseMaker.h"
#include "course/GameWords.h"
#include "course/ReadableGroups.h"
#include "course/UnicodeText.h"

namespace zq {
namespace {

using test::TempFolder;

const std::string kTestDictionary = std::string(ZQ_TEST_DATA_DIR) + "/course/en_test.dic";

class CourseMakerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSystemCodePage(1252);
        // No dictionary of the machine's counts: only those a test names.
        maker.SetDictionaryFolders(
            {{folder.File("no-hunspell")}, folder.File("no-dict"), folder.File("no-dictd")});
    }

    CourseRequest Request(const std::string& layout, const std::string& name) const {
        CourseRequest request;
        request.layout = layout;
        request.folder = folder.File(name);
        return request;
    }

    std::vector<std::string> Lines(const std::string& name, const std::string& file) const {
        return SplitLines(folder.Read(name + "/" + file));
    }

    TempFolder folder;
    testing::FakeKeyPainter painter;
    CourseMaker maker{ReadLayoutRegistry(), painter};
};

TEST_F(CourseMakerTest, MakesACompleteCourseThatTheCheckFindsSound) {
    CourseRequest request = Request("us(dvorak)", "Dvorak");
    request.dictionary = DictionaryAt(kTestDictionary);
    const CourseReport report = maker.Make(request);
    ASSERT_EQ(report.outcome, CourseOutcome::Made);
    for (const char* file : {"layout.zqt", "course.txt", "Practice.txt", "Game.txt", "course.ini"})
        EXPECT_TRUE(std::filesystem::exists(folder / ("Dvorak/" + std::string(file)))) << file;
    const CourseCheckResult check = CheckCourseFolder(folder.File("Dvorak"));
    EXPECT_TRUE(check.faults.empty()) << check.faults.front();
    EXPECT_EQ(check.codePage, 1252);

    // Dvorak's home row first, then words of the dictionary.
    const std::vector<std::string> course = Lines("Dvorak", "course.txt");
    EXPECT_GE(course.size(), 150u);
    EXPECT_TRUE(course.front().starts_with("uuu hhh")) << course.front();
    const std::string all = folder.Read("Dvorak/course.txt");
    int dictionaryWords = 0;
    for (const char* word :
         {" house ", " water ", " fish ", " glass ", " hike ", " guide ", " sure ", " read "})
        dictionaryWords += all.find(word) != std::string::npos;
    EXPECT_GE(dictionaryWords, 3);
    EXPECT_EQ(all.find("London"), std::string::npos);  // a name
    EXPECT_EQ(all.find("teh"), std::string::npos);     // a forbidden word
    EXPECT_GE(Lines("Dvorak", "Practice.txt").size(), 300u);
    EXPECT_EQ(report.gameGroups, 30u);
}

// The game opens with words a learner knows: its first groups are the
// language's everyday words the dictionary has, shortest first, and no
// rare word as short as they are comes later.
TEST_F(CourseMakerTest, TheGamesFirstGroupsAreEverydayWordsOfTheLanguage) {
    CourseRequest request = Request("us", "US");
    request.dictionary = DictionaryAt(std::string(ZQ_TEST_DATA_DIR) + "/course/en_everyday.dic");
    ASSERT_EQ(maker.Make(request).outcome, CourseOutcome::Made);
    std::vector<std::vector<std::string>> groups(1);
    for (const std::string& line : Lines("US", "Game.txt")) {
        if (line.empty()) {
            groups.emplace_back();
            continue;
        }
        for (std::size_t start = 0; start < line.size();) {
            const std::size_t end = std::min(line.find(' ', start), line.size());
            groups.back().push_back(line.substr(start, end - start));
            start = end + 1;
        }
    }
    ASSERT_EQ(groups.size(), kGameGroups);
    std::set<std::string> everyday;
    for (const std::u32string& word : CommonWords("en")) everyday.insert(ToUtf8Text(word));
    std::size_t longestEveryday = 0;
    for (std::size_t g = 0; g < kCommonGameGroups; ++g) {
        EXPECT_GE(groups[g].size(), kFewestCommonGroupWords);
        for (const std::string& word : groups[g]) {
            EXPECT_TRUE(everyday.contains(word)) << word;
            longestEveryday = std::max(longestEveryday, word.size());
        }
    }
    EXPECT_LE(groups[0].back().size(), groups[1].front().size()) << "shortest first";
    EXPECT_LE(longestEveryday, kLongestCommonWord);
    for (std::size_t g = kCommonGameGroups; g < groups.size(); ++g) {
        for (const std::string& word : groups[g]) {
            EXPECT_GT(word.size(), longestEveryday) << word;
            EXPECT_TRUE(word != "fey" && word != "lur" && word != "tum") << "a rare short word: " << word;
        }
    }
}

TEST_F(CourseMakerTest, CourseIniNamesLanguageCodePageLayoutAndDictionary) {
    CourseRequest request = Request("us(colemak)", "Courses/Colemak");
    request.dictionary = DictionaryAt(kTestDictionary);
    maker.Make(request);
    const std::string ini = folder.Read("Courses/Colemak/course.ini");
    for (const char* line : {"[Course]\n", "Language=en\n", "CodePage=1252\n", "Layout=us(colemak)\n",
                             "Description=English (Colemak)\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
    EXPECT_NE(ini.find("Dictionary=" + kTestDictionary + "\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("DictionaryPackage=unknown\n"), std::string::npos) << ini;

    // The program reads the course in its own code page.
    SetSystemCodePage(1251);
    const Course course(folder.Dir(), "Colemak");
    EXPECT_EQ(course.TextCodePage(), 1252);
}

TEST_F(CourseMakerTest, WithoutADictionaryDrillsMadeUpLetterGroupsAndSaysSo) {
    CourseRequest request = Request("pl", "Polish");
    request.useDictionary = false;
    const CourseReport report = maker.Make(request);
    ASSERT_EQ(report.outcome, CourseOutcome::Made);
    ASSERT_FALSE(report.notes.empty());
    EXPECT_NE(report.notes.front().find("made-up letter groups"), std::string::npos);
    EXPECT_NE(folder.Read("Polish/course.ini").find("Dictionary=none\n"), std::string::npos);
    EXPECT_NE(folder.Read("Polish/course.ini").find("CodePage=1250\n"), std::string::npos);
    // The letters of AltGr are taught all the same.
    EXPECT_NE(folder.Read("Polish/course.txt").find("ąąą"), std::string::npos);
    const CourseCheckResult check = CheckCourseFolder(folder.File("Polish"));
    EXPECT_TRUE(check.faults.empty()) << check.faults.front();
}

// Thai writes vowel signs and tone marks on its consonants, Hebrew ends
// words with final letters: made-up groups begin with a base letter, carry
// each mark on a letter and put a final form only at a word's end, and the
// check finds nothing to say; a mark is drilled on a letter, never alone.
TEST_F(CourseMakerTest, MadeUpGroupsOfScriptsWithMarksOrFinalFormsCanBeRead) {
    for (const auto& [layout, name] : {std::pair("th", "Thai"), std::pair("il", "Hebrew")}) {
        CourseRequest request = Request(layout, name);
        request.useDictionary = false;
        ASSERT_EQ(maker.Make(request).outcome, CourseOutcome::Made) << layout;
        const CourseCheckResult check = CheckCourseFolder(folder.File(name));
        EXPECT_TRUE(check.faults.empty()) << layout << ": " << check.faults.front();
        for (const char* file : {"course.txt", "Practice.txt", "Game.txt"}) {
            const std::string text = folder.Read(std::string(name) + "/" + file);
            EXPECT_EQ(UnreadableGroupFault(FromUtf8Text(text)), std::nullopt) << layout << " " << file;
        }
    }
    const std::vector<std::string> thai = Lines("Thai", "course.txt");
    ASSERT_FALSE(thai.empty());
    EXPECT_TRUE(thai.front().starts_with("ดดด ด่ ด่ ด่")) << thai.front();
}

// A dictionary none of whose words the keyboard types (English words on a
// Russian keyboard) is no source of the course: course.ini names none.
TEST_F(CourseMakerTest, ADictionaryOfWhichNoWordIsUsedIsNotNamed) {
    CourseRequest request = Request("ru", "Russian");
    request.dictionary = DictionaryAt(kTestDictionary);
    const CourseReport report = maker.Make(request);
    ASSERT_EQ(report.outcome, CourseOutcome::Made);
    ASSERT_FALSE(report.notes.empty());
    EXPECT_NE(report.notes.front().find("has no words this keyboard types"), std::string::npos);
    EXPECT_EQ(report.info.dictionary, "");
    const std::string ini = folder.Read("Russian/course.ini");
    EXPECT_NE(ini.find("Dictionary=none\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("DictionaryPackage="), std::string::npos) << ini;
    EXPECT_EQ(ini.find("Licence="), std::string::npos) << ini;
}

TEST_F(CourseMakerTest, TheSameLayoutGivesTheSameCourse) {
    CourseRequest first = Request("ru", "First"), second = Request("ru", "Second");
    first.useDictionary = second.useDictionary = false;
    maker.Make(first);
    maker.Make(second);
    for (const char* file : {"course.txt", "Practice.txt", "Game.txt"})
        EXPECT_EQ(folder.Read(std::string("First/") + file), folder.Read(std::string("Second/") + file))
            << file;
}

TEST_F(CourseMakerTest, RefusesAnExistingFolderUnlessToldToReplaceIt) {
    std::filesystem::create_directories(folder / "Mine");
    folder.Write("Mine/course.txt", "a teacher's own course\n");
    CourseRequest request = Request("us(dvorak)", "Mine");
    request.useDictionary = false;
    EXPECT_THROW(maker.Make(request), CourseMakingError);
    EXPECT_EQ(folder.Read("Mine/course.txt"), "a teacher's own course\n");

    request.replace = true;
    EXPECT_EQ(maker.Make(request).outcome, CourseOutcome::Made);
    EXPECT_NE(folder.Read("Mine/course.txt"), "a teacher's own course\n");
    EXPECT_EQ(folder.EntryCount(), 1u);  // nothing left beside it
}

// The folder as shell completion writes it, with a slash at its end.
TEST_F(CourseMakerTest, AFolderNamedWithASlashAtItsEndIsMadeAsWithout) {
    CourseRequest request = Request("us(dvorak)", "Mine");
    request.folder += "/";
    request.useDictionary = false;
    EXPECT_EQ(maker.Make(request).outcome, CourseOutcome::Made);
    EXPECT_FALSE(folder.Read("Mine/course.txt").empty());
    EXPECT_EQ(folder.EntryCount(), 1u) << "nothing left beside it";
}

TEST_F(CourseMakerTest, ALayoutOfNoCodePageOrUnknownMakesNothing) {
    CourseRequest request = Request("am", "Amharic");
    EXPECT_EQ(maker.Make(request).outcome, CourseOutcome::NoCodePage);
    EXPECT_THROW(maker.Make(Request("zz", "Nothing")), CourseMakingError);
    EXPECT_EQ(folder.EntryCount(), 0u);
}

// The language's code page lacks letters the layout types for it: a course
// without them would not teach the layout, so none is made, and the
// letters are named.
TEST_F(CourseMakerTest, ALayoutWhoseLettersItsCodePageLacksIsRefusedNamingThem) {
    const struct {
        const char* layout;
        const char32_t* someLeftOut;
    } refused[] = {{"kz", U"әңғүұқөһ"}, {"az", U"ə"},           {"mn", U"үө"},
                   {"gh(akan)", U"ɛɔ"}, {"ng(yoruba)", U"ẹọṣ"}, {"ng(hausa)", U"ɗƴ"}};
    for (const auto& [layout, someLeftOut] : refused) {
        CourseRequest request = Request(layout, "Refused");
        request.useDictionary = false;
        const CourseReport report = maker.Make(request);
        EXPECT_EQ(report.outcome, CourseOutcome::NoCodePage) << layout;
        for (const char32_t letter : std::u32string_view(someLeftOut)) {
            const std::string utf8 = ToUtf8Text(std::u32string(1, letter));
            EXPECT_NE(report.lettersLeftOut.find(utf8), std::string::npos)
                << layout << ": " << utf8 << " not named in \"" << report.lettersLeftOut << "\"";
            ASSERT_FALSE(report.notes.empty()) << layout;
            EXPECT_NE(report.notes.back().find(utf8), std::string::npos) << report.notes.back();
        }
        EXPECT_EQ(folder.EntryCount(), 0u) << layout;
    }
    // Letters of another script (the French ones of a Russian phonetic
    // layout), the stressed Bulgarian "ѝ" and the historic "ѣ" are no
    // letters a course misses.
    for (const char* layout : {"ru(phonetic_fr)", "bg", "bg(bekl)", "ara"}) {
        CourseRequest request = Request(layout, layout);
        request.useDictionary = false;
        EXPECT_EQ(maker.Make(request).outcome, CourseOutcome::Made) << layout;
    }
}

TEST_F(CourseMakerTest, ACancelledCourseLeavesNothingAndProgressIsTold) {
    CourseRequest request = Request("us", "Cancelled");
    request.useDictionary = false;
    std::vector<int> told;
    const CourseReport report = maker.Make(request, [&](int percent, const std::string&) {
        told.push_back(percent);
        return percent < 70;
    });
    EXPECT_EQ(report.outcome, CourseOutcome::Cancelled);
    EXPECT_EQ(folder.EntryCount(), 0u);

    told.clear();
    maker.Make(Request("us", "Made"), [&](int percent, const std::string&) {
        told.push_back(percent);
        return true;
    });
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), 100);
}

TEST_F(CourseMakerTest, AnUnreadableDictionaryIsAFaultInWords) {
    CourseRequest request = Request("us", "Broken");
    request.dictionary = DictionaryAt(folder.File("missing.dic"));
    try {
        maker.Make(request);
        FAIL() << "made a course without its dictionary";
    } catch (const CourseMakingError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.dic"), std::string::npos) << error.what();
    }
    EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST(CourseFolderName, IsReadableAsciiWithoutCharactersFileNamesCannotHold) {
    EXPECT_EQ(CourseFolderName("English (Dvorak)"), "English (Dvorak)");
    EXPECT_EQ(CourseFolderName("Latvian (ergonomic, ŪGJRMV)"), "Latvian (ergonomic, -GJRMV)");
    EXPECT_EQ(CourseFolderName("A/B <C>"), "A-B -C");
    EXPECT_EQ(CourseFolderName("..."), "Course");
}

}  // namespace
}  // namespace zq
