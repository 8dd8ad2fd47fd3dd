// What a drill does with the lines of its source: it begins with the
// source's line, tells the source of every completed line and every line's
// end, and follows the step the source answers.
#include "drills/LineSource.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "DrillFakes.h"
#include "drills/TFmLinePractice.h"

namespace zq {
namespace {

using testing::DrillSurroundings;

// A source that gives its lines in turn and keeps what it is told, as a
// drill that builds each line from the learner's typing would.
class BuildingSource : public LineSource {
public:
    std::vector<std::string> lines;
    LineStep step;  // answered to every end
    std::string announcement;

    struct Heard {
        std::string sample;
        std::int32_t errors;
        std::uint32_t aTyped, aWrong;
    };
    std::vector<Heard> completed;
    std::vector<LineEnd> ends;
    std::vector<std::size_t> completedWhenEnded;

    std::optional<std::string> Line() const override {
        if (lines.empty()) return std::nullopt;
        return lines[std::min(next_, lines.size() - 1)];
    }
    LineStep LineEnded(const LineEnd& end) override {
        ends.push_back(end);
        completedWhenEnded.push_back(completed.size());
        if (!step.sameLine) ++next_;
        return step;
    }
    void LineCompleted(const CompletedLine& line) override {
        completed.push_back({line.sample, line.errors, line.keys.Of('a').typed, line.keys.Of('a').wrong});
    }
    std::string Announcement() const override { return announcement; }

private:
    std::size_t next_ = 0;
};

class LineSourceTest : public ::testing::Test {
protected:
    LineSourceTest() : drill(world.view, world.watch, world.Guidance()) { drill.FormCreate(); }

    void Type(std::string_view keys) {
        for (const char key : keys) {
            world.clock.now += 200;
            unsigned char code = static_cast<unsigned char>(key);
            drill.InputEditKeyPress(code);
        }
    }

    DrillSurroundings world;
    BuildingSource source;
    TFmLinePractice drill;
};

TEST_F(LineSourceTest, TheDrillBeginsWithTheSourcesLineAndItsAnnouncement) {
    world.keyboard.fingers = {{'a', 0}};
    source.lines = {"ab", "cd"};
    source.announcement = "Practising a, b";
    drill.Practise(source);
    EXPECT_EQ(drill.Sample(), "ab");
    EXPECT_EQ(world.view.sample, "ab");
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_EQ(world.view.status, "Practising a, b");
    EXPECT_EQ(world.keyboard.highlighted.back(), 'a');
    EXPECT_EQ(world.leftHand.pointed, 1);
    EXPECT_TRUE(source.ends.empty()) << "beginning ends no line";
}

TEST_F(LineSourceTest, AnEmptyAnnouncementLeavesTheDrillsOwnText) {
    world.view.status = "the drill's hint";
    source.lines = {"ab"};
    drill.Practise(source);
    EXPECT_EQ(world.view.status, "the drill's hint");
}

TEST_F(LineSourceTest, ACompletedLineReachesTheSourceWithItsKeysBeforeItIsAskedForTheNext) {
    source.lines = {"ab", "cd"};
    drill.Practise(source);
    Type("xb!");  // a wrong 'x' where 'a' stands, then the key that completes the line

    ASSERT_EQ(source.completed.size(), 1u);
    EXPECT_EQ(source.completed[0].sample, "ab");
    EXPECT_EQ(source.completed[0].errors, 1);
    EXPECT_EQ(source.completed[0].aTyped, 1u);
    EXPECT_EQ(source.completed[0].aWrong, 1u);
    ASSERT_EQ(source.ends.size(), 1u);
    EXPECT_EQ(source.ends[0].outcome, LineOutcome::loCompleted);
    EXPECT_FALSE(source.ends[0].passed) << "50 % is below the pass accuracy";
    EXPECT_EQ(source.completedWhenEnded[0], 1u);

    EXPECT_EQ(drill.Sample(), "cd");
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_FALSE(drill.Started());
}

TEST_F(LineSourceTest, LinesEndedEarlyOrEscapedReachTheSourceOnlyAsTheirEnd) {
    source.lines = {"abc", "def", "ghi"};
    drill.Practise(source);
    Type("a\r");
    Type("d\x1b");
    EXPECT_TRUE(source.completed.empty());
    ASSERT_EQ(source.ends.size(), 2u);
    EXPECT_EQ(source.ends[0].outcome, LineOutcome::loEnter);
    EXPECT_TRUE(source.ends[0].passed);
    EXPECT_EQ(source.ends[1].outcome, LineOutcome::loEscaped);
    EXPECT_TRUE(world.view.closed);
}

TEST_F(LineSourceTest, ASameLineStepStartsTheLineAgainJudgedAfreshAndSaysWhyWhenItFailed) {
    source.lines = {"abcd", "other"};
    source.step = {.sameLine = true, .belowPassAccuracy = true, .notice = {}};
    drill.Practise(source);
    world.view.sample = "as the window shows it";
    Type("xycd!");
    EXPECT_EQ(drill.Sample(), "abcd");
    EXPECT_EQ(world.view.sample, "as the window shows it") << "the sample is not set again";
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_EQ(std::count(drill.Marks().begin(), drill.Marks().end(), true), 0);
    EXPECT_EQ(world.view.status.rfind("Keys/Min: ", 0), 0u) << world.view.status;
    EXPECT_NE(world.view.status.find("Accuracy below 95 %: the line comes again."), std::string::npos);

    source.step.belowPassAccuracy = false;
    Type("abcd!");
    EXPECT_EQ(drill.Sample(), "abcd");
    EXPECT_EQ(world.view.status.find("comes again"), std::string::npos) << world.view.status;
}

TEST_F(LineSourceTest, ANoticeIsToldBeforeTheNextLine) {
    source.lines = {"ab"};
    source.step.notice = "End of the course.";
    drill.Practise(source);
    EXPECT_TRUE(world.view.informations.empty());
    Type("ab!");
    EXPECT_EQ(world.view.informations, std::vector<std::string>{"End of the course."});
    EXPECT_EQ(drill.Sample(), "ab");
}

TEST_F(LineSourceTest, ASourceWithoutALineLeavesTheDrillWaitingForOne) {
    drill.Practise(source);
    EXPECT_EQ(drill.Pos(), 0);
    EXPECT_TRUE(drill.Sample().empty());
    Type("\x1b");
    EXPECT_EQ(drill.Outcome(), LineOutcome::loNoLine);
    EXPECT_FALSE(world.view.closed) << "Escape closes no drill that waits for its line";
    ASSERT_EQ(source.ends.size(), 1u);
    EXPECT_EQ(source.ends[0].outcome, LineOutcome::loNoLine);

    source.lines = {"xy"};  // the source has a line now: the next end brings it
    Type("q");
    EXPECT_EQ(drill.Sample(), "xy");
    EXPECT_EQ(drill.Pos(), 1);
}

TEST_F(LineSourceTest, AnEmptyLineIsALineThatAnyKeyCompletes) {
    source.lines = {"", "next"};
    drill.Practise(source);
    EXPECT_EQ(drill.Pos(), 1);
    Type("q");
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_TRUE(source.completed.empty()) << "an empty line has nothing to hand over";
    EXPECT_EQ(drill.Sample(), "next");
}

}  // namespace
}  // namespace zq
