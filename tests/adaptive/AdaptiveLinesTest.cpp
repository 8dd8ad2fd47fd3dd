#include "adaptive/AdaptiveLines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../stats/HistoryFixtures.h"
#include "../support/TempFolder.h"
#include "stats/AdaptiveHistory.h"
#include "stats/HistoryStore.h"
#include "stats/PracticeHistory.h"
#include "stats/WeakKeyLine.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::vector<std::string> kCourse = {"fff jjj fj jf", "ddd kkk dk kd fd jk", "sss lll sl ls"};
const std::vector<std::string> kWords = {"fj",  "jf",  "fd",  "jk",    "dk", "kd", "fjdk", "ddd",
                                         "kkk", "sad", "lad", "flask", "ls", "sl", "dad"};
constexpr std::int32_t kToday = 20'000;

// Counts for a completed line: every character typed once, those in
// `missed` wrongly, the right ones `msPerKey` apart.
struct TypedCounts {
    LineKeyCounts counts;
    std::string sample;

    TypedCounts(const std::string& text, std::string_view missed, std::int64_t msPerKey) : sample(text) {
        std::int64_t now = 0;
        for (const char ch : text) {
            now += msPerKey;
            const auto code = static_cast<unsigned char>(ch);
            if (missed.find(ch) != std::string_view::npos) {
                counts.Wrong(code, 'x', now);
            } else {
                counts.Right(code, now);
            }
        }
    }
    CompletedLine Line() const { return {.sample = sample, .keys = counts}; }
};

class AdaptiveLinesTest : public ::testing::Test {
protected:
    AdaptiveSetup AnnsSetup() const {
        return {.user = "Ann", .course = "English", .courseLines = kCourse, .words = kWords, .seed = 7};
    }

    // A line as another drill would have kept it: each character of `text`
    // typed once, 200 ms a key (300 keys a minute).
    void KeepLine(const std::u32string& text, int wrongFirst = 0) {
        HistoryStore(folder.File("zqstats.db")).AddLine(testing::TypedLine("Ann", kToday, text, wrongFirst));
    }

    // Completes the source's line as typed in `counts` and ends it.
    static void Complete(AdaptiveLines& lines, const TypedCounts& counts) {
        lines.LineCompleted(counts.Line());
        lines.LineEnded({.outcome = LineOutcome::loCompleted, .passed = true});
    }

    TempFolder folder;
    std::vector<std::string> warnings;
    PracticeHistory history{folder.File("zqstats.db"),
                            [this](const std::string& text) { warnings.push_back(text); }};
};

TEST_F(AdaptiveLinesTest, ANewLearnerStartsWithTheCoursesFirstKeys) {
    const AdaptiveLines lines(history, AnnsSetup());
    EXPECT_EQ(lines.InPlay(), "fjdk");
    ASSERT_TRUE(lines.Line().has_value());
    EXPECT_FALSE(lines.Line()->empty());
    for (const std::string& word : WordsOf({*lines.Line()}))
        EXPECT_EQ(word.find_first_not_of("fjdk"), std::string::npos) << word;
    EXPECT_THAT(warnings, IsEmpty());
}

TEST_F(AdaptiveLinesTest, TheNewestKeyNotYetTypedOftenEnoughHasTheFocus) {
    AdaptiveLines lines(history, AnnsSetup());
    EXPECT_EQ(lines.Focus(), 'k');
    // Thirty strokes of k and d, fast and right: j, typed too seldom, comes next.
    Complete(lines, TypedCounts(std::string(30, 'k') + std::string(30, 'd'), "", 200));
    EXPECT_EQ(lines.Focus(), 'j');
    EXPECT_EQ(lines.Keys().change, "Focus: j");
}

TEST_F(AdaptiveLinesTest, OnceEveryKeyIsJudgedTheKeyMissedMostHasTheFocus) {
    AdaptiveLines lines(history, AnnsSetup());
    std::string text;
    for (int i = 0; i < 30; ++i) text += "fjdk";
    Complete(lines, TypedCounts(text, "", 500));  // 120 keys a minute
    Complete(lines, TypedCounts(text + "jjjjjjjjjj", "j", 500));
    EXPECT_EQ(lines.Focus(), 'j');
    const KeysInPlay keys = lines.Keys();
    ASSERT_EQ(keys.keys.size(), 4u);
    EXPECT_EQ(keys.keys[1].caption, "j");
    EXPECT_TRUE(keys.keys[1].focus);
    EXPECT_FALSE(keys.keys[0].focus);
    EXPECT_EQ(keys.keys[0].progressPercent, 80) << "f: 120 keys a minute of 150, always right";
    EXPECT_EQ(keys.keys[1].progressPercent, 0) << "j: 75 % accurate";
}

TEST_F(AdaptiveLinesTest, TheNextKeyJoinsWhenEveryKeyInPlayMeetsTheTarget) {
    AdaptiveLines lines(history, AnnsSetup());
    std::string text;
    for (int i = 0; i < 30; ++i) text += "fjdk";
    Complete(lines, TypedCounts(text, "", 401));  // 149 keys a minute
    EXPECT_EQ(lines.InPlay(), "fjdk");
    Complete(lines, TypedCounts(text, "", 400));
    EXPECT_EQ(lines.InPlay(), "fjdks");
    EXPECT_THAT(lines.Keys().change, HasSubstr("New key: s"));
    EXPECT_EQ(lines.Focus(), 's') << "the new key is practised first";
    EXPECT_THAT(lines.Keys().change, HasSubstr("Focus: s"));
    for (const std::string& word : WordsOf({*lines.Line()}))
        EXPECT_EQ(word.find_first_not_of("fjdks"), std::string::npos) << word;
}

