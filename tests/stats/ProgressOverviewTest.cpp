#include "stats/ProgressOverview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "SmallKeyboard.h"
#include "base/CodePage.h"
#include "stats/DrillRecorder.h"
#include "stats/HandsPicture.h"
#include "stats/PracticeHistory.h"
#include "stats/ProgressCharts.h"
#include "stats/WeakKeyLine.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::TypedLine;

constexpr std::int32_t kToday = 19'800;

struct RecordingView : ProgressView {
    std::string caption, summary, weakKeyHint, slowPairHint;
    std::vector<ChartSpec> charts;
    const KeyHeatMap* keyboard = nullptr;
    std::optional<HandsPicture> hands;
    std::vector<std::string> slowest, confusions, confusionKinds, slowestPairs, missedPairs;
    bool weakKeysEnabled = false;
    bool slowPairsEnabled = false;

    void SetCaption(std::string_view text) override { caption = text; }
    void ShowSummary(std::string_view text) override { summary = text; }
    void ShowCharts(const std::vector<ChartSpec>& specs) override { charts = specs; }
    void ShowKeyboard(const KeyHeatMap& shown) override { keyboard = &shown; }
    void ShowSlowestKeys(const std::vector<std::string>& lines) override { slowest = lines; }
    void ShowConfusions(const std::vector<LabelledLine>& lines) override {
        confusions.clear();
        confusionKinds.clear();
        for (const LabelledLine& line : lines) {
            confusions.push_back(line.text);
            confusionKinds.push_back(line.label);
        }
    }
    void ShowHands(const HandsPicture& shown) override { hands = shown; }
    void ShowSlowestPairs(const std::vector<std::string>& lines) override { slowestPairs = lines; }
    void ShowMostMissedPairs(const std::vector<std::string>& lines) override { missedPairs = lines; }
    void SetWeakKeyPractice(bool enabled, std::string_view hint) override {
        weakKeysEnabled = enabled;
        weakKeyHint = hint;
    }
    void SetSlowPairPractice(bool enabled, std::string_view hint) override {
        slowPairsEnabled = enabled;
        slowPairHint = hint;
    }
};

class ProgressOverviewTest : public ::testing::Test {
protected:
    ProgressOverviewTest() {
        std::filesystem::create_directories(programFolder / "Courses/English");
        programFolder.Write("Courses/English/course.txt", "quiz queen zap\r\nthe and\r\n");
        programFolder.Write("Courses/English/Practice.txt", "the quick zebra\r\n");
    }
    ProgressOverview Overview() {
        return ProgressOverview(view, history, {"Ann", Course(programFolder.Dir(), "English"), kToday});
    }

    test::TempFolder folder;
    test::TempFolder programFolder;
    std::vector<std::string> warnings;
    PracticeHistory history{folder.File("zqstats.db"),
                            [this](const std::string& text) { warnings.push_back(text); }};
    RecordingView view;
};

TEST_F(ProgressOverviewTest, AnEmptyHistoryShowsNothingYetAndOffersNoWeakKeys) {
    ProgressOverview overview = Overview();
    overview.Load();
    EXPECT_EQ(view.caption, "Progress of Ann");
    EXPECT_THAT(view.summary, HasSubstr("No practice"));
    EXPECT_EQ(view.charts.size(), 3u);
    EXPECT_TRUE(view.slowest.empty());
    EXPECT_TRUE(view.confusions.empty());
    EXPECT_FALSE(view.weakKeysEnabled);
    EXPECT_FALSE(overview.PractiseWeakKeys(1).has_value());
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ProgressOverviewTest, OneLineOfPracticeIsToldInTheSingularThroughout) {
    history.Record(TypedLine("Ann", kToday, "abc"));
    ProgressOverview overview = Overview();
    overview.Load();
    EXPECT_THAT(view.summary, HasSubstr(": 1 line completed in "));
    EXPECT_THAT(view.summary, Not(HasSubstr("lines took"))) << view.summary;
}

