#include "stats/HistoryExport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "base/WholeFile.h"
#include "stats/PracticeHistory.h"
#include "stats/ProgressOverview.h"
#include "stats/ProgressView.h"

namespace zq {
namespace {

using ::testing::HasSubstr;
using testing::TypedLine;

constexpr std::int32_t kDay = 19'800;  // 2024-03-18

class HistoryExportTest : public ::testing::Test {
protected:
    HistoryExportTest() {
        setenv("TZ", "CET-1", 1);
        tzset();
    }
    ~HistoryExportTest() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    test::TempFolder folder;
};

TEST_F(HistoryExportTest, FieldsAreQuotedOnlyWhenTheyHoldACommaAQuoteOrALineBreak) {
    EXPECT_EQ(CsvField("English"), "English");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("Ann, Bob"), "\"Ann, Bob\"");
    EXPECT_EQ(CsvField("the \"best\""), "\"the \"\"best\"\"\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(CsvField("Fran\xC3\xA7ois"), "Fran\xC3\xA7ois");
}

// A user or course named like a formula stays text in a spreadsheet.
TEST_F(HistoryExportTest, TextsASpreadsheetWouldRunAsFormulasAreWrittenAsText) {
    EXPECT_EQ(CsvField("=2+3"), "'=2+3");
    EXPECT_EQ(CsvField("+1"), "'+1");
    EXPECT_EQ(CsvField("-Ann"), "'-Ann");
    EXPECT_EQ(CsvField("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(CsvField("\tTab"), "'\tTab");
    EXPECT_EQ(CsvField("=HYPERLINK(\"x\",\"Open\")"), "\"'=HYPERLINK(\"\"x\"\",\"\"Open\"\")\"");
    EXPECT_EQ(CsvField("Ann = Bob"), "Ann = Bob") << "only at the start";
    LineRecord line = TypedLine("=2+3", kDay, "ab", 0, DrillKind::Free);
    EXPECT_THAT(LinesCsv({line}), HasSubstr(",'=2+3,English,free,"));
}

// A line typed while the machine kept another time zone: its date and time
// name the same moment, in the zone of the export.
TEST_F(HistoryExportTest, ALinesDateAndTimeComeFromOneClock) {
    LineRecord line = TypedLine("Ann", kDay + 1, "ab", 0, DrillKind::Free);  // counted in Tokyo: the 19th
    line.finishedAtMs =
        std::int64_t{kDay} * 86'400'000 + 16 * 3'600'000 + 54 * 60'000;        // 16:54 UTC on the 18th
    EXPECT_THAT(LinesCsv({line}), HasSubstr("\r\n2024-03-18,17:54:00,Ann,"));  // exported in CET
    line.finishedAtMs = 0;  // a moment the history does not know
    EXPECT_THAT(LinesCsv({line}), HasSubstr("\r\n2024-03-19,,Ann,"));
}

TEST_F(HistoryExportTest, EveryLineIsARowWithItsDateTimeAndFigures) {
    LineRecord course = TypedLine("Ann", kDay, "abc", 1, DrillKind::Course,
                                  "Fran\xC3\xA7"
                                  "ais, avanc\xC3\xA9");
    course.courseLine = 36;
    course.finishedAtMs =
        std::int64_t{kDay} * 86'400'000 + 8 * 3'600'000 + 5 * 60'000 + 9'000;  // 08:05:09 UTC
    const LineRecord free = TypedLine("Ann", kDay + 1, "ab", 0, DrillKind::Free);

    EXPECT_EQ(LinesCsv({course, free}),
              "date,time,user,course,drill,course_line,characters,errors,keys_per_minute,accuracy,"
              "words_per_minute,line_time_ms\r\n"
              "2024-03-18,09:05:09,Ann,\"Fran\xC3\xA7"
              "ais, avanc\xC3\xA9\",course,37,3,1,300,66,60,600\r\n"
              "2024-03-19,13:00:00,Ann,English,free,,2,0,300,100,60,400\r\n");
    EXPECT_EQ(LinesCsv({}),
              "date,time,user,course,drill,course_line,characters,errors,keys_per_minute,accuracy,"
              "words_per_minute,line_time_ms\r\n")
        << "the header alone";
}

TEST_F(HistoryExportTest, EveryDayOfEveryDrillIsARowWithItsSums) {
    const std::vector<DrillDay> days = {{kDay, DrillKind::Course, 3, 120, 6, 30'000},
                                        {kDay, DrillKind::Paragraph, 1, 600, 0, 120'000},
                                        {kDay + 12, DrillKind::Sentence, 2, 80, 1, 20'000}};
    EXPECT_EQ(DaysCsv(days),
              "date,drill,lines,characters,errors,practice_time_ms,keys_per_minute,accuracy\r\n"
              "2024-03-18,course,3,120,6,30000,240,95\r\n"
              "2024-03-18,paragraph,1,600,0,120000,300,100\r\n"
              "2024-03-30,sentence,2,80,1,20000,240,98\r\n");
}

TEST_F(HistoryExportTest, TheFilesAreNamedAfterTheUserAndTheDay) {
    const HistoryExportFiles files = ExportFileNames("/home/ann/", "Ann/B\xC3\xA9\x61:*", kDay);
    EXPECT_EQ(files.lines, "/home/ann/zq-Ann_B\xC3\xA9\x61__-lines-2024-03-18.csv");
    EXPECT_EQ(files.days, "/home/ann/zq-Ann_B\xC3\xA9\x61__-days-2024-03-18.csv");
}

// The column names of a file's first row.
std::vector<std::string> ColumnsOf(const std::string& csv) {
    std::vector<std::string> columns;
    std::istringstream header(csv.substr(0, csv.find("\r\n")));
    for (std::string column; std::getline(header, column, ',');) columns.push_back(column);
    return columns;
}

// The manual tells what each column holds: every column of both files, and
// every drill's name as the files write it, stand in each language's manual.
TEST_F(HistoryExportTest, EveryColumnAndDrillNameIsExplainedInTheManuals) {
    std::vector<std::string> names = ColumnsOf(LinesCsv({}));
    const std::vector<std::string> dayColumns = ColumnsOf(DaysCsv({}));
    ASSERT_EQ(names.size(), 12u);
    ASSERT_EQ(dayColumns.size(), 8u);
    names.insert(names.end(), dayColumns.begin(), dayColumns.end());
    for (const DrillKind drill : kAllDrills) names.emplace_back(DrillName(drill));
    for (const char* manual : {"manual.html", "manual.fr.html", "manual.de.html"}) {
        const std::string html = ReadWholeFile(std::string(ZQ_SOURCE_DIR) + "/data/help/" + manual).bytes;
        ASSERT_FALSE(html.empty()) << manual;
        for (const std::string& name : names)
            EXPECT_THAT(html, HasSubstr("<code>" + name + "</code>")) << manual;
    }
}

struct SilentView : ProgressView {
    void SetCaption(std::string_view) override {}
    void ShowSummary(std::string_view) override {}
    void ShowCharts(const std::vector<ChartSpec>&) override {}
    void ShowKeyboard(const KeyHeatMap&) override {}
    void ShowHands(const HandsPicture&) override {}
    void ShowSlowestKeys(const std::vector<std::string>&) override {}
    void ShowConfusions(const std::vector<LabelledLine>&) override {}
    void ShowSlowestPairs(const std::vector<std::string>&) override {}
    void ShowMostMissedPairs(const std::vector<std::string>&) override {}
    void SetWeakKeyPractice(bool, std::string_view) override {}
    void SetSlowPairPractice(bool, std::string_view) override {}
};

// What a program's own reading of a file prints, and how it ended.
std::string OutputOf(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return "cannot run " + command;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) output += buffer.data();
    return output;
}

// Reads every row of both files as a spreadsheet would, with Python's csv
// module, and prints what it found.
constexpr const char* kReadWithPython = R"py(
import csv, sys
for path in sys.argv[1:]:
    with open(path, newline='', encoding='utf-8') as f:
        rows = list(csv.DictReader(f))
    widths = {len(row) for row in rows}
    print(len(rows), sorted(widths), rows[0].get('course'), rows[-1]['date'], rows[0]['drill'])
)py";

TEST_F(HistoryExportTest, TheExportOfAHistoryIsReadRowByRowByPythonsCsvModule) {
    if (std::system("python3 -c 'import csv' >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is missing";
    PracticeHistory history(folder.File("zqstats.db"), nullptr);
    for (int day = 0; day < 5; ++day) {
        for (int line = 0; line < 3; ++line)
            history.Record(TypedLine("Ann", kDay + day, "a \"quoted\", line", line, DrillKind::Course,
                                     "Fran\xC3\xA7"
                                     "ais, \"avanc\xC3\xA9\""));
        history.Record(TypedLine("Ann", kDay + day, "free", 0, DrillKind::Free));
    }
    history.Record(TypedLine("Bob", kDay, "not Ann's"));

    SilentView view;
    ProgressOverview overview(view, history, {"Ann", Course(folder.Dir(), "English"), kDay + 4});
    const HistoryExportFiles files = overview.ExportFiles(folder.Dir());
    EXPECT_FALSE(ProgressOverview::WouldReplace(files));
    const ExportOutcome outcome = overview.Export(files);
    ASSERT_TRUE(outcome.done) << outcome.message;
    EXPECT_THAT(outcome.message, HasSubstr("20 lines"));
    EXPECT_TRUE(ProgressOverview::WouldReplace(files));

    folder.Write("read.py", kReadWithPython);
    const std::string read =
        OutputOf("python3 " + folder.File("read.py") + " '" + files.lines + "' '" + files.days + "'");
    EXPECT_EQ(read,
              "20 [12] Fran\xC3\xA7"
              "ais, \"avanc\xC3\xA9\" 2024-03-22 course\n"
              "10 [8] None 2024-03-22 course\n")
        << "every row has every column, names with commas and quotes read whole";
}

TEST_F(HistoryExportTest, AFolderThatCannotBeWrittenIsToldAndLeavesNothing) {
    PracticeHistory history(folder.File("zqstats.db"), nullptr);
    history.Record(TypedLine("Ann", kDay, "abc"));
    SilentView view;
    ProgressOverview overview(view, history, {"Ann", Course(folder.Dir(), "English"), kDay});
    const ExportOutcome outcome = overview.Export(overview.ExportFiles(folder.Dir() + "missing/"));
    EXPECT_FALSE(outcome.done);
    EXPECT_THAT(outcome.message, HasSubstr("could not be exported"));
    EXPECT_THAT(outcome.message, HasSubstr("missing/zq-Ann-lines-2024-03-18.csv"));
}

}  // namespace
}  // namespace zq
