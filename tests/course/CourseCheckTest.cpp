// The course check tells a course author, file and line, what the program
// would trip over in a course folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "../support/Utf16Bytes.h"
#include "../templates/FakeKeyPainter.h"
#include "base/CodePage.h"
#include "course/CourseCheck.h"
#include "course/CourseMaker.h"
#include "course/CourseTextFile.h"
#include "course/GameWords.h"
#include "templates/TemplateBuild.h"
#include "templates/TemplateDump.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::HasSubstr;

// A sound course of the US layout (made once), whose files each test
// changes.
class CourseCheckTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        made_ = new TempFolder;
        testing::FakeKeyPainter painter;
        CourseMaker maker(ReadLayoutRegistry(), painter);
        CourseRequest request;
        request.layout = "us";
        request.folder = made_->File("US");
        request.useDictionary = false;
        maker.Make(request);
    }
    static void TearDownTestSuite() { delete made_; }

    void SetUp() override {
        SetSystemCodePage(1252);
        std::filesystem::copy(made_->File("US"), folder.File("US"));
    }

    std::vector<std::string> Faults() const { return CheckCourseFolder(folder.File("US")).faults; }

    // The one fault found, or the list when there are others.
    std::string OnlyFault() const {
        const std::vector<std::string> faults = Faults();
        std::string all;
        for (const std::string& fault : faults) all += fault + "\n";
        EXPECT_EQ(faults.size(), 1u) << all;
        return all;
    }

    static TempFolder* made_;
    TempFolder folder;
};

TempFolder* CourseCheckTest::made_ = nullptr;

TEST_F(CourseCheckTest, AMadeCourseIsSound) {
    const CourseCheckResult result = CheckCourseFolder(folder.File("US"));
    EXPECT_TRUE(result.faults.empty()) << result.faults.front();
    EXPECT_TRUE(result.notes.empty());
}

TEST_F(CourseCheckTest, FindsMissingAndEmptyFilesAndAnUnloadableTemplate) {
    std::filesystem::remove(folder / "US/Game.txt");
    folder.Write("US/Practice.txt", "\n  \n");
    folder.Write("US/layout.zqt", "not a zip archive");
    const std::vector<std::string> faults = Faults();
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_NE(faults[0].find("layout.zqt cannot be loaded"), std::string::npos) << faults[0];
    EXPECT_NE(faults[1].find("Practice.txt has no text"), std::string::npos) << faults[1];
    EXPECT_NE(faults[2].find("Game.txt is missing"), std::string::npos) << faults[2];
}

TEST_F(CourseCheckTest, SaysWhenTheFolderDoesNotExistOrIsAFile) {
    CourseCheckResult result = CheckCourseFolder(folder.File("Missing"));
    EXPECT_EQ(result.faults, std::vector<std::string>{folder.File("Missing") + " does not exist"});
    EXPECT_EQ(CheckSummary(result), "1 fault");
    folder.Write("Plain", "course.txt");
    result = CheckCourseFolder(folder.File("Plain"));
    EXPECT_EQ(result.faults, std::vector<std::string>{folder.File("Plain") + " is a file, not a folder"});
}

// A course copied from a system that does not tell letter case apart.
TEST_F(CourseCheckTest, NamesAFileOfTheNameInOtherLetterCaseToRename) {
    for (const auto& [name, copied] :
         {std::pair("course.txt", "COURSE.TXT"), std::pair("Practice.txt", "practice.txt"),
          std::pair("Game.txt", "game.txt"), std::pair("layout.zqt", "Layout.zqt")})
        std::filesystem::rename(folder / ("US/" + std::string(name)), folder / ("US/" + std::string(copied)));
    const std::vector<std::string> faults = Faults();
    ASSERT_EQ(faults.size(), 4u);
    EXPECT_THAT(faults[0], HasSubstr("layout.zqt is missing; Layout.zqt is there: rename it layout.zqt"));
    EXPECT_THAT(faults[1], HasSubstr("course.txt is missing; COURSE.TXT is there: rename it course.txt"));
    EXPECT_THAT(faults[2],
                HasSubstr("Practice.txt is missing; practice.txt is there: rename it Practice.txt"));
    EXPECT_THAT(faults[3], HasSubstr("Game.txt is missing; game.txt is there: rename it Game.txt"));
}

