#include "speech/DrillNarrator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../drills/DrillFakes.h"
#include "../support/FakeClock.h"
#include "SpeechFakes.h"
#include "SpokenLanguage.h"
#include "base/CodePage.h"
#include "drills/CourseLines.h"
#include "drills/TFmLinePractice.h"

namespace zq {
namespace {

using testing::DrillSurroundings;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ManualTimers;
using testing::RecordingSpeaker;
using testing::SpokenLanguage;

const Voice kVoice{"en", 3};

// A course drill's engine with a narrator listening, on a fake clock: the
// narrator hears the drill exactly as in the program.
class DrillNarratorTest : public ::testing::Test {
protected:
    DrillNarratorTest()
        : drill(world.view, world.watch, world.Guidance()),
          narrator(
              speaker, kVoice, 1252, [](unsigned char ch) { return ch == 'j' ? 6 : 3; },
              world.clock.Function(), timers.Factory()) {
        drill.FormCreate();
        drill.SetTypingObserver(&narrator);
    }

    // Each key `gapMs` after the one before.
    void Type(std::string_view keys, std::int64_t gapMs = 1000) {
        for (const char key : keys) {
            world.clock.now += gapMs;
            unsigned char code = static_cast<unsigned char>(key);
            drill.InputEditKeyPress(code);
        }
    }

    SpokenLanguage english{"C"};
    DrillSurroundings world;
    TFmLinePractice drill;
    RecordingSpeaker speaker;
    ManualTimers timers;
    DrillNarrator narrator;
};

TEST_F(DrillNarratorTest, TheCourseLineNumberAndItsFirstCharacterWaitTheirTurn) {
    CourseLines course({"fj fj", "jf"}, 0);
    drill.Practise(course);
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("line 1", "f"));
}

TEST_F(DrillNarratorTest, EachKeySaysTheNextCharacterAtOnceInTheVoiceOfTheProfile) {
    CourseLines course({"fj F,"}, 0);
    drill.Practise(course);
    speaker.TakeTexts();
    Type("fj");
    EXPECT_THAT(speaker.Texts(), ElementsAre("!j", "!space"));
    EXPECT_EQ(speaker.said.back().voice, kVoice);
    speaker.TakeTexts();
    Type(" F,");
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!capital F", "!comma", "!end of line"));
}

TEST_F(DrillNarratorTest, AWrongKeyIsSaidAtOnceAndWhatComesNextAfterIt) {
    CourseLines course({"fjk"}, 0);
    drill.Practise(course);
    speaker.TakeTexts();
    Type("fd");
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!j", "!wrong: d", "k"));
    drill.InputEditForeignKeyPress();
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!wrong", "end of line"))
        << "a character the code page cannot hold has no name";
}

TEST_F(DrillNarratorTest, TheEndOfALineSaysItsFiguresThenTheNextLineAndItsFirstCharacter) {
    CourseLines course({"ff ff", "jj"}, 0);
    drill.Practise(course);
    Type("ff ff");
    speaker.TakeTexts();
    Type(" ");  // completes the line, 5 characters in 5 s
    EXPECT_THAT(speaker.TakeTexts(),
                ElementsAre("!60 keys per minute, accuracy 100 percent, 24 words per minute", "line 2", "j"));
}

TEST_F(DrillNarratorTest, ALineBelowThePassAccuracyIsSaidToComeAgain) {
    CourseLines course({"ff", "jj"}, 0);
    drill.Practise(course);
    Type("dd ");
    EXPECT_THAT(speaker.Texts(),
                ::testing::IsSupersetOf(
                    {std::string("Accuracy below 95 %: the line comes again."), std::string("line 1")}));
    EXPECT_EQ(speaker.Texts().back(), "f");
}

TEST_F(DrillNarratorTest, AFastTypistHearsEachWordWhereItBeginsAndNothingInsideIt) {
    CourseLines course({"fff jjj ff jfj"}, 0);
    drill.Practise(course);
    speaker.TakeTexts();
    Type("fff ", 200);
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!f", "!f", "!space", "!jjj"))
        << "the fourth quick key in a row makes the learner fast";
    Type("jjj ", 200);
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!ff")) << "silent inside a word and at the space after it";
    Type("f", 200);
    Type("f", 900);  // slower than the pace
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!space"));
}

TEST_F(DrillNarratorTest, AWrongKeyOrABackspaceBringsBackTheNamesOfSingleCharacters) {
    CourseLines course({"fff jjj fff"}, 0);
    drill.Practise(course);
    Type("fff ", 200);
    speaker.TakeTexts();
    Type("jx", 200);
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!wrong: x", "j"));
    Type("\b", 200);
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!j"));
}

TEST_F(DrillNarratorTest, ALineBreakIsNamedAtAnyPace) {
    CourseLines text({"ff ff ff\r\nff"}, 0);
    drill.Practise(text);
    Type("ff ff ff", 100);
    EXPECT_EQ(speaker.Texts().back(), "!Enter");
}

TEST_F(DrillNarratorTest, AfterAPauseTheNextCharacterAndItsFingerAreSaidOnce) {
    CourseLines course({"fj"}, 0);
    drill.Practise(course);
    speaker.TakeTexts();
    ASSERT_EQ(timers.made.size(), 1u);
    EXPECT_TRUE(timers.Last().running) << "the pause is timed from the line's start";
    EXPECT_EQ(timers.Last().startedWith, DrillNarrator::kIdleHintMs);
    timers.Last().Fire();
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("f, left index finger"))
        << "in turn, after what is being said";
    timers.Last().Fire();
    EXPECT_THAT(speaker.TakeTexts(), IsEmpty()) << "once a pause";

