#include "stats/DrillRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include "../support/TempFolder.h"
#include "base/CodePage.h"
#include "stats/LocalDay.h"
#include "stats/PracticeHistory.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::FieldsAre;

constexpr std::int64_t kNow = 1'709'938'800'000;  // 2024-03-08 23:00 UTC

class DrillRecorderTest : public ::testing::Test {
protected:
    DrillRecorderTest() {
        setenv("TZ", "CET-1", 1);  // already the 9th of March
        tzset();
        counts.Right('t', 1000);
        counts.Wrong('h', 'g', 1200);
        counts.Right('e', 1400);
        counts.Wrong('t', 'r', 1500);
        counts.Wrong('t', 'r', 1600);
        counts.Right('t', 1800);
    }
    ~DrillRecorderTest() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    CompletedLine Line(std::int32_t courseLine = 7) const {
        return {.sample = sample,
                .characters = 4,
                .errors = 2,
                .lineTimeMs = 800,
                .keysPerMinute = 300,
                .accuracy = 50,
                .wordsPerMinute = 75,
                .courseLine = courseLine,
                .keys = counts};
    }

    const std::string sample = "thet";
    LineKeyCounts counts;
};

TEST_F(DrillRecorderTest, TheRecordCarriesTheLineItsKeysAndItsLocalDay) {
    const LineRecord record = MakeLineRecord(Line(), {"Ann", "English", DrillKind::Course}, kNow);
    EXPECT_EQ(record.user, "Ann");
    EXPECT_EQ(record.course, "English");
    EXPECT_EQ(record.drill, DrillKind::Course);
    EXPECT_EQ(record.finishedAtMs, kNow);
    EXPECT_EQ(record.localDay, DayOfDate({2024, 3, 9}));
    EXPECT_EQ(record.courseLine, 7);
    EXPECT_EQ(record.characters, 4);
    EXPECT_EQ(record.errors, 2);
    EXPECT_EQ(record.keysPerMinute, 300);
    EXPECT_EQ(record.accuracy, 50);
    EXPECT_EQ(record.wordsPerMinute, 75);
    EXPECT_EQ(record.lineTimeMs, 800);
    EXPECT_THAT(record.keys, ElementsAre(FieldsAre('e', 1, 0, 1, 200), FieldsAre('h', 1, 1, 0, 0),
                                         FieldsAre('t', 4, 2, 1, 200)));
    // Repeated confusions are summed.
    EXPECT_THAT(record.confusions, ElementsAre(FieldsAre('h', 'g', 1), FieldsAre('t', 'r', 2)));
    // Pairs in the order of their characters, a pair typed twice summed.
    EXPECT_THAT(record.pairs,
                ElementsAre(FieldsAre('e', 't', 1, 1, 0, 0), FieldsAre('h', 'e', 1, 0, 1, 200),
                            FieldsAre('t', 'h', 1, 1, 0, 0), FieldsAre('t', 't', 2, 1, 1, 200)));
}

// The drill's 8-bit codes are read in the course's code page (the one in
// force unless the context names another), the user's name in the code page
// of the windows, and the course's name is UTF-8 already.
TEST_F(DrillRecorderTest, ARussianRunsCodesAndNamesAreKeptAsTheirCharacters) {
    LineKeyCounts russian;
    russian.Right(0xE4, 1000);        // д
    russian.Wrong(0xE4, 0xE0, 1200);  // а typed for it
    russian.Wrong(0xE4, 0, 1300);     // a character that code page 1251 lacks
    const std::string russianSample = "\xE4";
    const CompletedLine line{.sample = russianSample, .characters = 1, .errors = 2, .keys = russian};
    const std::string ivan8 = "\xC8\xE2\xE0\xED";  // Иван
    const auto expectRussian = [](const LineRecord& record) {
        EXPECT_EQ(record.user, "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
        EXPECT_EQ(record.course, "Russkij");
        EXPECT_THAT(record.keys, ElementsAre(FieldsAre(U'\u0434', 3, 2, 0, 0)));
        EXPECT_THAT(record.confusions,
                    ElementsAre(FieldsAre(U'\u0434', U'\0', 1), FieldsAre(U'\u0434', U'\u0430', 1)));
        EXPECT_THAT(record.pairs, ElementsAre(FieldsAre(U'\u0434', U'\u0434', 2, 2, 0, 0)));
    };
    {
        const CodePageInForce inARussianRun(1251);
        expectRussian(MakeLineRecord(line, {ivan8, "Russkij", DrillKind::Free}, kNow));
    }
}

TEST_F(DrillRecorderTest, ARussianCourseUnderEnglishWindowsKeepsItsLettersAndTheNames) {
    const CodePageInForce english(1252);
    LineKeyCounts russian;
    russian.Right(0xE4, 1000);        // д in code page 1251, ä in 1252
    russian.Wrong(0xE4, 0xE0, 1200);  // а typed for it
    const std::string russianSample = "\xE4";
    const CompletedLine line{.sample = russianSample, .characters = 1, .errors = 1, .keys = russian};
    const std::string course = "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9";  // Русский
    const LineRecord record = MakeLineRecord(line, {"Zo\xEB", course, DrillKind::Course, 1251}, kNow);
    EXPECT_EQ(record.user, "Zo\xC3\xAB");
    EXPECT_EQ(record.course, course);
    EXPECT_THAT(record.keys, ElementsAre(FieldsAre(U'\u0434', 2, 1, 0, 0)));
    EXPECT_THAT(record.confusions, ElementsAre(FieldsAre(U'\u0434', U'\u0430', 1)));
}

TEST_F(DrillRecorderTest, OnlyTheCourseDrillKeepsACourseLine) {
    EXPECT_EQ(MakeLineRecord(Line(), {"Ann", "English", DrillKind::Free}, kNow).courseLine, -1);
}

TEST_F(DrillRecorderTest, TheRecorderWritesTheLineIntoTheHistory) {
    test::TempFolder folder;
    PracticeHistory history(folder.File("zqstats.db"), nullptr);
    DrillRecorder recorder(history, {"Ann", "English", DrillKind::Sentence}, [] { return kNow; });
    recorder.RecordLine(Line());
    recorder.RecordLine(Line());
    HistoryStore store(folder.File("zqstats.db"));
    const std::int32_t day = DayOfDate({2024, 3, 9});
    EXPECT_EQ(store.DrillDays("Ann", day, day).at(0).lines, 2);
    EXPECT_EQ(store.TopConfusions("Ann", "English", day, day, 1).at(0).count, 4);
}

}  // namespace
}  // namespace zq
