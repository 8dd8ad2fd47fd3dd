#include "drills/TFmCoursePrac.h"

#include <gtest/gtest.h>

#include "DrillFakes.h"
#include "DrillFiles.h"
#include "base/TextFile.h"
#include "drills/CourseLines.h"

namespace zq {
namespace {

using Messages = std::vector<std::string>;

class CoursePracTest : public ::testing::Test {
protected:
    CoursePracTest() : drill(world.view, world.view, world.watch, world.Guidance()) { drill.FormCreate(); }

    // Practises a "course.txt" of `content` from line `position`.
    void Load(std::string_view content, std::int32_t position = 0) {
        auto course =
            std::make_unique<CourseLines>(ReadTextLines(files.Write("course.txt", content)), position);
        drill.Practise(*course);
        lines = std::move(course);
    }
    void KeyDown(int virtualKey) { drill.InputEditKeyDown(virtualKey); }
    void Press(unsigned char key) {
        drill.InputEditKeyDown(0);
        drill.InputEditKeyPress(key);
    }
    void TypeSample(int wrong = 0) {
        const std::string sample = drill.Sample();
        for (size_t i = 0; i < sample.size(); ++i) Press(static_cast<int>(i) < wrong ? '#' : sample[i]);
        Press(' ');
    }
    void GoTo(std::string answer) {
        world.view.answers.push_back(std::move(answer));
        KeyDown(VK_INSERT);
    }