TEST_F(CourseCheckTest, FindsCharactersNoKeyTypes) {
    folder.Write("US/Practice.txt", "A fine line.\nCaf\xC3\xA9 au lait.\n");
    EXPECT_NE(OnlyFault().find("Practice.txt line 2: no key of layout.zqt types 'é'"), std::string::npos);
}

// The drills wrap a long line over several rows and take it whole: that is
// told as a remark. A line longer than the program reads makes it refuse the
// whole file: that is a fault that says so.
TEST_F(CourseCheckTest, ALongLineIsARemarkAndOneTheProgramRefusesAFault) {
    folder.Write("US/Practice.txt", "A fine line.\n" + std::string(81, 'a') + "\n");
    CourseCheckResult result = CheckCourseFolder(folder.File("US"));
    EXPECT_TRUE(result.faults.empty()) << result.faults.front();
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_THAT(result.notes[0], HasSubstr("Practice.txt line 2 has 81 characters: the drill wraps it"));

    folder.Write("US/Practice.txt", "A fine line.\n" + std::string(kLongestCourseTextLine, 'a') + "\n" +
                                        std::string(kLongestCourseTextLine + 1, 'a') + "\n");
    result = CheckCourseFolder(folder.File("US"));
    ASSERT_EQ(result.faults.size(), 1u);
    EXPECT_EQ(result.faults[0],
              "Practice.txt line 3 has 1001 characters, more than the 1000 a line may have: "
              "the program refuses the whole file, and the drills that read it do not open");
    EXPECT_EQ(result.notes.size(), 1u) << "the longest line read is only a remark";
}

TEST_F(CourseCheckTest, ChecksLinesAsTheDrillsShowThemAndNamesTabsAndOtherSpaces) {
    folder.Write("US/Practice.txt", "\tA fine line.\t\r\nA fine\tline.\nCaf\xC3\xA9\xC2\xA0!\n");
    folder.Write("US/Game.txt", "ask \xE2\x80\xAF dad\n");
    std::string all;
    for (const std::string& fault : Faults()) all += fault + "\n";
    EXPECT_EQ(all,
              "Practice.txt line 3: no key of layout.zqt types 'é'\n"
              "Practice.txt line 3: no key of layout.zqt types the no-break space (U+00A0)\n"
              "Game.txt line 1: the narrow no-break space (U+202F) is not in code page 1252 (the program "
              "shows \"?\")\n");

    // The same template without its row for the tab.
    testing::FakeKeyPainter painter;
    KeyboardDescription description = DescribeTemplate(folder.File("US/layout.zqt"), painter);
    std::erase_if(description.chars, [](const DescribedChar& ch) { return ch.code == '\t'; });
    BuildTemplate(description, folder.File("US/layout.zqt"), painter, [](const std::string&) {});
    folder.Write("US/Practice.txt", "\tA fine line.\t\nA fine\tline.\n");
    folder.Write("US/Game.txt", "ask dad\n");
    EXPECT_EQ(OnlyFault(), "Practice.txt line 2: no key of layout.zqt types the tab\n");
}

TEST_F(CourseCheckTest, FindsTextsOutsideTheCoursesCodePage) {
    // UTF-8 with a Cyrillic letter; an 8-bit file with a byte code page
    // 1252 leaves undefined.
    folder.Write("US/Game.txt", "ask \xD0\xB4\n");
    EXPECT_NE(OnlyFault().find("Game.txt line 1: 'д' is not in code page 1252"), std::string::npos);
    folder.Write("US/Game.txt", "ask \x81\n");
    const std::vector<std::string> faults = Faults();
    ASSERT_FALSE(faults.empty());
    EXPECT_NE(faults[0].find("Game.txt line 1: the byte 129 means nothing in code page 1252"),
              std::string::npos)
        << faults[0];
}

// A character is told once a line, with how often the line holds it, so
// that one line does not use up the faults told of its kind.
TEST_F(CourseCheckTest, TellsACharacterOnceALineWithItsCount) {
    folder.Write("US/Practice.txt",
                 "\xC4\x85\xC4\x85\xC4\x85 \xC4\x85\xC4\x85 and \xC3\xA9\xC3\xA9 \xC3\xA8\n");
    folder.Write("US/Game.txt", "ask \x81\x81 dad\n");
    std::string all;
    for (const std::string& fault : Faults()) all += fault + "\n";
    EXPECT_EQ(all,
              "Practice.txt line 1: '\xC4\x85' (5 times) is not in code page 1252 (the program shows \"?\")\n"
              "Practice.txt line 1: no key of layout.zqt types '\xC3\xA9' (2 times)\n"
              "Practice.txt line 1: no key of layout.zqt types '\xC3\xA8'\n"
              "Game.txt line 1: the byte 129 (2 times) means nothing in code page 1252\n");
}

