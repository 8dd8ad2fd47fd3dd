// A course of a program folder: where its files lie, and the language and
// code page of its texts.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "base/CodePage.h"
#include "course/Course.h"

namespace zq {
namespace {

using test::TempFolder;

class CourseTest : public ::testing::Test {
protected:
    void SetUp() override { SetSystemCodePage(1252); }
    void TearDown() override { SetSystemCodePage(1252); }

    // A course folder with a "course.ini" of the given text.
    void WriteSettings(const std::string& folderName, const std::string& text) const {
        std::filesystem::create_directories(folder / "Courses" / folderName);
        folder.Write("Courses/" + folderName + "/course.ini", text);
    }

    TempFolder folder;
};

TEST_F(CourseTest, FilesLieInTheCoursesFolderUnderTheirOwnNames) {
    const Course course(folder.Dir(), "English");
    const std::string courseFolder = folder.Dir() + "Courses/English/";
    EXPECT_EQ(course.Name(), "English");
    EXPECT_EQ(course.Folder(), courseFolder);
    EXPECT_EQ(course.CoursePath(), courseFolder + "course.txt");
    EXPECT_EQ(course.PracticePath(), courseFolder + "Practice.txt");
    EXPECT_EQ(course.GamePath(), courseFolder + "Game.txt");
    EXPECT_EQ(course.LayoutPath(), courseFolder + "layout.zqt");
}

// A course's name is its folder's, whatever the code page of the windows:
// a Greek course under English windows opens.
TEST_F(CourseTest, NameIsTheFoldersWhateverTheCodePage) {
    const std::string greek =
        "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC "
        "\xCE\x9C\xCE\xAC\xCE\xB8\xCE\xB7\xCE\xBC\xCE\xB1";  // Ελληνικά Μάθημα
    WriteSettings(greek, "[Course]\nLanguage=el\n");
    const Course course(folder.Dir(), greek);
    EXPECT_EQ(course.Name(), greek);
    EXPECT_EQ(course.GamePath(), folder.Dir() + "Courses/" + greek + "/Game.txt");
    EXPECT_TRUE(course.Exists());
    EXPECT_EQ(course.TextCodePage(), 1253);
    EXPECT_FALSE(Course(folder.Dir(), "Klingon").Exists());
}

TEST_F(CourseTest, LanguageComesFromCourseIniAndChoosesTheCodePage) {
    WriteSettings("Polski", "; the course's own settings\r\n[Course]\r\nLanguage = pl\r\n");
    const Course polish(folder.Dir(), "Polski");
    EXPECT_EQ(polish.Language(), "pl");
    EXPECT_EQ(polish.TextCodePage(), 1250);

    // Sections and keys match without regard to case; the code in any case.
    WriteSettings("Greek", "[course]\nlanguage=EL\n");
    const Course greek(folder.Dir(), "Greek");
    EXPECT_EQ(greek.Language(), "el");
    EXPECT_EQ(greek.TextCodePage(), 1253);
}

// Made courses name their code page; it wins over the language's, which
// (Serbian on a Latin keyboard) may not be the page of their letters.
// The locale form Linux users know names the language it opens with.
TEST_F(CourseTest, ALanguageWrittenAsALocaleNameIsItsLanguage) {
    for (const std::string value : {"pl_PL", "pl-PL", "PL_pl.UTF-8", "pl_PL@euro"}) {
        WriteSettings("Polski", "[Course]\nLanguage=" + value + "\n");
        const Course polish(folder.Dir(), "Polski");
        EXPECT_EQ(polish.Language(), "pl") << value;
        EXPECT_EQ(polish.TextCodePage(), 1250) << value;
    }
}

TEST_F(CourseTest, CodePageOfCourseIniWinsOverTheLanguages) {
    WriteSettings("Srpski", "[Course]\nLanguage=sr\nCodePage=1250\n");
    EXPECT_EQ(Course(folder.Dir(), "Srpski").TextCodePage(), 1250);
    WriteSettings("Hornjoserbsce", "[Course]\nLanguage=hsb\nCodePage=1250\n");
    EXPECT_EQ(Course(folder.Dir(), "Hornjoserbsce").TextCodePage(), 1250);

    // Only the pages a course can be written in count; others are ignored.
    SetSystemCodePage(1251);
    for (const char* page : {"65001", "437", "0", "x", "1259"}) {
        WriteSettings("Odd", std::string("[Course]\nCodePage=") + page + "\n");
        EXPECT_EQ(Course(folder.Dir(), "Odd").TextCodePage(), 1251) << page;
    }
    WriteSettings("OddWithLanguage", "[Course]\nLanguage=el\nCodePage=65001\n");
    EXPECT_EQ(Course(folder.Dir(), "OddWithLanguage").TextCodePage(), 1253);
}

TEST_F(CourseTest, AMadeCourseNamesTheKeyboardLayoutItWasMadeFor) {
    WriteSettings("Colemak", "[Course]\nLanguage=en\nCodePage=1252\nLayout=us(colemak)\n");
    EXPECT_EQ(Course(folder.Dir(), "Colemak").Layout(), "us(colemak)");
    WriteSettings("Plain", "[Course]\nLanguage=en\n");
    EXPECT_EQ(Course(folder.Dir(), "Plain").Layout(), "");
}

TEST_F(CourseTest, LanguageOfNoOtherCodePageIsReadInTheWesternOne) {
    SetSystemCodePage(1251);  // a Russian run
    WriteSettings("Klingon", "[Course]\nLanguage=zz\n");
    const Course course(folder.Dir(), "Klingon");
    EXPECT_EQ(course.Language(), "zz");
    EXPECT_EQ(course.TextCodePage(), 1252);
}

// Without a language the texts are read as they always were: in the code
// page of the program's language.
TEST_F(CourseTest, WithoutALanguageTheCodePageInForceHolds) {
    std::filesystem::create_directories(folder / "Courses/Plain");
    WriteSettings("NoKey", "[Course]\nAuthor=someone\n");
    WriteSettings("OtherSection", "[Layout]\nLanguage=de\n");
    WriteSettings("Empty", "[Course]\nLanguage=\n");
    WriteSettings("NotACode", "[Course]\nLanguage=Deutsch\n");
    WriteSettings("DigitInCode", "[Course]\nLanguage=d1\n");
    WriteSettings("Garbage", std::string("\x00\xFF[[Course\n=\x01", 12));
    SetSystemCodePage(1251);
    for (const char* name :
         {"Missing", "Plain", "NoKey", "OtherSection", "Empty", "NotACode", "DigitInCode", "Garbage"}) {
        const Course course(folder.Dir(), name);
        EXPECT_EQ(course.Language(), "") << name;
        EXPECT_EQ(course.TextCodePage(), 1251) << name;
    }
}

// The code page in force counts when it is asked for, not when the course
// was read: the program's language is set before any course is opened, but
// a course kept for a run must not remember a stale one.
TEST_F(CourseTest, WithoutALanguageFollowsTheCodePageInForce) {
    const Course course(folder.Dir(), "Plain");
    SetSystemCodePage(1250);
    EXPECT_EQ(course.TextCodePage(), 1250);
}

TEST_F(CourseTest, LanguageIsReadWhenTheCourseIsOpened) {
    WriteSettings("Deutsch", "[Course]\nLanguage=de\n");
    const Course course(folder.Dir(), "Deutsch");
    folder.Write("Courses/Deutsch/course.ini", "[Course]\nLanguage=ru\n");
    EXPECT_EQ(course.Language(), "de");
    EXPECT_EQ(Course(folder.Dir(), "Deutsch").Language(), "ru");
}

}  // namespace
}  // namespace zq