    Type("f");
    EXPECT_TRUE(timers.Last().running) << "every key times the pause afresh";
    timers.Last().Fire();
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!j", "j, right index finger"));
    Type("j");
    timers.Last().Fire();
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!end of line"))
        << "no finger for the key that completes the line";
}

// A Polish course under English windows: its lines and keys are text of
// code page 1250, where 0xB9 is "ą" (in 1252 it is "¹").
TEST(DrillNarrator, ACourseOfAnotherCodePageIsHeardInItsOwnCharacters) {
    const SpokenLanguage english("C");
    ASSERT_EQ(SystemCodePage(), 1252);
    DrillSurroundings world;
    TFmLinePractice drill(world.view, world.watch, world.Guidance());
    drill.SetTextCodePage(1250);
    RecordingSpeaker speaker;
    ManualTimers timers;
    DrillNarrator narrator(
        speaker, kVoice, 1250, [](unsigned char) { return 3; }, world.clock.Function(), timers.Factory());
    drill.FormCreate();
    drill.SetTypingObserver(&narrator);
    CourseLines course({"\xB9\xB9\xB9\xB9\xB9\xB9 \xBF\xF3\xB3w"}, 0);  // "ąąąąąą żółw"
    drill.Practise(course);
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("line 1", "a ogonek"));
    for (unsigned char key : {0xB9, 0xEA}) {  // "ą", then "ę" where "ą" is expected
        world.clock.now += 200;
        drill.InputEditKeyPress(key);
    }
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("!a ogonek", "!wrong: e ogonek", "a ogonek"));
    for (unsigned char key : {0xB9, 0xB9, 0xB9, 0xB9, 0x20}) {  // the rest of the word, fast
        world.clock.now += 200;
        drill.InputEditKeyPress(key);
    }
    EXPECT_EQ(speaker.Texts().back(), "!\xC5\xBC\xC3\xB3\xC5\x82w") << "the word, in UTF-8";
}

TEST(DrillNarrator, ACharacterWithoutAFingerIsNamedAloneAfterAPause) {
    const SpokenLanguage english("C");
    RecordingSpeaker speaker;
    ManualTimers timers;
    DrillNarrator narrator(
        speaker, kVoice, 1252, [](unsigned char) { return -1; }, [] { return 0; }, timers.Factory());
    narrator.LineReady({}, false);
    narrator.NextCharacter("#", 1);
    speaker.TakeTexts();
    timers.Last().Fire();
    EXPECT_THAT(speaker.TakeTexts(), ElementsAre("number sign"));
}

}  // namespace
}  // namespace zq