// A UTF-8 file with one stray 8-bit byte (a line pasted from an older file):
// where the first such byte is, and how the program reads the file.
TEST_F(CourseCheckTest, SaysWhereAFileWithSomeUtf8IsNotValidUtf8) {
    const std::string text = "A fine line.\r\n\xC3\xA4\xC3\xA4 dad\r\nCaf\xE9 da\xE8\r\n";
    folder.Write("US/Practice.txt", text);
    std::vector<std::string> faults = Faults();
    ASSERT_FALSE(faults.empty());
    EXPECT_EQ(faults[0],
              "Practice.txt is not valid UTF-8 at line 3 (byte 0xE9): it is read in code page "
              "1252, so each of its other accented letters shows as two or three characters");
    // Behind a UTF-8 mark the file is read as UTF-8: its letters stay whole.
    folder.Write("US/Practice.txt", "\xEF\xBB\xBF" + text);
    faults = Faults();
    ASSERT_FALSE(faults.empty());
    EXPECT_EQ(faults[0],
              "Practice.txt is not valid UTF-8 at line 3 (byte 0xE9): the program shows \"?\" for that byte");
    for (const std::string& fault : faults)
        EXPECT_THAT(fault, ::testing::Not(HasSubstr("\xC3\x83"))) << "no 'Ã'";
    folder.Write("US/Practice.txt", "A fine line.\nCaf\xE9 da\n");
    for (const std::string& fault : Faults()) EXPECT_THAT(fault, ::testing::Not(HasSubstr("UTF-8")));
}

// Texts saved as "Unicode" by a Windows editor are checked as the text they
// hold, as the program reads them.
TEST_F(CourseCheckTest, ChecksUtf16TextsAsTheirCharacters) {
    for (const std::string name : {"course.txt", "Practice.txt", "Game.txt"}) {
        std::u16string text;
        for (const char ch : folder.Read("US/" + name)) {
            ASSERT_LT(static_cast<unsigned char>(ch), 0x80) << name << " is not ASCII";
            text += static_cast<char16_t>(ch);
        }
        folder.Write("US/" + name, test::Utf16Bytes(text, name == "Game.txt"));
    }
    EXPECT_EQ(Faults(), std::vector<std::string>{});

    folder.Write("US/Game.txt", test::Utf16Bytes(u"ask \u0434\n"));
    EXPECT_NE(OnlyFault().find("Game.txt line 1: 'д' is not in code page 1252"), std::string::npos);
}

TEST_F(CourseCheckTest, FindsKeysUsedBeforeTheyAreTaught) {
    folder.Write("US/course.txt", "fff jjj fj jf\nfjf ddd kkk\nfd jk dk s\nFjF JfJ\n");
    const std::string fault = OnlyFault();
    EXPECT_NE(fault.find("course.txt line 3 uses the key of 's' before it is taught"), std::string::npos)
        << fault;
    folder.Write("US/course.txt", "fff jjj ddd\n");
    EXPECT_NE(OnlyFault().find("course.txt line 1 brings 3 new keys at once"), std::string::npos);
}

TEST_F(CourseCheckTest, ReadsTheCodePageCourseIniNames) {
    folder.Write("US/course.ini", "[Course]\nLanguage=ru\n");
    const CourseCheckResult russian = CheckCourseFolder(folder.File("US"));
    EXPECT_EQ(russian.codePage, 1251);
    folder.Write("US/course.ini", "[Course]\nLanguage=ru\nCodePage=1252\n");
    EXPECT_EQ(CheckCourseFolder(folder.File("US")).codePage, 1252);
    std::filesystem::remove(folder / "US/course.ini");
    const CourseCheckResult none = CheckCourseFolder(folder.File("US"));
    EXPECT_EQ(none.codePage, 1252);
    ASSERT_EQ(none.notes.size(), 1u);
    EXPECT_THAT(none.notes[0], HasSubstr("there is no course.ini"));
    folder.Write("US/course.ini", "[Course]\nLayout=us\n");
    const CourseCheckResult neither = CheckCourseFolder(folder.File("US"));
    ASSERT_EQ(neither.notes.size(), 1u);
    EXPECT_THAT(neither.notes[0], HasSubstr("names neither a code page nor a language"));
}

