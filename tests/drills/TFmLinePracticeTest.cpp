#include "drills/TFmLinePractice.h"

#include <gtest/gtest.h>

#include "DrillFakes.h"

namespace zq {
namespace {

using testing::DrillSurroundings;
using DrillEvents = TFmLinePractice::DrillEvents;

// A drill whose lines and switches the test sets; it records how often it
// was asked for the next one.
class ScriptedDrill : public TFmLinePractice {
public:
    using TFmLinePractice::SetEnterEndsLine;
    using TFmLinePractice::SetUseGuidance;
    using TFmLinePractice::TFmLinePractice;
    int nextLineCalls = 0;

    void SetLine(std::string text) {
        SetSample(std::move(text));
        SetUpLine();
    }
    void NextLine() override { ++nextLineCalls; }
};

class LinePracticeTest : public ::testing::Test {
protected:
    LinePracticeTest() : drill(world.view, world.watch, world.Guidance()) {
        drill.FormCreate();
        drill.SetEvents({.OnLineDone = [this](TFmLinePractice&) { ++linesDone; },
                         .OnWrongKey = [this](TFmLinePractice&) { ++wrongKeys; },
                         .OnReturnExpected = {},
                         .OnLineEnded = {}});
    }

    bool Press(unsigned char key) { return drill.InputEditKeyPress(key); }
    void Type(std::string_view keys) {
        for (const char key : keys) Press(static_cast<unsigned char>(key));
    }
    void Wait(std::int64_t milliseconds) { world.clock.now += milliseconds; }

    // Types a line of `length` characters (words of four letters) whose
    // first `wrong` characters are mistyped; the ending key comes
    // `milliseconds` after the first key.
    void TypeTimedLine(int length, int wrong, std::int64_t milliseconds) {
        std::string line(static_cast<size_t>(length), 'f');
        for (int i = 4; i < length; i += 5) line[static_cast<size_t>(i)] = ' ';
        drill.SetLine(line);
        for (int i = 0; i < length; ++i)
            Press(i < wrong ? 'x' : static_cast<unsigned char>(line[static_cast<size_t>(i)]));
        Wait(milliseconds);
        Press('e');
    }

