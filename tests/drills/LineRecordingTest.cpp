// What a drill hands over of every completed line: its figures and the
// counts of its keys, kept while the line is typed.
#include <gtest/gtest.h>

#include "DrillFakes.h"
#include "DrillFiles.h"
#include "base/TextFile.h"
#include "drills/CourseLines.h"
#include "drills/LineKeyCounts.h"
#include "drills/TFmCoursePrac.h"
#include "drills/TFmLinePractice.h"

namespace zq {
namespace {

using testing::DrillSurroundings;

TEST(LineKeyCountsTest, RightStrokesAreTimedFromTheKeyBeforeAndWrongOnesAreNot) {
    LineKeyCounts counts;
    counts.Right('a', 1000);  // the first key of a line has no time
    counts.Wrong('b', 'v', 1300);
    counts.OtherKey(1500);  // Backspace
    counts.Right('b', 1750);
    counts.Right('a', 2000);

    EXPECT_EQ(counts.Of('a').typed, 2u);
    EXPECT_EQ(counts.Of('a').wrong, 0u);
    EXPECT_EQ(counts.Of('a').timedKeys, 1u);
    EXPECT_EQ(counts.Of('a').timeMs, 250);
    EXPECT_EQ(counts.Of('b').typed, 2u);
    EXPECT_EQ(counts.Of('b').wrong, 1u);
    EXPECT_EQ(counts.Of('b').timedKeys, 1u);
    EXPECT_EQ(counts.Of('b').timeMs, 250);  // from the Backspace
    ASSERT_EQ(counts.Confusions().size(), 1u);
    EXPECT_EQ(counts.Confusions()[0].expected, 'b');
    EXPECT_EQ(counts.Confusions()[0].typed, 'v');

    counts.Clear();
    EXPECT_EQ(counts.Of('a').typed, 0u);
    EXPECT_EQ(counts.Of('b').timeMs, 0);
    EXPECT_TRUE(counts.Confusions().empty());
    counts.Right('a', 5000);
    EXPECT_EQ(counts.Of('a').timedKeys, 0u) << "a new line starts without a key before";
}

TEST(LineKeyCountsTest, KeysTypedOneRightAfterTheOtherAreCountedAsPairs) {
    LineKeyCounts counts;
    counts.Right('t', 1000);
    counts.Right('h', 1200);
    counts.Wrong('e', 'r', 1500);
    counts.OtherKey(1600);  // Backspace: the 'e' typed again starts no pair
    counts.Right('e', 1800);
    counts.Right(' ', 2000);
    counts.Right('t', 2100);
    counts.Right('h', 2400);

    const auto& pairs = counts.Pairs();
    ASSERT_EQ(pairs.size(), 4u);
    const auto pairOf = [&](unsigned char first, unsigned char second) {
        for (const LineKeyCounts::Pair& pair : pairs)
            if (pair.first == first && pair.second == second) return pair.count;
        ADD_FAILURE() << "no pair " << first << second;
        return LineKeyCounts::Count{};
    };
    EXPECT_EQ(pairs[0].first, 't') << "in the order first typed";
    EXPECT_EQ(pairs[0].second, 'h');
    EXPECT_EQ(pairOf('t', 'h').typed, 2u);
    EXPECT_EQ(pairOf('t', 'h').timedKeys, 2u);
    EXPECT_EQ(pairOf('t', 'h').timeMs, 500);
    EXPECT_EQ(pairOf('h', 'e').typed, 1u);
    EXPECT_EQ(pairOf('h', 'e').wrong, 1u);
    EXPECT_EQ(pairOf('h', 'e').timedKeys, 0u) << "a wrong stroke has no time";
    EXPECT_EQ(pairOf('e', ' ').timeMs, 200);
    EXPECT_EQ(pairOf(' ', 't').timeMs, 100);

    counts.Clear();
    EXPECT_TRUE(counts.Pairs().empty());
    counts.Right('h', 5000);
    EXPECT_TRUE(counts.Pairs().empty()) << "a new line starts without a key before";
    counts.Right('t', 5100);
    counts.Right('h', 5300);
    ASSERT_EQ(counts.Pairs().size(), 2u);
    EXPECT_EQ(counts.Pairs()[1].count.typed, 1u) << "counted afresh after Clear";
    EXPECT_EQ(counts.Pairs()[1].count.timeMs, 200);
}

// Keeps what it is handed, counts included.
struct RecordedLine {
    std::string sample;
    std::int32_t characters, errors, lineTimeMs, courseLine;
    std::int64_t keysPerMinute, accuracy, wordsPerMinute;
    LineKeyCounts::Count a, b, space;
    std::vector<LineKeyCounts::Confusion> confusions;
    std::vector<LineKeyCounts::Pair> pairs;
};

struct FakeRecorder : LineRecorder {
    std::vector<RecordedLine> lines;
    void RecordLine(const CompletedLine& line) override {
        lines.push_back({line.sample, line.characters, line.errors, line.lineTimeMs, line.courseLine,
                         line.keysPerMinute, line.accuracy, line.wordsPerMinute, line.keys.Of('a'),
                         line.keys.Of('b'), line.keys.Of(' '), line.keys.Confusions(), line.keys.Pairs()});
    }
};

class RepeatingDrill : public TFmLinePractice {
public:
    using TFmLinePractice::TFmLinePractice;
    void SetLine(std::string text) {
        SetSample(std::move(text));
        SetUpLine();
    }
    void NextLine() override { SetLine(Sample()); }
};

class LineRecordingTest : public ::testing::Test {
protected:
    LineRecordingTest() : drill(world.view, world.watch, world.Guidance()) {
        drill.FormCreate();
        drill.SetRecorder(&recorder);
    }
    // Each key 100 ms after the one before.
    void Type(std::string_view keys) {
        for (const char key : keys) {
            world.clock.now += 100;
            unsigned char code = static_cast<unsigned char>(key);
            drill.InputEditKeyPress(code);
        }
    }