// A language the program cannot use is told with what to write instead.
TEST_F(CourseCheckTest, TellsALanguageValueItCannotUseWithWhatToWrite) {
    folder.Write("US/course.ini", "[Course]\nLanguage=pl_PL\n");
    CourseCheckResult result = CheckCourseFolder(folder.File("US"));
    EXPECT_EQ(result.codePage, 1250);
    EXPECT_TRUE(result.notes.empty()) << result.notes.front();

    folder.Write("US/course.ini", "[Course]\nLanguage=Polish\n");
    result = CheckCourseFolder(folder.File("US"));
    EXPECT_EQ(result.codePage, 1252);
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_THAT(result.notes[0], HasSubstr("Language=Polish is no language code the program reads: write a "
                                           "two-letter language code such as pl"));
    folder.Write("US/Practice.txt", "\xC5\x82\xC4\x85ka\n");
    EXPECT_EQ(CheckCourseFolder(folder.File("US")).notes.size(), 1u) << "what to write is said once";
    folder.Write("US/course.ini", "[Course]\nLanguage=pol\n");
    result = CheckCourseFolder(folder.File("US"));
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_THAT(result.notes[0], HasSubstr("Language=pol is no language code the program reads: write pl"));
}

// Without course.ini the texts are read in the code page of the windows'
// language: letters that page lacks, or a template made for another page,
// bring the lines to write in course.ini.
TEST_F(CourseCheckTest, SaysToNameTheLanguageWhenTheTextsNeedAnotherCodePage) {
    std::filesystem::remove(folder / "US/course.ini");
    folder.Write("US/Practice.txt", "\xC5\x82\xC4\x85ka\n");
    CourseCheckResult result = CheckCourseFolder(folder.File("US"));
    ASSERT_EQ(result.notes.size(), 2u);
    EXPECT_THAT(result.notes[0], HasSubstr("there is no course.ini"));
    EXPECT_THAT(result.notes[1], HasSubstr("write in course.ini the two lines [Course] and Language="));

    TempFolder polish;
    testing::FakeKeyPainter painter;
    CourseMaker maker(ReadLayoutRegistry(), painter);
    CourseRequest request;
    request.layout = "pl";
    request.folder = polish.File("Polski");
    request.useDictionary = false;
    ASSERT_EQ(maker.Make(request).outcome, CourseOutcome::Made);
    EXPECT_TRUE(CheckCourseFolder(polish.File("Polski")).faults.empty());
    std::filesystem::remove(polish / "Polski/course.ini");
    result = CheckCourseFolder(polish.File("Polski"));
    ASSERT_FALSE(result.faults.empty());
    EXPECT_THAT(result.faults[0], HasSubstr("layout.zqt was made for code page 1250, but the texts are read "
                                            "in code page 1252"));
    ASSERT_EQ(result.notes.size(), 2u);
    EXPECT_THAT(result.notes[1], HasSubstr("Language="));
}

// The summary counts the faults found: a line that counts many of a kind
// is not one fault, and one fault is "1 fault".
TEST_F(CourseCheckTest, ManyFaultsOfAKindAreCountedAndTheSummaryCountsEachFault) {
    std::string lines;
    for (int i = 0; i < 25; ++i) lines += "\xC3\xA9\n";
    folder.Write("US/Practice.txt", lines);
    CourseCheckResult result = CheckCourseFolder(folder.File("US"));
    ASSERT_EQ(result.faults.size(), 11u);
    EXPECT_NE(result.faults.back().find("15 more like these"), std::string::npos) << result.faults.back();
    EXPECT_EQ(result.faultCount, 25u);
    EXPECT_EQ(CheckSummary(result), "25 faults (10 told one by one)");

    folder.Write("US/Practice.txt",
                 lines + "\xC3\xA8\n" + std::string(kLongestCourseTextLine + 1, 'a') + "\n");
    result = CheckCourseFolder(folder.File("US"));
    EXPECT_EQ(result.faultCount, 27u);
    EXPECT_EQ(CheckSummary(result), "27 faults (11 told one by one)");

    folder.Write("US/Practice.txt", "\xC3\xA9\n");
    result = CheckCourseFolder(folder.File("US"));
    EXPECT_EQ(CheckSummary(result), "1 fault");
    folder.Write("US/Practice.txt", "\xC3\xA9\n\xC3\xA8\n");
    EXPECT_EQ(CheckSummary(CheckCourseFolder(folder.File("US"))), "2 faults");
    EXPECT_EQ(CheckSummary(CheckCourseFolder(made_->File("US"))), "no faults");
}

