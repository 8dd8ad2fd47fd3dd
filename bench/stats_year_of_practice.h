#pragma once

// A year of daily practice for the history benchmarks: 365 days of 200
// lines of the English course, made once a run in a temporary folder.

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
        for (int index = 0; index < kYearDays; ++index)
            store.AddLines(SimulateDay(learner, words, kYearLastDay - kYearDays + 1 + index, index));
        store.Database().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
        return made;
    }();
    return path;
}

}  // namespace zq::bench
