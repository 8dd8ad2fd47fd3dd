#include "stats/HistoryStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::FieldsAre;
using testing::TypedLine;

constexpr std::int32_t kDay = 19'800;

class HistoryStoreTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    HistoryStore store{folder.File("zqstats.db")};
};

TEST_F(HistoryStoreTest, ALineComesBackAsItsDayItsKeysAndItsConfusions) {
    store.AddLine(TypedLine("Ann", kDay, "tat", 1));

    EXPECT_EQ(store.LineCount(), 1);
    const auto days = store.DrillDays("Ann", kDay, kDay);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].drill, DrillKind::Sentence);
    EXPECT_EQ(days[0].lines, 1);
    EXPECT_EQ(days[0].characters, 3);
    EXPECT_EQ(days[0].errors, 1);
    EXPECT_EQ(days[0].timeMs, 600);

    // "tat" with the first t wrong: t typed twice (once wrong, once right
    // and timed), a once, right and timed.
    EXPECT_THAT(store.KeyTotals("Ann", "English", kDay, kDay),
                ElementsAre(FieldsAre('a', 1, 0, 1, 200), FieldsAre('t', 2, 1, 1, 200)));
    EXPECT_THAT(store.TopConfusions("Ann", "English", kDay, kDay, 10), ElementsAre(FieldsAre('t', 'u', 1)));
}

TEST_F(HistoryStoreTest, PairsOfKeysAreKeptWithTheLineAndSummedPerCourseAndDays) {
    store.AddLine(TypedLine("Ann", kDay, "thet", 2));  // t and h wrong
    store.AddLine(TypedLine("Ann", kDay + 1, "the"));
    store.AddLine(TypedLine("Ann", kDay, "the", 0, DrillKind::Course, "Deutsch"));

    EXPECT_EQ(store.Database().QueryInteger("SELECT count(*) FROM line_pair"), 7);
    EXPECT_THAT(store.PairTotals("Ann", "English", kDay, kDay + 1),
                ElementsAre(FieldsAre('e', 't', 1, 0, 1, 200), FieldsAre('h', 'e', 2, 0, 2, 400),
                            FieldsAre('t', 'h', 2, 1, 1, 200)));
    EXPECT_THAT(store.PairTotals("ANN", "English", kDay + 1, kDay + 1),
                ElementsAre(FieldsAre('h', 'e', 1, 0, 1, 200), FieldsAre('t', 'h', 1, 0, 1, 200)));
    EXPECT_TRUE(store.PairTotals("Bob", "English", kDay, kDay + 1).empty());
}

TEST_F(HistoryStoreTest, AUsersLinesComeBackInTheOrderTheyWereFinishedWithTheirFigures) {
    LineRecord later = TypedLine("Ann", kDay + 1, "ab", 1, DrillKind::Course, "Deutsch");
    later.courseLine = 36;
    store.AddLine(later);
    store.AddLine(TypedLine("Ann", kDay, "abc"));
    store.AddLine(TypedLine("Bob", kDay, "abc"));

    const std::vector<LineRecord> lines = store.LinesOf("ann");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].localDay, kDay);
    EXPECT_EQ(lines[0].drill, DrillKind::Sentence);
    EXPECT_EQ(lines[0].courseLine, -1);
    EXPECT_EQ(lines[0].characters, 3);
    EXPECT_EQ(lines[1].user, "Ann");
    EXPECT_EQ(lines[1].course, "Deutsch");
    EXPECT_EQ(lines[1].drill, DrillKind::Course);
    EXPECT_EQ(lines[1].finishedAtMs, later.finishedAtMs);
    EXPECT_EQ(lines[1].courseLine, 36);
    EXPECT_EQ(lines[1].errors, 1);
    EXPECT_EQ(lines[1].accuracy, 50);
    EXPECT_EQ(lines[1].keysPerMinute, 300);
    EXPECT_EQ(lines[1].wordsPerMinute, 60);
    EXPECT_EQ(lines[1].lineTimeMs, 400);
    EXPECT_TRUE(lines[1].keys.empty()) << "figures only";
}

TEST_F(HistoryStoreTest, DaysAndKeysAddUpOverLinesAndStaySeparatePerDrillDayAndCourse) {
    store.AddLine(TypedLine("Ann", kDay, "aa", 1, DrillKind::Course));
    store.AddLine(TypedLine("Ann", kDay, "aaa", 0, DrillKind::Course));
    store.AddLine(TypedLine("Ann", kDay, "ab", 0, DrillKind::Free));
    store.AddLine(TypedLine("Ann", kDay + 1, "a", 1, DrillKind::Course));
    store.AddLine(TypedLine("Ann", kDay, "aaaa", 4, DrillKind::Course, "Deutsch"));

    const auto days = store.DrillDays("Ann", kDay, kDay + 1);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].day, kDay);
    EXPECT_EQ(days[0].drill, DrillKind::Course);
    EXPECT_EQ(days[0].lines, 3);  // charts cover every course
    EXPECT_EQ(days[0].characters, 9);
    EXPECT_EQ(days[1].drill, DrillKind::Free);
    EXPECT_EQ(days[2].day, kDay + 1);

    // Keys belong to a course: the German lines are not counted here.
    EXPECT_THAT(store.KeyTotals("Ann", "English", kDay, kDay),
                ElementsAre(FieldsAre('a', 6, 1, 3, 600), FieldsAre('b', 1, 0, 1, 200)));
    EXPECT_THAT(store.KeyTotals("Ann", "English", kDay, kDay + 1),
                ElementsAre(FieldsAre('a', 7, 2, 3, 600), FieldsAre('b', 1, 0, 1, 200)));
    EXPECT_THAT(store.TopConfusions("Ann", "Deutsch", kDay, kDay, 10), ElementsAre(FieldsAre('a', 'b', 4)));
}