// The game drops each word whole: a word wider than the playing area is a
// fault, one as long as the game shows is none.
TEST_F(CourseCheckTest, FindsGameWordsTooLongForTheGame) {
    const std::string longest(kLongestGameWord, 'a');
    folder.Write("US/Game.txt",
                 "ask " + longest + " dad\n\nsad " + longest + "s lad\n" + std::string(300, 'f') + "\n");
    const std::vector<std::string> faults = Faults();
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_NE(faults[0].find("Game.txt line 3: the word \"aaaa"), std::string::npos) << faults[0];
    EXPECT_NE(faults[0].find(std::to_string(kLongestGameWord + 1) +
                             " characters; the game shows words of "
                             "at most " +
                             std::to_string(kLongestGameWord)),
              std::string::npos)
        << faults[0];
    EXPECT_NE(faults[1].find("Game.txt line 4: the word \"ffff"), std::string::npos) << faults[1];
    EXPECT_NE(faults[1].find("has 300 characters"), std::string::npos) << faults[1];
}

// Only an empty line ends a group of the game's words: a line that looks
// empty but holds spaces or tabs joins two groups.
TEST_F(CourseCheckTest, WarnsOfAGameLineOfOnlySpacesOrTabs) {
    folder.Write("US/Game.txt", "ask dad\n   \nsad lad\n\t \n\nfall\n");
    const CourseCheckResult result = CheckCourseFolder(folder.File("US"));
    EXPECT_TRUE(result.faults.empty()) << result.faults.front();
    ASSERT_EQ(result.notes.size(), 2u);
    EXPECT_EQ(result.notes[0],
              "Game.txt line 2 holds only spaces or tabs: it does not separate groups (an empty line does)");
    EXPECT_EQ(
        result.notes[1],
        "Game.txt line 4 holds only spaces or tabs: it does not separate groups (an empty line does), and "
        "the game takes its tabs for a word to type");
}

// Words a learner could not read aloud: in Thai a mark that begins a group
// or is drilled on nothing, in Hebrew a final letter inside a word; a mark is
// taught on a letter ("ด่ ด่ ด่").
TEST(CourseCheckOfMarksAndFinalForms, FindsGroupsThatCannotBeReadAndAcceptsAMarkDrilledOnALetter) {
    TempFolder folder;
    testing::FakeKeyPainter painter;
    CourseMaker maker(ReadLayoutRegistry(), painter);
    for (const auto& [layout, name] : {std::pair("th", "Thai"), std::pair("il", "Hebrew")}) {
        CourseRequest request;
        request.layout = layout;
        request.folder = folder.File(name);
        request.useDictionary = false;
        ASSERT_EQ(maker.Make(request).outcome, CourseOutcome::Made) << layout;
    }
    folder.Write("Thai/course.txt", "ดดด ด่ ด่ ด่ ดด่ ด่ด\n");
    EXPECT_TRUE(CheckCourseFolder(folder.File("Thai")).faults.empty());

    folder.Write("Thai/course.txt", "ดดด ่่่ ดด\nด่ ่ด\n");
    std::string all;
    for (const std::string& fault : CheckCourseFolder(folder.File("Thai")).faults) all += fault + "\n";
    EXPECT_THAT(all, HasSubstr("course.txt line 1: \"่่่\" begins with the combining mark '่'"));
    EXPECT_THAT(all, HasSubstr("course.txt line 2: \"่ด\" begins with the combining mark '่'"));
    EXPECT_THAT(all, HasSubstr("course.txt line 1 uses the key of '่' before it is taught"))
        << "marks on nothing are no drill of their key";

    folder.Write("Hebrew/Game.txt", "שלום דךשן\n");
    all.clear();
    for (const std::string& fault : CheckCourseFolder(folder.File("Hebrew")).faults) all += fault + "\n";
    EXPECT_THAT(all, HasSubstr("Game.txt line 1: \"דךשן\" has the final form 'ך' before the letter 'ש'"));
}

}  // namespace
}  // namespace zq
