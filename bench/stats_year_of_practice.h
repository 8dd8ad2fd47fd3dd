#pragma once

// A year of daily practice for the history benchmarks: 365 days of 200
// lines of the English course, made once a run in a temporary folder. A
// brief run among the tests (ZQ_BENCH_BRIEF) makes a month of it: the code
// is the same, and making the year would take most of the run.

#include <cstdlib>
#include <string>

#include "base/TextFile.h"
#include "course/Course.h"
#include "stats/HistoryStore.h"
#include "stats/SimulatedPractice.h"
#include "stats/WeakKeyLine.h"
#include "support/TempFolder.h"

namespace zq::bench {

inline constexpr const char* kYearUser = "Default";
inline constexpr const char* kYearCourse = "English";
inline constexpr std::int32_t kYearLastDay = 19'800;
inline constexpr int kYearDays = 365;
inline constexpr int kYearLinesPerDay = 200;

// The days of practice made: the year, or a month for a brief run.
inline int PracticeDays() {
    return std::getenv("ZQ_BENCH_BRIEF") != nullptr ? 30 : kYearDays;
}

// The English course as the sources hold it (data/ is laid out as a
// program folder).
inline Course SourceEnglishCourse() {
    return Course(std::string(ZQ_SOURCE_DIR) + "/data/", kYearCourse);
}

inline std::vector<std::string> EnglishWords() {
    return WordsOf(ReadCourseTexts(SourceEnglishCourse()));
}

// The path of the year's history, made at the first use of a run in a
// temporary folder that goes when the run ends.
inline std::string YearOfPractice() {
    static const test::TempFolder folder;
    static const std::string path = [] {
        const std::string made = folder.File("zqstats.db");
        HistoryStore store(made);
        SimulatedLearner learner;
        learner.user = kYearUser;
        learner.course = kYearCourse;
        learner.linesPerDay = kYearLinesPerDay;
        const std::vector<std::string> words = EnglishWords();
        const int days = PracticeDays();
        for (int index = 0; index < days; ++index)
            store.AddLines(SimulateDay(learner, words, kYearLastDay - days + 1 + index, index));
        store.Database().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
        return made;
    }();
    return path;
}

}  // namespace zq::bench
