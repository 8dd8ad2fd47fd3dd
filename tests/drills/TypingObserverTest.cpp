// What a drill tells the observer of the learner's typing (the speech), key
// by key, in the order the observer relies on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DrillFakes.h"
#include "drills/CourseLines.h"
#include "drills/TFmLinePractice.h"
#include "drills/TypingObserver.h"

namespace zq {
namespace {

using testing::DrillSurroundings;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Writes down every call as a short line.
struct RecordingObserver : TypingObserver {
    std::vector<std::string> calls;

    void KeyArrived() override { calls.push_back("key"); }
    void RightKey() override { calls.push_back("right"); }
    void WrongKey(unsigned char typed8) override {
        calls.push_back(typed8 == 0 ? "wrong (none)" : "wrong " + std::string(1, static_cast<char>(typed8)));
    }
    void LineCompleted(const CompletedLine& line) override {
        calls.push_back("completed " + line.sample + " accuracy " + std::to_string(line.accuracy));
    }
    void LineReady(const LinePlace& place, bool again) override {
        calls.push_back("ready " + std::to_string(place.index) + " of " + std::to_string(place.count) +
                        (again ? " again" : ""));
    }
    void NextCharacter(std::string_view sample8, std::int32_t position) override {
        const bool atEnd = position > static_cast<std::int32_t>(sample8.size());
        calls.push_back("next " + (atEnd ? std::string("(end)") : std::string(1, sample8[position - 1])));
    }
};

// A drill whose Enter is a character of the text, as in the paragraph drill.
class TextDrill : public TFmLinePractice {
public:
    using TFmLinePractice::TFmLinePractice;
    void FormCreate() override {
        TFmLinePractice::FormCreate();
        SetEnterEndsLine(false);
    }
};

class TypingObserverTest : public ::testing::Test {
protected:
    TypingObserverTest() : drill(world.view, world.watch, world.Guidance()) {
        drill.FormCreate();
        drill.SetTypingObserver(&observer);
    }
    void Type(std::string_view keys) {
        for (const char key : keys) {
            unsigned char code = static_cast<unsigned char>(key);
            drill.InputEditKeyPress(code);
        }
    }
    std::vector<std::string> TakeCalls() { return std::exchange(observer.calls, {}); }

    DrillSurroundings world;
    TFmLinePractice drill;
    RecordingObserver observer;
};

TEST_F(TypingObserverTest, ALineIsToldWhenItIsReadyWithItsPlaceAndFirstCharacter) {
    CourseLines course({"ab", "cd", "ef"}, 1);
    drill.Practise(course);
    EXPECT_THAT(TakeCalls(), ElementsAre("ready 1 of 3", "next c"));
}

TEST_F(TypingObserverTest, EveryKeyArrivesIsJudgedAndMovesTheNextCharacter) {
    CourseLines course({"abc", "de"}, 0);
    drill.Practise(course);
    TakeCalls();
    Type("a");
    EXPECT_THAT(TakeCalls(), ElementsAre("key", "right", "next b"));
    Type("x");
    EXPECT_THAT(TakeCalls(), ElementsAre("key", "wrong x", "next c"))
        << "a wrong key moves on, as the drill does";
    Type("\b");
    EXPECT_THAT(TakeCalls(), ElementsAre("key", "next b")) << "Backspace steps back";
    Type("bc");
    EXPECT_THAT(TakeCalls(), ElementsAre("key", "right", "next c", "key", "right", "next (end)"));
    Type("!");
    EXPECT_THAT(TakeCalls(), ElementsAre("key", "completed abc accuracy 100", "ready 1 of 2", "next d"));
    EXPECT_FALSE(world.view.status.empty()) << "the statistics are shown as before";
}

TEST_F(TypingObserverTest, ALineBelowThePassAccuracyIsToldToComeAgain) {
    CourseLines course({"abc", "de"}, 0);
    drill.Practise(course);
    Type("xxc!");
    EXPECT_THAT(observer.calls, ::testing::IsSupersetOf({std::string("completed abc accuracy 33"),
                                                         std::string("ready 0 of 2 again")}));
    EXPECT_EQ(observer.calls.back(), "next a");
}

TEST_F(TypingObserverTest, EnterOrEscapeEndsALineWithoutFiguresAndACharacterTheCodePageLacksIsWrong) {
    CourseLines course({"abc", "de"}, 0);
    drill.Practise(course);
    TakeCalls();
    Type("a\r");
    EXPECT_THAT(TakeCalls(), ElementsAre("key", "right", "next b", "key", "ready 1 of 2", "next d"));
    drill.InputEditForeignKeyPress();
    EXPECT_THAT(TakeCalls(), ElementsAre("key", "wrong (none)", "next e"));
    Type("\x1b");
    EXPECT_THAT(TakeCalls(), ElementsAre("key"))
        << "Escape closes the drill: the line set up again is not told";
    EXPECT_TRUE(world.view.closed);
    Type("d");
    EXPECT_THAT(TakeCalls(), IsEmpty()) << "nor anything after it";
}

TEST(TypingObserver, ASpaceTakenAsALineBreakTellsTheCharacterAfterIt) {
    DrillSurroundings world;
    TextDrill drill(world.view, world.watch, world.Guidance());
    drill.FormCreate();
    RecordingObserver observer;
    drill.SetTypingObserver(&observer);
    CourseLines text({"a\r\nb"}, 0);
    drill.Practise(text);
    observer.calls.clear();
    for (unsigned char key : {'a', ' '}) drill.InputEditKeyPress(key);
    EXPECT_THAT(observer.calls, ElementsAre("key", "right", "next \r", "key", "right", "next b"));
}

}  // namespace
}  // namespace zq
