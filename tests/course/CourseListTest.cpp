// The courses of a program, as the profile dialog lists them: those it ships
// and those its users made.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "base/CodePage.h"
#include "base/ProgramPaths.h"
#include "course/CourseList.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kGreek =
    "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC "
    "\xCE\x9C\xCE\xAC\xCE\xB8\xCE\xB7\xCE\xBC\xCE\xB1";  // Ελληνικά Μάθημα

TEST(CourseNames, AreTheSubFoldersOfCoursesInAlphabeticalOrder) {
    TempFolder folder;
    EXPECT_THAT(CourseNames(ProgramPaths(folder.Dir())), IsEmpty());
    for (const char* name : {"Francais", "Deutsch", "English"}) {
        std::filesystem::create_directories(folder / "Courses" / name);
    }
    folder.Write("Courses/readme.txt", "not a course");
    std::filesystem::create_directories(folder / "Courses/.Polish.making-x1Y2z3");
    EXPECT_THAT(CourseNames(ProgramPaths(folder.Dir())), ElementsAre("Deutsch", "English", "Francais"));
}

// Letter case does not order the list: a course written in capitals stands
// among the others of its first letter.
TEST(CourseNames, AreInAlphabeticalOrderWhateverTheirLetterCase) {
    TempFolder folder;
    for (const char* name : {"Magyar", "M-pl", "m-cz", "MALAY", "Lietuviu", "nederlands", "Magyar2"}) {
        std::filesystem::create_directories(folder / "Courses" / name);
    }
    EXPECT_THAT(CourseNames(ProgramPaths(folder.Dir())),
                ElementsAre("Lietuviu", "m-cz", "M-pl", "Magyar", "Magyar2", "MALAY", "nederlands"));
}

// Names are the folders' own, whatever the code page of the windows.
TEST(CourseNames, AreTheFoldersNamesInUtf8) {
    const CodePageInForce english(1252);
    TempFolder folder;
    std::filesystem::create_directories(folder / "Courses" / "Espa\xC3\xB1ol");
    std::filesystem::create_directories(folder / "Courses" / kGreek);
    EXPECT_THAT(CourseNames(ProgramPaths(folder.Dir())), ElementsAre("Espa\xC3\xB1ol", kGreek));
}

TEST(CourseNames, CoursesFolderThatIsAFileGivesNone) {
    TempFolder folder;
    folder.Write("Courses", "not a folder");
    EXPECT_THAT(CourseNames(ProgramPaths(folder.Dir())), IsEmpty());
}

// An installed program: shipped courses in its data folder, made ones in
// the learner's own folder.
class InstalledCourses : public ::testing::Test {
protected:
    static ProgramPaths Install(const TempFolder& program, const TempFolder& personal) {
        std::filesystem::create_directories(program / "bin");
        std::filesystem::create_directories(program / "share/zq-typing-tutor/Courses/English");
        std::filesystem::create_directories(program / "share/zq-typing-tutor/Courses/Deutsch");
        std::filesystem::create_directories(personal / "Courses/Polski");
        std::filesystem::create_directories(personal / "Courses/English");
        return ProgramPaths::Decide(program.Dir() + "bin/", true, personal.Dir());
    }

    TempFolder program;
    TempFolder personal;
    ProgramPaths paths = Install(program, personal);
};

TEST_F(InstalledCourses, ListTheShippedAndTheMadeCoursesEachOnce) {
    ASSERT_TRUE(paths.UsersFilesApart());
    EXPECT_THAT(CourseNames(paths), ElementsAre("Deutsch", "English", "Polski"));
    EXPECT_EQ(MadeCoursesFolder(paths), personal.Dir() + "Courses");
}

TEST_F(InstalledCourses, AreFoundInTheUsersFolderFirstThenInTheDataFolder) {
    EXPECT_EQ(FindCourse(paths, "Polski").Folder(), personal.Dir() + "Courses/Polski/");
    EXPECT_EQ(FindCourse(paths, "English").Folder(), personal.Dir() + "Courses/English/")
        << "a learner's own copy of a shipped course wins";
    EXPECT_EQ(FindCourse(paths, "Deutsch").Folder(), paths.DataFolder() + "Courses/Deutsch/");
    const Course gone = FindCourse(paths, "Klingon");
    EXPECT_FALSE(gone.Exists());
    EXPECT_EQ(gone.Folder(), paths.DataFolder() + "Courses/Klingon/");
    EXPECT_TRUE(FindCourse(paths, "Deutsch").Exists());
    EXPECT_FALSE(FindCourse(paths, "").Exists()) << "no course named is no course";
}

TEST(CoursesFolder, IsCoursesInTheGivenFolder) {
    EXPECT_EQ(CoursesFolder("/opt/zq/"), "/opt/zq/Courses");
    EXPECT_EQ(MadeCoursesFolder(ProgramPaths("/opt/zq/")), "/opt/zq/Courses");
}

}  // namespace
}  // namespace zq