    DrillSurroundings world;
    ScriptedDrill drill;
    int linesDone = 0;
    int wrongKeys = 0;
};

TEST_F(LinePracticeTest, LineCompletesOnlyOnTheKeyAfterItsLastCharacterWhichIsSwallowed) {
    drill.SetLine("abc");
    EXPECT_TRUE(Press('a'));
    EXPECT_TRUE(drill.Started());
    EXPECT_TRUE(world.view.markerVisible);
    EXPECT_EQ(world.view.insertionColor, RightColor);
    Type("bc");
    EXPECT_EQ(drill.Pos(), 4);
    EXPECT_EQ(linesDone, 0);
    EXPECT_EQ(drill.nextLineCalls, 0);

    unsigned char escape = kEscape;
    EXPECT_FALSE(drill.InputEditKeyPress(escape));
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_EQ(linesDone, 1);
    EXPECT_EQ(drill.nextLineCalls, 1);
    EXPECT_FALSE(world.view.closed) << "Escape after the last character only completes the line";
    EXPECT_FALSE(drill.Started());
    EXPECT_FALSE(world.view.markerVisible);
    EXPECT_EQ(drill.Errors(), 0);
}

TEST_F(LinePracticeTest, WrongCharacterIsCountedAndRetypingAfterBackspaceMakesItRight) {
    drill.SetLine("abc");
    EXPECT_TRUE(Press('x'));
    EXPECT_EQ(wrongKeys, 1);
    EXPECT_EQ(world.view.insertionColor, WrongColor);
    EXPECT_TRUE(drill.Started()) << "a wrong first key starts the line too";
    EXPECT_EQ(drill.Pos(), 2);
    EXPECT_TRUE(Press(kBackspace));
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_EQ(world.keyboard.highlighted.back(), 'a');
    Type("abcz");
    EXPECT_EQ(drill.Errors(), 0);
    EXPECT_EQ(linesDone, 1);

    drill.SetLine("abc");
    Type("axcz");
    EXPECT_EQ(drill.Errors(), 1);
}

TEST_F(LinePracticeTest, BackspaceAtTheStartStaysAndOverALineBreakStepsBackOverBoth) {
    drill.SetEnterEndsLine(false);
    drill.SetLine("ab\r\ncd");
    EXPECT_TRUE(Press(kBackspace));
    EXPECT_EQ(drill.Pos(), 1);
    Type("ab\r");
    EXPECT_EQ(drill.Pos(), 5) << "Enter typed where CR LF stands takes both";
    EXPECT_TRUE(drill.Marks()[3]);
    EXPECT_TRUE(drill.Marks()[4]);
    Press(kBackspace);
    EXPECT_EQ(drill.Pos(), 3);
    EXPECT_EQ(world.keyboard.highlighted.back(), kCarriageReturn);
}

TEST_F(LinePracticeTest, AtALineBreakSpaceIsTheBreakAndOtherCharactersAreIgnored) {
    drill.SetLine("a\r\nb");
    Press('a');
    const auto highlightsBefore = world.keyboard.highlighted.size();

    unsigned char other = 'q';
    EXPECT_FALSE(drill.InputEditKeyPress(other));
    EXPECT_EQ(drill.Pos(), 2);
    EXPECT_EQ(wrongKeys, 0);

    unsigned char space = kSpace;
    EXPECT_TRUE(drill.InputEditKeyPress(space));
    EXPECT_EQ(space, kCarriageReturn) << "the input box receives a line break";
    EXPECT_EQ(drill.Pos(), 4);
    EXPECT_TRUE(drill.Marks()[2] && drill.Marks()[3]);
    EXPECT_EQ(world.keyboard.highlighted.size(), highlightsBefore) << "no guidance call for the break";

    Type("bz");
    EXPECT_EQ(drill.Errors(), 0);
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
}

TEST_F(LinePracticeTest, EnterWithoutEnterEndsLineIsNotJudged) {
    drill.SetEnterEndsLine(false);
    drill.SetLine("abc");
    Press('a');
    EXPECT_TRUE(Press(kCarriageReturn));
    EXPECT_EQ(drill.Pos(), 2);
    EXPECT_EQ(wrongKeys, 0);
    EXPECT_EQ(drill.nextLineCalls, 0);
}

TEST_F(LinePracticeTest, EnterInTheMiddleEndsTheLineWithItsTimeButNoStatistics) {
    drill.SetLine("abcd");
    Press('a');
    Wait(800);
    EXPECT_FALSE(Press(kCarriageReturn));
    EXPECT_EQ(drill.Outcome(), LineOutcome::loEnter);
    EXPECT_EQ(drill.LineTime(), 800);
    EXPECT_EQ(drill.PracticeTime(), 800);
    EXPECT_EQ(drill.Errors(), 3) << "positions never reached count as errors";
    EXPECT_EQ(linesDone, 0);
    EXPECT_EQ(world.view.status, "Line skipped with Enter.") << "not the figures of the line before";
    EXPECT_EQ(drill.nextLineCalls, 1);
}

TEST_F(LinePracticeTest, TypedCharactersTakeTheRightAndWrongColoursTheOwnerGives) {
    const std::int32_t white = 0xFFFFFF;
    const std::int32_t lightRed = 0x8080FF;
    drill.SetTypedColors(white, lightRed);
    drill.SetLine("abc");
    Press('a');
    EXPECT_EQ(world.view.insertionColor, white);
    Press('x');
    EXPECT_EQ(world.view.insertionColor, lightRed);
    EXPECT_NE(RightColor, white) << "not the colours a drill has by itself";
}

// A tab is a character like any other: right where the sample holds one.
// A wrong one reaches the input box as one blank, so that the typed line
// stays in line with the sample above it (a tab would jump to a tab stop).
TEST_F(LinePracticeTest, TabIsRightWhereTheSampleHasOneAndAWrongTabTakesOneCharacter) {
    drill.SetLine("a\tb");
    Type("a");
    unsigned char tab = '\t';
    EXPECT_TRUE(drill.InputEditKeyPress(tab));
    EXPECT_EQ(tab, '\t');
    EXPECT_EQ(world.view.insertionColor, RightColor);
    EXPECT_EQ(wrongKeys, 0);

    drill.SetLine("abc");
    Type("a");
    tab = '\t';
    EXPECT_TRUE(drill.InputEditKeyPress(tab));
    EXPECT_EQ(tab, kSpace) << "the box receives one character for one position";
    EXPECT_EQ(world.view.insertionColor, WrongColor);
    EXPECT_EQ(wrongKeys, 1);
    EXPECT_EQ(drill.Pos(), 3);
    EXPECT_FALSE(drill.Marks()[2]);
}

TEST_F(LinePracticeTest, EscapeInTheMiddleClosesAndKeepsTheTimeButNotTheErrors) {
    drill.SetLine("ab");
    Type("xyz");  // completes with 2 errors
    ASSERT_EQ(drill.Errors(), 2);
    const std::string judged = world.view.status;
    ASSERT_NE(judged.find("Accuracy: 0%"), std::string::npos) << judged;
    drill.SetLine("abcd");
    Press('a');
    Wait(1234);
    Press(kEscape);
    EXPECT_TRUE(world.view.closed);
    EXPECT_EQ(drill.Outcome(), LineOutcome::loEscaped);
    EXPECT_EQ(world.view.status, judged) << "the errors judged are still those of the line before";
    EXPECT_EQ(drill.PracticeTime(), 25 + 1234);
    EXPECT_EQ(drill.nextLineCalls, 2);
}

// The owner keeps what a line brought (its time, where the source has got
// to) as soon as it ends, however it ends.
TEST_F(LinePracticeTest, EveryEndedLineIsToldAfterTheSourceMovedOnWithItsTimeCounted) {
    std::vector<std::pair<int, std::int32_t>> told;  // next-line calls and practice time, when told
    DrillEvents events = drill.Events();
    events.OnLineEnded = [&](TFmLinePractice& sender) {
        told.emplace_back(drill.nextLineCalls, sender.PracticeTime());
    };
    drill.SetEvents(events);

    drill.SetLine("ab");
    Press('a');
    Wait(500);
    Type("b ");  // completed
    drill.SetLine("abcd");
    Press('a');
    Wait(300);
    Press(kCarriageReturn);  // ended early
    drill.SetLine("abcd");
    Press('a');
    Wait(200);
    Press(kEscape);  // left
    EXPECT_EQ(told, (std::vector<std::pair<int, std::int32_t>>{{1, 500}, {2, 800}, {3, 1000}}));
}

TEST_F(LinePracticeTest, EscapeThatCompletesALineCountsTheErrorsOfThatLine) {
    drill.SetLine("ab");
    Type("xyz");  // completes with 2 errors
    ASSERT_EQ(drill.Errors(), 2);

    drill.SetLine("abcd");
    Type("abcd");
    Wait(10000);
    Press(kEscape);
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_EQ(drill.Errors(), 0) << "the statistics are those of the line just typed";
    EXPECT_EQ(world.view.status, "Keys/Min: 24   Accuracy: 100%   WPM: 6");
    EXPECT_TRUE(drill.LinePassed());

    drill.SetLine("abcd");
    Type("xxcd");
    Press(kEscape);
    EXPECT_EQ(drill.Errors(), 2);
    EXPECT_FALSE(drill.LinePassed());
}

TEST_F(LinePracticeTest, EnterOrEscapeBeforeTheFirstCharacterAddsTheFloorTime) {
    drill.SetLine("abc");
    Wait(5000);
    Press(kCarriageReturn);
    EXPECT_EQ(drill.LineTime(), 25);
    drill.SetLine("abc");
    Press(kEscape);
    EXPECT_EQ(drill.PracticeTime(), 50);
}

TEST_F(LinePracticeTest, WithoutAnyLineEveryKeyIsSwallowedAndEscapeDoesNotClose) {
    for (const unsigned char key : {static_cast<unsigned char>('a'), kEscape, kCarriageReturn}) {
        unsigned char pressed = key;
        EXPECT_FALSE(drill.InputEditKeyPress(pressed));
        EXPECT_EQ(drill.Outcome(), LineOutcome::loNoLine);
    }
    EXPECT_FALSE(world.view.closed);
    EXPECT_EQ(drill.nextLineCalls, 3);
    EXPECT_EQ(linesDone, 0);
}

TEST_F(LinePracticeTest, EmptySampleIsCompletedByAnyKeyWithoutStatistics) {
    drill.SetLine("");
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_FALSE(Press('q'));
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_EQ(linesDone, 1);
    EXPECT_TRUE(world.view.status.empty());
    EXPECT_TRUE(drill.LinePassed());
}

TEST_F(LinePracticeTest, StatisticsOfTheWorkedExample) {
    TypeTimedLine(30, 2, 12000);
    EXPECT_EQ(drill.WordCount(), 6);
    EXPECT_EQ(world.view.status, "Keys/Min: 150   Accuracy: 93%   WPM: 30");
    EXPECT_FALSE(drill.LinePassed());
    EXPECT_TRUE(world.view.warnings.empty());
}

TEST_F(LinePracticeTest, SpeedWarningAboveSevenHundredKeysPerMinute) {
    TypeTimedLine(30, 0, 2567);
    EXPECT_EQ(drill.LineTime(), 2567);
    ASSERT_EQ(world.view.warnings.size(), 1u);
    EXPECT_EQ(world.view.warnings[0], "Can you really type so fast?  Do be patient.");
    EXPECT_NE(world.view.status.find("Keys/Min: 701 "), std::string::npos);

    TypeTimedLine(30, 0, 2568);
    EXPECT_EQ(world.view.warnings.size(), 1u);
    EXPECT_NE(world.view.status.find("Keys/Min: 700 "), std::string::npos);
}

TEST_F(LinePracticeTest, AccuracyOfNinetyFivePassesAndNinetyFourDoesNot) {
    TypeTimedLine(20, 1, 10000);
    EXPECT_NE(world.view.status.find("Accuracy: 95%"), std::string::npos);
    EXPECT_TRUE(drill.LinePassed());
    TypeTimedLine(17, 1, 10000);
    EXPECT_NE(world.view.status.find("Accuracy: 94%"), std::string::npos);
    EXPECT_FALSE(drill.LinePassed());
}

TEST_F(LinePracticeTest, PopupAtEndRepeatsTheStatisticsInAnInformationBox) {
    drill.SetPopupAtEnd(true);
    TypeTimedLine(10, 0, 6000);
    ASSERT_EQ(world.view.informations.size(), 1u);
    EXPECT_EQ(world.view.informations[0], world.view.status);
}

TEST(DrillStatisticsTest, LongTextsDoNotOverflow) {
    const DrillStatistics statistics = ComputeStatistics(100000, 1000, 20000, 600000);
    EXPECT_EQ(statistics.keysPerMinute, 10000);
    EXPECT_EQ(statistics.accuracy, 99);
    EXPECT_EQ(statistics.wordsPerMinute, 2000);
}

TEST(WordCountTest, RunsOfNonSpaces) {
    EXPECT_EQ(CountWords(""), 0);
    EXPECT_EQ(CountWords("   "), 0);
    EXPECT_EQ(CountWords(" one  two\tthree, four "), 3) << "a tab joins two words";
    EXPECT_EQ(CountWords("a.b-c"), 1);
}

TEST_F(LinePracticeTest, NextCharacterIsHighlightedOnlyWhenWanted) {
    drill.SetLine("abc");
    Press('a');
    EXPECT_EQ(world.view.selectionLength, 0);
    drill.SetHighLight(true);
    Press('b');
    EXPECT_EQ(world.view.selectionStart, 2);
    EXPECT_EQ(world.view.selectionLength, 1);
}

TEST_F(LinePracticeTest, FingersAreRoutedToTheirHand) {
    struct Case {
        int finger, left, right;
    };
    for (const Case c : {Case{0, 1, 0}, Case{4, 5, 0}, Case{5, 0, 5}, Case{9, 0, 1}, Case{3, 4, 0},
                         Case{10, 0, 0}, Case{-1, 0, 0}}) {
        world.leftHand.pointed = world.rightHand.pointed = 7;
        drill.ShowFinger(c.finger);
        EXPECT_EQ(world.leftHand.pointed, c.left) << "finger " << c.finger;
        EXPECT_EQ(world.rightHand.pointed, c.right) << "finger " << c.finger;
    }
    drill.SetUseGuidance(false);
    drill.ShowFinger(2);
    EXPECT_EQ(world.leftHand.pointed, 0);
}

TEST_F(LinePracticeTest, TheNextKeyIsLitAndItsFingerPointedAt) {
    world.keyboard.fingers = {{'f', 3}, {'j', 6}};
    drill.SetLine("fj");
    Press('f');
    EXPECT_EQ(world.keyboard.highlighted.back(), 'j');
    EXPECT_EQ(world.rightHand.pointed, 4);
    EXPECT_EQ(world.leftHand.pointed, 0);
    Press('j');
    EXPECT_EQ(world.keyboard.highlighted.back(), 0) << "past the end nothing is lit";
}

TEST_F(LinePracticeTest, ShowGuidancePlacesKeyboardAndHandsBelowTheWindow) {
    drill.SetLine("k");
    drill.FormShow();
    EXPECT_EQ(world.keyboard.frame.top, 128 + 260 + 10);
    EXPECT_EQ(world.keyboard.frame.left, 64 + (1152 - 600) / 2);
    EXPECT_EQ(world.leftHand.frame.left, world.keyboard.frame.left - 150 - 5);
    EXPECT_EQ(world.rightHand.frame.left, world.keyboard.frame.left + 600 + 5);
    EXPECT_EQ(world.leftHand.frame.top, world.keyboard.frame.top);
    EXPECT_TRUE(world.keyboard.shown && world.leftHand.shown && world.rightHand.shown);
    EXPECT_EQ(world.keyboard.highlighted.back(), 'k');
    EXPECT_EQ(world.view.markerColor, 8421504 ^ 0xAAAAAA);
    EXPECT_EQ(world.view.markerColor, 0x2A2A2A);

    drill.FormHide();
    EXPECT_FALSE(world.keyboard.shown || world.leftHand.shown || world.rightHand.shown);
}

// A 1280 x 1024 screen at a scale factor of 1.5: 853 x 683 logical pixels.
TEST_F(LinePracticeTest, GuidanceWindowsStayOnASmallScreen) {
    world.view.screen = {0, 0, 853, 683};
    world.view.frame = {42, 85, 768, 380};
    world.keyboard.frame = {0, 0, 829, 276};
    world.leftHand.frame = world.rightHand.frame = {0, 0, 65, 107};
    drill.SetLine("k");
    drill.FormShow();
    for (const DrillRect& r :
         {world.view.frame, world.keyboard.frame, world.leftHand.frame, world.rightHand.frame}) {
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.left + r.width, 853);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.top + r.height, 683);
    }
    EXPECT_GE(world.keyboard.frame.top, world.view.frame.top + 380 + 10) << "the drill window made room";
}