TEST_F(AdaptiveLinesTest, TheLearnersOwnTargetDecides) {
    AdaptiveSetup setup = AnnsSetup();
    setup.targetSpeed = 250;
    AdaptiveLines lines(history, setup);
    std::string text;
    for (int i = 0; i < 30; ++i) text += "fjdk";
    Complete(lines, TypedCounts(text, "", 250));  // 240 keys a minute
    EXPECT_EQ(lines.InPlay(), "fjdk");
    EXPECT_THAT(lines.Announcement(), HasSubstr("250 keys/min"));
}

TEST_F(AdaptiveLinesTest, TheLearnerGoesOnWhereTheyStopped) {
    {
        AdaptiveLines lines(history, AnnsSetup());
        std::string text;
        for (int i = 0; i < 30; ++i) text += "fjdk";
        Complete(lines, TypedCounts(text, "", 300));
        ASSERT_EQ(lines.InPlay(), "fjdks");
    }
    PracticeHistory later(folder.File("zqstats.db"), {});
    AdaptiveSetup ann = AnnsSetup();
    ann.user = "ANN";  // user names match without regard to case
    EXPECT_EQ(AdaptiveLines(later, ann).InPlay(), "fjdks");
    AdaptiveSetup bob = AnnsSetup();
    bob.user = "Bob";
    EXPECT_EQ(AdaptiveLines(later, bob).InPlay(), "fjdk");
    AdaptiveSetup otherCourse = AnnsSetup();
    otherCourse.course = "Deutsch";
    EXPECT_EQ(AdaptiveLines(later, otherCourse).InPlay(), "fjdk");
}

TEST_F(AdaptiveLinesTest, StrokesOfEveryDrillOnTheCourseCount) {
    std::u32string text;
    for (int i = 0; i < 30; ++i) text += U"fjdk";
    KeepLine(text);  // 300 keys a minute in another drill
    const AdaptiveLines lines(history, AnnsSetup());
    EXPECT_EQ(lines.InPlay(), "fjdks") << "the keys met the target before the drill opened";
    EXPECT_THAT(lines.Keys().change, HasSubstr("New key: s"));
    HistoryStore store(folder.File("zqstats.db"));
    EXPECT_EQ(ReadKeysInPlay(store, "Ann", "English"), 5);
}

TEST_F(AdaptiveLinesTest, AllKeysOfTheCourseInPlayStayThere) {
    AdaptiveLines lines(history, AnnsSetup());
    std::string text;
    for (int i = 0; i < 30; ++i) text += "fjdksl";
    for (int line = 0; line < 4; ++line) Complete(lines, TypedCounts(text, "", 200));
    EXPECT_EQ(lines.InPlay(), "fjdksl");
    Complete(lines, TypedCounts(text, "", 200));
    EXPECT_EQ(lines.InPlay(), "fjdksl");
}

TEST_F(AdaptiveLinesTest, ALineEndedEarlyChangesNothingAndAnEscapedOneStays) {
    AdaptiveLines lines(history, AnnsSetup());
    Complete(lines, TypedCounts(std::string(30, 'k') + std::string(30, 'd'), "", 200));
    ASSERT_FALSE(lines.Keys().change.empty());
    lines.LineEnded({.outcome = LineOutcome::loEnter, .passed = true});
    EXPECT_THAT(lines.Keys().change, IsEmpty());
    EXPECT_EQ(lines.InPlay(), "fjdk");
    EXPECT_EQ(lines.Focus(), 'j');
    const std::string before = *lines.Line();
    lines.LineEnded({.outcome = LineOutcome::loEscaped, .passed = true});
    EXPECT_EQ(*lines.Line(), before) << "Escape closes the drill on the line it had";
}

TEST_F(AdaptiveLinesTest, AHistoryThatCannotBeUsedLeavesTheDrillWorkingFromTheFirstKeys) {
    PracticeHistory unusable(folder.File("missing/zqstats.db"),
                             [this](const std::string& text) { warnings.push_back(text); });
    AdaptiveLines lines(unusable, AnnsSetup());
    EXPECT_EQ(lines.InPlay(), "fjdk");
    EXPECT_TRUE(lines.Line().has_value());
    std::string text;
    for (int i = 0; i < 30; ++i) text += "fjdk";
    Complete(lines, TypedCounts(text, "", 300));
    EXPECT_EQ(lines.InPlay(), "fjdks") << "the drill goes on, only nothing is kept";
    EXPECT_EQ(warnings.size(), 1u);
}

TEST_F(AdaptiveLinesTest, ACourseWithoutKeysHasNoLine) {
    AdaptiveSetup setup = AnnsSetup();
    setup.courseLines = {"   "};
    EXPECT_FALSE(AdaptiveLines(history, setup).Line().has_value());
}

}  // namespace
}  // namespace zq
