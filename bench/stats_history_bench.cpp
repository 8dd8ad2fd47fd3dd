// The practice history: the write at the end of every drill line, its keys,
// pairs of keys and confusions (goal: under 1 ms), the reading of the
// progress window from a year of daily practice, 365 days of 200 lines
// (goal, with the window: under 200 ms), and the export of that year as CSV.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "stats/HistoryExport.h"
#include "stats/HistoryStore.h"
#include "stats/ProgressReport.h"
#include "stats/SimulatedPractice.h"
#include "stats/WeakKeyLine.h"
#include "stats_year_of_practice.h"

namespace {

using namespace zq;

void BM_RecordLine(benchmark::State& state) {
    const test::TempFolder folder;
    HistoryStore store(folder.File("zqstats.db"));
    const SimulatedLearner learner;
    const std::vector<LineRecord> day = SimulateDay(learner, bench::EnglishWords(), 19'800, 30);
    std::size_t next = 0;
    for (auto _ : state) {
        store.AddLine(day[next]);
        next = (next + 1) % day.size();
    }
    state.SetItemsProcessed(state.iterations());
    // What a line of the made-up learner holds: some 45 pairs and 20 keys.
    std::size_t pairs = 0;
    std::size_t keys = 0;
    for (const LineRecord& line : day) pairs += line.pairs.size(), keys += line.keys.size();
    state.counters["pairs_per_line"] = static_cast<double>(pairs) / static_cast<double>(day.size());
    state.counters["keys_per_line"] = static_cast<double>(keys) / static_cast<double>(day.size());
}
BENCHMARK(BM_RecordLine)->Unit(benchmark::kMicrosecond);

void BM_ProgressReportOfAYear(benchmark::State& state) {
    HistoryStore store(bench::YearOfPractice());
    for (auto _ : state) {
        const ProgressReport report =
            ReadProgressReport(store, bench::kYearUser, bench::kYearCourse, bench::kYearLastDay);
        benchmark::DoNotOptimize(report.drillDays.data());
    }
}
BENCHMARK(BM_ProgressReportOfAYear)->Unit(benchmark::kMillisecond);

void BM_ExportAYearAsCsv(benchmark::State& state) {
    HistoryStore store(bench::YearOfPractice());
    const test::TempFolder folder;
    const HistoryExportFiles files = ExportFileNames(folder.Dir(), bench::kYearUser, bench::kYearLastDay);
    for (auto _ : state) {
        WriteHistoryCsv(
            store.LinesOf(bench::kYearUser),
            store.DrillDays(bench::kYearUser, bench::kYearLastDay - bench::kYearDays, bench::kYearLastDay),
            files);
    }
}
BENCHMARK(BM_ExportAYearAsCsv)->Unit(benchmark::kMillisecond);

void BM_WeakKeyLine(benchmark::State& state) {
    const std::vector<std::string> texts = ReadCourseTexts(bench::SourceEnglishCourse());
    std::uint32_t seed = 0;
    for (auto _ : state) benchmark::DoNotOptimize(BuildWeakKeyLine(WordsOf(texts), "qzp", ++seed));
}
BENCHMARK(BM_WeakKeyLine)->Unit(benchmark::kMicrosecond);

}  // namespace