    DrillSurroundings world;
    RepeatingDrill drill;
    FakeRecorder recorder;
};

TEST_F(LineRecordingTest, ACompletedLineIsHandedOverWithItsFiguresAndKeys) {
    drill.SetLine("ab ab");
    Type("ab xb");  // a wrong 'x' where the second 'a' stands
    Type("!");      // completes the line

    ASSERT_EQ(recorder.lines.size(), 1u);
    const RecordedLine& line = recorder.lines[0];
    EXPECT_EQ(line.sample, "ab ab");
    EXPECT_EQ(line.characters, 5);
    EXPECT_EQ(line.errors, 1);
    EXPECT_EQ(line.lineTimeMs, 500);
    EXPECT_EQ(line.keysPerMinute, 600);
    EXPECT_EQ(line.accuracy, 80);
    EXPECT_EQ(line.wordsPerMinute, 240);
    EXPECT_EQ(line.courseLine, -1);
    EXPECT_EQ(line.a.typed, 2u);
    EXPECT_EQ(line.a.wrong, 1u);
    EXPECT_EQ(line.a.timedKeys, 0u) << "the first key has no time and the second was wrong";
    EXPECT_EQ(line.b.timedKeys, 2u);
    EXPECT_EQ(line.b.timeMs, 200);
    EXPECT_EQ(line.space.typed, 1u);
    ASSERT_EQ(line.confusions.size(), 1u);
    EXPECT_EQ(line.confusions[0].typed, 'x');
    // The pairs "ab", "b ", " a": the second "ab" follows a wrong 'a'.
    ASSERT_EQ(line.pairs.size(), 3u);
    EXPECT_EQ(line.pairs[0].count.typed, 2u);
    EXPECT_EQ(line.pairs[0].count.timedKeys, 2u);
    EXPECT_EQ(line.pairs[0].count.timeMs, 200);
    EXPECT_EQ(line.pairs[2].first, ' ');
    EXPECT_EQ(line.pairs[2].count.wrong, 1u);
    EXPECT_EQ(world.view.status.empty(), false) << "the statistics are still shown";
}

TEST_F(LineRecordingTest, EveryLineIsCountedAfresh) {
    drill.SetLine("ab");
    Type("ab!");
    Type("ab!");
    ASSERT_EQ(recorder.lines.size(), 2u);
    EXPECT_EQ(recorder.lines[1].a.typed, 1u);
    EXPECT_EQ(recorder.lines[1].b.timedKeys, 1u);
}

TEST_F(LineRecordingTest, EscapedLinesAndLinesEndedByEnterAreNotHandedOver) {
    drill.SetLine("abc");
    Type("ab\r");
    EXPECT_EQ(drill.Outcome(), LineOutcome::loEnter);
    Type("a\x1b");
    EXPECT_EQ(drill.Outcome(), LineOutcome::loEscaped);
    EXPECT_TRUE(recorder.lines.empty());
    // The line after them starts its counts from nothing.
    Type("abc!");
    ASSERT_EQ(recorder.lines.size(), 1u);
    EXPECT_EQ(recorder.lines[0].a.typed, 1u);
}

TEST_F(LineRecordingTest, AnEmptyLineCompletedByAKeyHandsOverNothing) {
    drill.SetLine("");
    Type("x");
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_TRUE(recorder.lines.empty());
}

TEST_F(LineRecordingTest, ACharacterOutsideTheCodePageIsAWrongKeyTypedAsZero) {
    drill.SetLine("ab");
    drill.InputEditForeignKeyPress();
    Type("b!");
    ASSERT_EQ(recorder.lines.size(), 1u);
    EXPECT_EQ(recorder.lines[0].a.wrong, 1u);
    EXPECT_EQ(recorder.lines[0].confusions.at(0).typed, 0);
}

TEST(CourseLineRecordingTest, TheCourseDrillHandsOverTheLineOfItsFile) {
    DrillSurroundings world;
    testing::DrillFiles files;
    CourseLines lines(ReadTextLines(files.Write("course.txt", "ab\ncd\n")), 1);
    TFmCoursePrac drill(world.view, world.view, world.watch, world.Guidance());
    drill.FormCreate();
    FakeRecorder recorder;
    drill.SetRecorder(&recorder);
    drill.Practise(lines);
    for (const char key : std::string("cd!")) {
        unsigned char code = static_cast<unsigned char>(key);
        drill.InputEditKeyPress(code);
    }
    ASSERT_EQ(recorder.lines.size(), 1u);
    EXPECT_EQ(recorder.lines[0].courseLine, 1);
    EXPECT_EQ(recorder.lines[0].sample, "cd");
}

}  // namespace
}  // namespace zq