TEST_F(LinePracticeTest, WithoutGuidanceNothingIsPlacedOrShownButHidingStillHides) {
    drill.SetUseGuidance(false);
    world.keyboard.shown = true;
    drill.FormShow();
    EXPECT_FALSE(world.leftHand.shown);
    drill.FormHide();
    EXPECT_FALSE(world.keyboard.shown);
}

TEST_F(LinePracticeTest, OpeningAWindowStopsAndClearsTheSharedStopwatch) {
    world.watch.Start();
    Wait(4000);
    drill.SetLine("abc");
    world.watch.Start();  // as if a previous window had left a line running
    Wait(3000);
    drill.FormShow();
    Press(kEscape);
    EXPECT_EQ(drill.LineTime(), 25);
}

TEST_F(LinePracticeTest, BaseKeyDownFilterCancelsCaretMovesAndDeletion) {
    for (const int key : {VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE}) {
        EXPECT_TRUE(drill.InputEditKeyDown(key)) << key;
    }
    for (const int key : {VK_END, VK_PRIOR, VK_NEXT, int{'A'}, 0}) {
        EXPECT_FALSE(drill.InputEditKeyDown(key)) << key;
    }
}

TEST_F(LinePracticeTest, ForeignCharacterIsWrongExceptAtALineBreak) {
    drill.SetLine("a\r\nb");
    EXPECT_TRUE(drill.InputEditForeignKeyPress());
    EXPECT_EQ(wrongKeys, 1);
    EXPECT_EQ(drill.Pos(), 2);
    EXPECT_FALSE(drill.InputEditForeignKeyPress());
    EXPECT_EQ(wrongKeys, 1);
}

TEST(ArrangedDrillFrameTest, NinetyPercentCentredWithTheSmallScreenRule) {
    const DrillRect large = ArrangedDrillFrame({0, 0, 1280, 1024});
    EXPECT_EQ(large.width, 1152);
    EXPECT_EQ(large.left, 64);
    EXPECT_EQ(large.top, 128);
    EXPECT_EQ(ArrangedDrillFrame({0, 0, 800, 640}).top, 20);
    EXPECT_EQ(ArrangedDrillFrame({0, 0, 800, 641}).top, 80);
    const DrillRect odd = ArrangedDrillFrame({0, 0, 1023, 768});
    EXPECT_EQ(odd.width, 920);
    EXPECT_EQ(odd.left, 51);
}

}  // namespace
}  // namespace zq