TEST_F(HistoryStoreTest, ConfusionsComeMostFrequentFirstUpToTheLimit) {
    store.AddLine(TypedLine("Ann", kDay, "xxxyy", 5));
    store.AddLine(TypedLine("Ann", kDay, "zzzz", 4));
    EXPECT_THAT(store.TopConfusions("Ann", "English", kDay, kDay, 2),
                ElementsAre(FieldsAre('z', '{', 4), FieldsAre('x', 'y', 3)));
}

TEST_F(HistoryStoreTest, UserNamesMatchWithoutRegardToCaseAndAreKeptAsUtf8Text) {
    const std::string name = "J\xC3\xB6rg";  // Jörg
    store.AddLine(TypedLine(name, kDay, "ab"));
    store.AddLine(TypedLine("j\xC3\xB6RG", kDay, "ab"));
    EXPECT_EQ(store.DrillDays("J\xC3\xB6rg", kDay, kDay).at(0).lines, 2);
    EXPECT_EQ(store.DrillDays("J\xC3\x96rg", kDay, kDay).size(), 0u);  // only ASCII letters fold

    SqliteStatement names =
        store.Database().Prepare("SELECT user_name, typeof(user_name) FROM practice_line ORDER BY id");
    ASSERT_TRUE(names.Step());
    EXPECT_EQ(names.Bytes(0), name);
    EXPECT_EQ(names.Bytes(1), "text");
}

TEST_F(HistoryStoreTest, KeysOfEveryScriptComeBackAsTheirCharacters) {
    store.AddLine(TypedLine("Ann", kDay, U"\u00E4\u0434\u20AC\U0001F600", 2, DrillKind::Free, "Mixed"));
    EXPECT_THAT(store.KeyTotals("Ann", "Mixed", kDay, kDay),
                ElementsAre(FieldsAre(U'\u00E4', 1, 1, 0, 0), FieldsAre(U'\u0434', 1, 1, 0, 0),
                            FieldsAre(U'\u20AC', 1, 0, 1, 200), FieldsAre(U'\U0001F600', 1, 0, 1, 200)));
    EXPECT_THAT(store.TopConfusions("Ann", "Mixed", kDay, kDay, 10),
                ElementsAre(FieldsAre(U'\u00E4', U'\u00E5', 1), FieldsAre(U'\u0434', U'\u0435', 1)));
}

TEST_F(HistoryStoreTest, ErasingAUserRemovesTheirLinesKeysAndSumsAndNobodyElses) {
    store.AddLine(TypedLine("Ann", kDay, "abc", 1));
    store.AddLine(TypedLine("Bob", kDay, "abc", 1));

    store.EraseUser("ANN");

    EXPECT_TRUE(store.DrillDays("Ann", kDay, kDay).empty());
    EXPECT_TRUE(store.KeyTotals("Ann", "English", kDay, kDay).empty());
    EXPECT_TRUE(store.TopConfusions("Ann", "English", kDay, kDay, 10).empty());
    EXPECT_TRUE(store.PairTotals("Ann", "English", kDay, kDay).empty());
    EXPECT_EQ(store.PairTotals("Bob", "English", kDay, kDay).size(), 2u);
    EXPECT_EQ(store.Database().QueryInteger("SELECT count(*) FROM line_pair"), 2);
    EXPECT_EQ(store.LineCount(), 1);
    EXPECT_EQ(store.Database().QueryInteger("SELECT count(*) FROM line_key"), 3);
    EXPECT_EQ(store.Database().QueryInteger("SELECT count(*) FROM line_confusion"), 1);
    EXPECT_EQ(store.DrillDays("Bob", kDay, kDay).size(), 1u);
}

TEST_F(HistoryStoreTest, TheCourseLineIsKeptOnlyForTheCourseDrill) {
    LineRecord course = TypedLine("Ann", kDay, "ab", 0, DrillKind::Course);
    course.courseLine = 41;
    store.AddLine(course);
    store.AddLine(TypedLine("Ann", kDay, "ab", 0, DrillKind::Paragraph));
    SqliteStatement lines =
        store.Database().Prepare("SELECT drill, course_line FROM practice_line ORDER BY id");
    ASSERT_TRUE(lines.Step());
    EXPECT_EQ(lines.Bytes(0), "course");
    EXPECT_EQ(lines.Integer(1), 41);
    ASSERT_TRUE(lines.Step());
    EXPECT_EQ(lines.Bytes(0), "paragraph");
    EXPECT_TRUE(lines.IsNull(1));
}

TEST_F(HistoryStoreTest, TheFileIsInWriteAheadLogModeAndSurvivesReopening) {
    store.AddLine(TypedLine("Ann", kDay, "ab"));
    SqliteStatement mode = store.Database().Prepare("PRAGMA journal_mode");
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Bytes(0), "wal");

    HistoryStore reopened(folder.File("zqstats.db"));
    EXPECT_EQ(reopened.LineCount(), 1);
}

// A run writes a line at a time into a file that grows for hours; what it
// holds of the file in memory stays a few pages, whatever the file's size
// (kept, the pages would come to some 2 MB after a thousand lines).
TEST_F(HistoryStoreTest, TheFilePagesHeldInMemoryDoNotGrowWithTheLinesAdded) {
    const std::u32string text = U"the quick brown fox jumps over the lazy dog, typing every line";
    for (int line = 0; line < 1000; ++line)
        store.AddLine(TypedLine("Ann", kDay + line / 200, text, line % 3));
    EXPECT_EQ(store.LineCount(), 1000);
    EXPECT_LT(store.Database().PageCacheBytes(), 128 * 1024);
}

}  // namespace
}  // namespace zq
