// The adaptive drill's lines on a year of daily practice, 365 days of 200
// lines of the English course (goal: a line in under 5 ms). The first line
// of a drill reads where the learner stands from the history; every later
// line follows the line just typed.
#include <benchmark/benchmark.h>

#include "adaptive/AdaptiveLines.h"
#include "adaptive/CourseKeyOrder.h"
#include "base/TextFile.h"
#include "stats/AdaptiveHistory.h"
#include "stats/PracticeHistory.h"
#include "stats_year_of_practice.h"

namespace {

using namespace zq;

// The learner of the year with `keysInPlay` keys of the course in play.
AdaptiveSetup YearLearner(PracticeHistory& history, std::int32_t keysInPlay) {
    history.Change([&](HistoryStore& store) {
        WriteKeysInPlay(store, bench::kYearUser, bench::kYearCourse, keysInPlay);
    });
    const Course english = bench::SourceEnglishCourse();
    return {.user = bench::kYearUser,
            .course = bench::kYearCourse,
            .courseLines = ReadTextLines(english.CoursePath()),
            .words = AdaptiveWordsOf(english),
            .seed = 1};
}

// Keys in play: the course's first four, half of its keys, all of them.
void KeysInPlayArguments(benchmark::internal::Benchmark* benchmark) {
    const std::size_t all = CourseKeyOrder(ReadTextLines(bench::SourceEnglishCourse().CoursePath())).size();
    for (const std::size_t keys : {std::size_t{4}, all / 2, all})
        benchmark->Arg(static_cast<std::int64_t>(keys));
}

void BM_FirstAdaptiveLineOfAYear(benchmark::State& state) {
    PracticeHistory history(bench::YearOfPractice(), {});
    const AdaptiveSetup setup = YearLearner(history, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        const AdaptiveLines lines(history, setup);
        benchmark::DoNotOptimize(lines.Line());
    }
}
BENCHMARK(BM_FirstAdaptiveLineOfAYear)->Apply(KeysInPlayArguments)->Unit(benchmark::kMillisecond);

void BM_NextAdaptiveLine(benchmark::State& state) {
    PracticeHistory history(bench::YearOfPractice(), {});
    AdaptiveLines lines(history, YearLearner(history, static_cast<std::int32_t>(state.range(0))));
    for (auto _ : state) {
        // The line typed as it stands, a little slowly, so that no key joins.
        const std::string sample = *lines.Line();
        LineKeyCounts counts;
        std::int64_t now = 0;
        for (const char ch : sample) counts.Right(static_cast<unsigned char>(ch), now += 500);
        lines.LineCompleted({.sample = sample, .keys = counts});
        lines.LineEnded({.outcome = LineOutcome::loCompleted, .passed = true});
        benchmark::DoNotOptimize(lines.Line());
    }
}
BENCHMARK(BM_NextAdaptiveLine)->Apply(KeysInPlayArguments)->Unit(benchmark::kMillisecond);

}  // namespace
