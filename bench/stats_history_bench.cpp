// The practice history: the write at the end of every drill line (goal:
// under 1 ms) and the reading of the progress window from a year of daily
// practice, 365 days of 200 lines (goal, with the window: under 200 ms).
#include <benchmark/benchmark.h>

#include <filesystem>

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

void BM_WeakKeyLine(benchmark::State& state) {
    const std::vector<std::string> texts = ReadCourseTexts(bench::SourceEnglishCourse());
    std::uint32_t seed = 0;
    for (auto _ : state) benchmark::DoNotOptimize(BuildWeakKeyLine(WordsOf(texts), "qzp", ++seed));
}
BENCHMARK(BM_WeakKeyLine)->Unit(benchmark::kMicrosecond);

}  // namespace