TEST_F(ProgressOverviewTest, PracticeFillsTheWindowAndTheWeakKeysGiveALineOfCourseWords) {
    for (int i = 0; i < 4; ++i) {
        history.Record(TypedLine("Ann", kToday - 1, "qqqqqzzzzzttttt", 5));  // q always wrong
        history.Record(TypedLine("Ann", kToday, "zzzzzqqqqqeeeee", 2));      // z now and then
    }
    ProgressOverview overview = Overview();
    overview.Load();

    EXPECT_THAT(view.summary, HasSubstr("8 lines"));
    EXPECT_THAT(view.summary, HasSubstr("0 h 0 m 24 s")) << "a short practice is not shown as none";
    EXPECT_THAT(view.confusions, ElementsAre("r typed for q: 20 times", "{ typed for z: 8 times"));
    EXPECT_EQ(view.slowest.size(), 4u);  // e, q, t and z, each timed often enough
    EXPECT_TRUE(view.weakKeysEnabled);
    EXPECT_THAT(view.weakKeyHint, HasSubstr("q, z, e"));
    ASSERT_NE(view.keyboard, nullptr);

    const std::optional<TargetedPractice> practice = overview.PractiseWeakKeys(3);
    ASSERT_TRUE(practice.has_value());
    EXPECT_THAT(practice->announcement, HasSubstr("q, z, e"));
    for (const std::string& word : WordsOf({practice->line8}))
        EXPECT_THAT((std::vector<std::string>{"quiz", "queen", "zap", "the", "quick", "zebra"}),
                    ::testing::Contains(word));
}

// A learner at the course's first line has been taught its letters only:
// no word of a later line or of the sentences brings a character not yet
// reached ("quick", "zebra", "quiz?").
TEST_F(ProgressOverviewTest, TheWeakKeysArePractisedOnlyWithCharactersTaughtUpToTheLearnersLine) {
    programFolder.Write("Courses/English/Practice.txt", "the quick zebra quiz? queen,\r\n");
    for (int i = 0; i < 4; ++i) history.Record(TypedLine("Ann", kToday, "qqqqqzzzzzeeeee", 5));
    ProgressSetup setup{"Ann", Course(programFolder.Dir(), "English"), kToday};
    setup.courseLine = 0;
    ProgressOverview overview(view, history, setup);
    overview.Load();
    const std::string taught = "quiz queen zap";
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        const std::optional<TargetedPractice> practice = overview.PractiseWeakKeys(seed);
        ASSERT_TRUE(practice.has_value());
        EXPECT_FALSE(practice->line8.empty());
        for (const char ch : practice->line8)
            EXPECT_NE(taught.find(ch), std::string::npos) << "'" << ch << "' in " << practice->line8;
    }
}

// The course's drill lines hold letter groups ("dkd", "kdk"); its sentences
// and its lines of words hold real words with the same keys. The weak keys
// are practised with the real words, and a key that no real word holds
// ("j") with the groups that hold it.
TEST_F(ProgressOverviewTest, TheWeakKeysArePractisedWithRealWordsBeforeLetterGroups) {
    programFolder.Write("Courses/English/course.txt",
                        "fff jjj fjf jfj\r\nddd kkk dkd kdk ddkk\r\nfad kid\r\n");
    programFolder.Write("Courses/English/Practice.txt", "Dad did a kid's deed.\r\n");
    programFolder.Write("Courses/English/Game.txt", "dad did kid\r\n");
    for (int i = 0; i < 4; ++i) history.Record(TypedLine("Ann", kToday, "dddddkkkkkfffff", 10));
    ProgressOverview overview = Overview();
    overview.Load();
    const std::vector<std::string> real = {"fad", "kid", "Dad", "did", "kid's", "deed.", "dad"};
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        const std::optional<TargetedPractice> practice = overview.PractiseWeakKeys(seed);
        ASSERT_TRUE(practice.has_value());
        ASSERT_FALSE(practice->line8.empty());
        for (const std::string& word : WordsOf({practice->line8}))
            EXPECT_THAT(real, ::testing::Contains(word)) << practice->line8;
    }

    for (int i = 0; i < 8; ++i) history.Record(TypedLine("Ann", kToday, "jjjjjfffff", 5));
    ProgressOverview jays = Overview();
    jays.Load();
    ASSERT_THAT(jays.Report().weakest, ::testing::Contains(U'j'));
    const std::optional<TargetedPractice> practice = jays.PractiseWeakKeys(1);
    ASSERT_TRUE(practice.has_value());
    const std::vector<std::string> words = WordsOf({practice->line8});
    EXPECT_TRUE(
        std::ranges::any_of(words, [](const std::string& word) { return word == "fjf" || word == "jfj"; }))
        << practice->line8 << ": no real word holds j, its groups do";
    for (const std::string& word : words) {
        if (word.find('j') == std::string::npos) {
            EXPECT_THAT(real, ::testing::Contains(word)) << practice->line8;
        }
    }
}

