// A course's text files as the drills read them, with a bound on a line.
#include "course/CourseTextFile.h"

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using test::TempFolder;
using Lines = std::vector<std::string>;

TEST(CourseTextFile, LinesAreSplitAsEveryTextFileIs) {
    EXPECT_EQ(CourseTextLines("a\r\nb\rc\nd\n", "course.txt"), (Lines{"a", "b", "c", "d"}));
    EXPECT_TRUE(CourseTextLines("", "course.txt").empty());
}

TEST(CourseTextFile, ALineIsTypedWithoutControlCharactersAndBlanksAtItsEnds) {
    EXPECT_EQ(TrimControlAndBlank("  def  "), "def");
    EXPECT_EQ(TrimControlAndBlank("\t\x01 a b\x1f"), "a b");
    EXPECT_EQ(TrimControlAndBlank(" \t "), "");
    EXPECT_EQ(TrimControlAndBlank("\xe9t\xe9"), "\xe9t\xe9");
}

TEST(CourseTextFile, ALineUpToTheBoundIsKept) {
    const std::string longest(kLongestCourseTextLine, 'a');
    EXPECT_EQ(CourseTextLines("x\n" + longest + "\ny", "course.txt"), (Lines{"x", longest, "y"}));
}

TEST(CourseTextFile, ALongerLineIsRefusedWithItsNumberAndTheFile) {
    const std::string tooLong(kLongestCourseTextLine + 1, 'a');
    try {
        CourseTextLines("one\ntwo\n" + tooLong + "\nfour", "/courses/Mine/course.txt");
        FAIL() << "a line longer than the bound was read";
    } catch (const LibraryError& refused) {
        const std::string message = refused.what();
        EXPECT_NE(message.find("Line 3 "), std::string::npos) << message;
        EXPECT_NE(message.find("/courses/Mine/course.txt"), std::string::npos) << message;
        EXPECT_NE(message.find(std::to_string(kLongestCourseTextLine)), std::string::npos) << message;
    }
}

// Megabytes without a line break, as a damaged or mistaken file holds them:
// refused, not handed to a drill.
TEST(CourseTextFile, AFileOfOneEndlessLineIsRefused) {
    const CodePageInForce english(1252);
    TempFolder folder;
    folder.Write("course.txt", std::string(20 << 20, 'w'));
    EXPECT_THROW(ReadCourseTextLines(folder.File("course.txt"), 1252), LibraryError);
    folder.Write("Practice.txt", "f\xC3\xBCr\nmore\n");
    EXPECT_EQ(ReadCourseTextLines(folder.File("Practice.txt"), 1252), (Lines{"f\xFCr", "more"}));
}

}  // namespace
}  // namespace zq
