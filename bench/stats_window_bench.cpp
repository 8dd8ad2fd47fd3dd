// The progress window opened on a year of daily practice (365 days of 200
// lines): the history read, the course's keyboard built, the three charts
// made, and the window shown and painted. Goal: under 200 ms. The first
// opening of a run also loads the chart module (Qt Charts).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "stats/PracticeHistory.h"
#include "stats/ui/ProgressWindow.h"
#include "stats_year_of_practice.h"

namespace {

using namespace zq;

void OpenAndClose(const std::string& historyPath) {
    const std::string programDir = std::string(ZQ_PROGRAM_DIR) + "/";
    PracticeHistory history(historyPath, nullptr);
    ProgressWindow window(
        history, {bench::kYearUser, Course(programDir, bench::kYearCourse), bench::kYearLastDay}, programDir);
    window.show();
    window.repaint();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.Overview().Report().drillDays.size());
}

// Registered first, so that it is the run's first opening.
void BM_FirstOpeningOfTheRun(benchmark::State& state) {
    const std::string year = bench::YearOfPractice();
    for (auto _ : state) OpenAndClose(year);
}
BENCHMARK(BM_FirstOpeningOfTheRun)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenProgressWindowOnAYear(benchmark::State& state) {
    const std::string year = bench::YearOfPractice();
    for (auto _ : state) OpenAndClose(year);
}
BENCHMARK(BM_OpenProgressWindowOnAYear)->Unit(benchmark::kMillisecond);

}  // namespace