// Six lines of the course's words, "qu" typed slowly and missed in every
// line, "za" slowly.
void PractisePairs(PracticeHistory& history) {
    for (int i = 0; i < 6; ++i) {
        LineRecord line = TypedLine("Ann", kToday, "quiz queen zap", 2);  // q and u wrong
        for (PairTally& pair : line.pairs) {
            if (pair.first == 'q' && pair.second == 'u') pair.timeMs *= 4;
            if (pair.first == 'z' && pair.second == 'a') pair.timeMs *= 3;
        }
        history.Record(line);
    }
}

TEST_F(ProgressOverviewTest, ThePairsOfKeysAreListedAndTheSlowestGiveALineOfWordsHoldingThem) {
    PractisePairs(history);
    ProgressOverview overview = Overview();
    overview.Load();

    ASSERT_GE(view.slowestPairs.size(), 3u);
    EXPECT_EQ(view.slowestPairs[0], "qu: 800 ms");
    EXPECT_EQ(view.slowestPairs[1], "za: 600 ms");
    EXPECT_THAT(view.missedPairs, ElementsAre("qu: 6 of 12 missed"));
    EXPECT_TRUE(view.slowPairsEnabled);
    EXPECT_THAT(view.slowPairHint, HasSubstr("qu, za, "));

    const std::optional<TargetedPractice> practice = overview.PractiseSlowPairs(2);
    ASSERT_TRUE(practice.has_value());
    EXPECT_THAT(practice->announcement, HasSubstr("qu, za, "));
    EXPECT_FALSE(practice->line8.empty());
    // The third slowest: one of the pairs timed alike, by the order of their characters.
    const PairTally& slow = overview.Report().slowestPairs[2];
    const std::string third{static_cast<char>(slow.first), static_cast<char>(slow.second)};
    for (const std::string& word : WordsOf({practice->line8})) {
        EXPECT_TRUE(word.find("qu") != std::string::npos || word.find("za") != std::string::npos ||
                    word.find(third) != std::string::npos)
            << word;
    }
}

TEST_F(ProgressOverviewTest, WithoutPairsYetTheSlowPairPracticeIsNotOffered) {
    history.Record(TypedLine("Ann", kToday, "qu"));  // one pair, timed once
    ProgressOverview overview = Overview();
    overview.Load();
    EXPECT_TRUE(view.slowestPairs.empty());
    EXPECT_TRUE(view.missedPairs.empty());
    EXPECT_FALSE(view.slowPairsEnabled);
    EXPECT_THAT(view.slowPairHint, HasSubstr("Type a few lines"));
    EXPECT_FALSE(overview.PractiseSlowPairs(1).has_value());
}

TEST_F(ProgressOverviewTest, OnTheCoursesKeyboardConfusionsAreLabelledAndFingersShown) {
    testing::WriteSmallKeyboard(programFolder / "Courses/English/layout.zqt");
    for (int i = 0; i < 3; ++i) history.Record(TypedLine("Ann", kToday, "aaaaaffff", 2));  // s typed for a
    history.Record(TypedLine("Ann", kToday, "ee", 1));                                     // f typed for e
    ProgressOverview overview(view, history, {"Ann", Course(programFolder.Dir(), "English"), kToday, 1252});
    overview.Load();

    EXPECT_THAT(view.confusions, ElementsAre("b typed for a: 6 times", "f typed for e: once"));
    // "b" is no key of this keyboard: that confusion has no label.
    EXPECT_THAT(view.confusionKinds, ElementsAre("", "neighbouring finger"));
    ASSERT_TRUE(view.hands.has_value());
    EXPECT_EQ(view.hands->fingers[0].accuracy, "60 %");  // a: 15 typed, 6 wrong
    EXPECT_EQ(view.hands->fingers[3].accuracy, "100 %");
    EXPECT_EQ(view.hands->fingers[2].accuracy, "50 %");
    EXPECT_FALSE(view.hands->fingers[6].color.has_value());
    EXPECT_THAT(view.hands->figures[0], HasSubstr("keys/min, 75 %"));  // 7 of 29 wrong
    EXPECT_EQ(view.hands->figures[1], "");
}

TEST_F(ProgressOverviewTest, AHistoryThatCannotBeReadShowsAnEmptyReportAfterItsWarning) {
    std::filesystem::create_directory(folder.File("zqstats.db"));
    ProgressOverview overview = Overview();
    overview.Load();
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_THAT(view.summary, HasSubstr("No practice"));
    EXPECT_EQ(overview.Report().lastDay, kToday);
}

