// The courses of a program folder, as the profile dialog lists them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "base/CodePage.h"
#include "course/CourseList.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(CourseNames, AreTheSubFoldersOfCoursesInAlphabeticalOrder) {
    TempFolder folder;
    EXPECT_THAT(CourseNames(folder.Dir()), IsEmpty());
    for (const char* name : {"Francais", "Deutsch", "English"}) {
        std::filesystem::create_directories(folder / "Courses" / name);
    }
    folder.Write("Courses/readme.txt", "not a course");
    EXPECT_THAT(CourseNames(folder.Dir()), ElementsAre("Deutsch", "English", "Francais"));
}

TEST(CourseNames, AreInTheCodePageWhileTheirFoldersAreInUtf8) {
    SetSystemCodePage(1252);
    TempFolder folder;
    std::filesystem::create_directories(folder / "Courses" / "Espa\xC3\xB1ol");
    EXPECT_THAT(CourseNames(folder.Dir()), ElementsAre("Espa\xF1ol"));
}

TEST(CourseNames, CoursesFolderThatIsAFileGivesNone) {
    TempFolder folder;
    folder.Write("Courses", "not a folder");
    EXPECT_THAT(CourseNames(folder.Dir()), IsEmpty());
}

TEST(CoursesFolder, IsCoursesInTheProgramFolder) {
    EXPECT_EQ(CoursesFolder("/opt/zq/"), "/opt/zq/Courses");
}

}  // namespace
}  // namespace zq