    testing::DrillSurroundings world;
    testing::DrillFiles files;
    std::unique_ptr<CourseLines> lines;
    TFmCoursePrac drill;
};

TEST_F(CoursePracTest, StartsWithTheHintAndShowsThePositionLabel) {
    EXPECT_EQ(world.view.status,
              "Press the -> key to the next, the <- key to the previous, the Insert key to anywhere.");
    Load("alpha\nbeta\ngamma\n");
    EXPECT_EQ(world.view.positionLabel, "1 / 3");
    EXPECT_EQ(drill.Sample(), "alpha");
    drill.FormShow();
    EXPECT_EQ(world.view.positionLabelColor, 8421504 ^ 0xAAAAAA);
}

TEST_F(CoursePracTest, StepsStopAtBothEndsOfTheCourse) {
    Load("alpha\nbeta\ngamma\n");
    KeyDown(VK_LEFT);
    EXPECT_EQ(world.view.informations, Messages{"Beginning of the course."});
    EXPECT_EQ(drill.Position(), 0);
    KeyDown(VK_DOWN);
    KeyDown(VK_RIGHT);
    EXPECT_EQ(drill.Sample(), "gamma");
    EXPECT_EQ(world.view.positionLabel, "3 / 3");
    KeyDown(VK_RIGHT);
    EXPECT_EQ(world.view.informations.back(), "End of the course.");
    EXPECT_EQ(drill.Position(), 2);
    KeyDown(VK_UP);
    EXPECT_EQ(drill.Sample(), "beta");
}

TEST_F(CoursePracTest, APassedLineMovesOnAndAFailedOneComesAgain) {
    Load("abcdefghijklmnopqrstuvwxyz\nnext\nlast\n");
    TypeSample(2);  // 92 %
    EXPECT_EQ(drill.Position(), 0);
    EXPECT_EQ(drill.Pos(), 1);
    const std::string again = "Accuracy below 95 %: the line comes again.";
    EXPECT_EQ(world.view.status.rfind("Keys/Min: ", 0), 0u) << world.view.status;
    EXPECT_NE(world.view.status.find(again), std::string::npos) << world.view.status;
    TypeSample(1);  // 96 %
    EXPECT_EQ(drill.Position(), 1);
    EXPECT_EQ(world.view.status.find(again), std::string::npos) << world.view.status;
    Press('n');
    Press(kCarriageReturn);  // Enter skips the line
    EXPECT_EQ(drill.Position(), 2);
    EXPECT_EQ(world.view.status, "Line skipped with Enter.") << "not the figures of the line before";
    EXPECT_TRUE(world.view.informations.empty());
    TypeSample();
    EXPECT_EQ(world.view.informations, Messages{"End of the course."});
    EXPECT_EQ(drill.Position(), 2);
    EXPECT_EQ(drill.Sample(), "last");
}

TEST_F(CoursePracTest, EscapeLeavesThePositionWhereItWas) {
    Load("one\ntwo\n", 1);
    Press('t');
    Press(kEscape);
    EXPECT_TRUE(world.view.closed);
    EXPECT_EQ(drill.Position(), 1);
}

TEST_F(CoursePracTest, GoToAnswers) {
    std::string content;
    for (int i = 1; i <= 30; ++i) content += "line " + std::to_string(i) + "\n";
    Load(content, 4);

    KeyDown(VK_INSERT);  // Cancel gives the default: the current line
    EXPECT_EQ(world.view.prompts.back(), "Please input a number to goto somewhere of the course:");
    EXPECT_EQ(drill.Position(), 4);
    GoTo("5");
    EXPECT_EQ(drill.Position(), 4);

    GoTo("12");
    EXPECT_EQ(drill.Position(), 11);
    EXPECT_EQ(drill.Sample(), "line 12");
    GoTo(" +3");
    EXPECT_EQ(drill.Position(), 2);

    for (const char* ignored : {"0", "-3", "31", "12345678901"}) {
        GoTo(ignored);
        EXPECT_EQ(drill.Position(), 2) << ignored;
    }
    EXPECT_TRUE(world.view.informations.empty()) << "numbers outside the course change nothing silently";

    GoTo("00000000201");  // read from its first ten characters: 20
    EXPECT_EQ(drill.Position(), 19);

    for (const char* invalid : {"abc", "", "7x", "3 "}) {
        GoTo(invalid);
        EXPECT_EQ(drill.Position(), 19) << invalid;
    }
    EXPECT_EQ(world.view.informations, Messages(4, "Invalid input."));
}

TEST_F(CoursePracTest, ABlankLineIsCompletedByTheFirstKeyAndTheCourseMovesOn) {
    Load("first\n   \nthird\n", 1);
    EXPECT_EQ(drill.Sample(), "");
    Press('z');
    EXPECT_EQ(drill.Position(), 2);
    EXPECT_EQ(drill.Sample(), "third");
}

TEST_F(CoursePracTest, NavigatingInTheMiddleAbandonsTheLineAndItsTime) {
    Load("alpha\nbeta\n");
    Press('a');
    Press('l');
    world.clock.now += 4000;
    const int clearsBefore = world.view.inputClears;
    KeyDown(VK_RIGHT);
    EXPECT_GT(world.view.inputClears, clearsBefore);
    EXPECT_FALSE(drill.Started());
    EXPECT_FALSE(world.view.markerVisible);
    EXPECT_EQ(drill.Pos(), 1);
    world.clock.now += 1000;
    Press(kCarriageReturn);
    EXPECT_EQ(drill.PracticeTime(), 25) << "the abandoned line adds nothing";
}

TEST_F(CoursePracTest, AStoredPositionOutsideTheFileIsClampedIntoIt) {
    Load("one\ntwo\nthree\n", -4);
    EXPECT_EQ(drill.Position(), 0);
    EXPECT_EQ(drill.Sample(), "one");
    Load("one\ntwo\nthree\n", 57);
    EXPECT_EQ(drill.Position(), 2);
    EXPECT_EQ(world.view.positionLabel, "3 / 3");
}

TEST_F(CoursePracTest, AnEmptyCourseOffersEmptyLinesAndKeepsTheStoredPosition) {
    Load("", 9);
    EXPECT_EQ(drill.Sample(), "");
    EXPECT_EQ(world.view.positionLabel, "0 / 0");
    Press('a');
    KeyDown(VK_RIGHT);
    KeyDown(VK_LEFT);
    EXPECT_EQ(drill.Position(), 9);
    EXPECT_EQ(drill.Sample(), "");
}

TEST_F(CoursePracTest, KeyDownHandlerCancelsOnlyEndHomeAndDelete) {
    Load("one\ntwo\n");
    for (const int key : {VK_END, VK_HOME, VK_DELETE}) EXPECT_TRUE(drill.InputEditKeyDown(key)) << key;
    EXPECT_FALSE(drill.InputEditKeyDown(VK_RIGHT));
    EXPECT_EQ(drill.NavMode(), NavigationMode::nmNext);
    EXPECT_FALSE(drill.InputEditKeyDown('A'));
    EXPECT_EQ(drill.NavMode(), NavigationMode::nmNone);
    drill.NextLineBnClick();
    EXPECT_EQ(drill.Position(), 1);
    drill.PreviousLineBnClick();
    EXPECT_EQ(drill.Position(), 0);
}

}  // namespace
}  // namespace zq