// Four lines of a German course typed in a German run (code page 1252):
// "ä" typed twelve times, four of them as "é".
void PractiseGermanInAGermanRun(PracticeHistory& history) {
    const CodePageInForce german(1252);
    DrillRecorder recorder(history, {"Ann", "Deutsch", DrillKind::Free},
                           [] { return std::int64_t{kToday} * 86'400'000 + 43'200'000; });
    const std::string sample =
        "a\xE4\xE4"
        "a\xE4";
    for (int line = 0; line < 4; ++line) {
        LineKeyCounts keys;
        keys.Right('a', 1000);
        keys.Wrong(0xE4, 0xE9, 1100);
        keys.Right(0xE4, 1300);
        keys.Right('a', 1400);
        keys.Right(0xE4, 1700);
        recorder.RecordLine(
            {.sample = sample, .characters = 5, .errors = 1, .lineTimeMs = 700, .keys = keys});
    }
}

TEST_F(ProgressOverviewTest, LinesTypedInARunOfOneLanguageReadTheSameInARunOfAnother) {
    PractiseGermanInAGermanRun(history);
    std::filesystem::create_directories(programFolder / "Courses/Deutsch");
    programFolder.Write("Courses/Deutsch/course.txt", "B\xE4r K\xE4se und\r\n");  // code page 1252
    const Course deutsch(programFolder.Dir(), "Deutsch");

    const CodePageInForce russian(1251);
    ProgressOverview overview(view, history, {"Ann", deutsch, kToday});
    overview.Load();
    EXPECT_THAT(view.confusions, ElementsAre("\xC3\xA9 typed for \xC3\xA4: 4 times"));  // é for ä
    EXPECT_THAT(view.slowest, ElementsAre("\xC3\xA4: 250 ms"));
    // The Russian run's code page has no "ä": its drill cannot practise it.
    EXPECT_FALSE(view.weakKeysEnabled);
    EXPECT_THAT(view.weakKeyHint, HasSubstr("weakest keys (\xC3\xA4), start the program"));
    EXPECT_FALSE(overview.PractiseWeakKeys(1).has_value());

    // Told the course's code page, the window offers the course's words with "ä".
    ProgressOverview told(view, history, {"Ann", deutsch, kToday, 1252});
    told.Load();
    EXPECT_TRUE(view.weakKeysEnabled);
    EXPECT_THAT(view.weakKeyHint, HasSubstr("\xC3\xA4"));
    const std::optional<TargetedPractice> practice = told.PractiseWeakKeys(1);
    ASSERT_TRUE(practice.has_value());
    EXPECT_THAT(practice->announcement, HasSubstr("\xC3\xA4"));
    for (const std::string& word : WordsOf({practice->line8}))
        EXPECT_THAT((std::vector<std::string>{"B\xE4r", "K\xE4se"}), ::testing::Contains(word));
    EXPECT_TRUE(warnings.empty());
}

TEST(ProgressChartsTest, ChartsBeginBeforeTheFirstPracticeButShowTwoWeeksAtLeast) {
    ProgressReport report;
    report.firstDay = kToday - 89;
    report.lastDay = kToday;
    report.drillDays = {{kToday - 2, DrillKind::Course, 10, 600, 30, 120'000},
                        {kToday, DrillKind::Free, 5, 300, 3, 60'000},
                        {kToday, DrillKind::Course, 5, 300, 0, 60'000}};
    std::vector<ChartSpec> charts = ProgressChartSpecs(report);
    ASSERT_EQ(charts.size(), 3u);
    EXPECT_EQ(charts[0].firstDay, kToday - kShortestChartDays + 1);
    EXPECT_EQ(charts[0].lastDay, kToday);
    ASSERT_EQ(charts[0].series.size(), 2u);  // course and free drill, in that order
    EXPECT_EQ(charts[0].series[0].points.size(), 2u);
    EXPECT_EQ(charts[0].series[0].points[0].value, 300);  // 600 keys in two minutes
    EXPECT_EQ(charts[1].series[1].points[0].value, 99);
    EXPECT_EQ(charts[1].smallestValue, 80);  // tens below the lowest accuracy (95)
    EXPECT_TRUE(charts[2].bars);
    ASSERT_EQ(charts[2].series.size(), 1u);
    EXPECT_EQ(charts[2].series[0].points.size(), 2u);
    EXPECT_EQ(charts[2].series[0].points[1].value, 2.0);  // minutes of both drills of today

    // Whole weeks from the day before the first practice, ninety days at most.
    report.drillDays[0].day = kToday - 60;
    charts = ProgressChartSpecs(report);
    EXPECT_EQ(charts[0].firstDay, kToday - 62);
    report.drillDays[0].day = kToday - 89;
    charts = ProgressChartSpecs(report);
    EXPECT_EQ(charts[0].firstDay, kToday - 89);
}

}  // namespace
}  // namespace zq
