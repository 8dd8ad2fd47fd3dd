#pragma once

// A year of daily practice for the history benchmarks: 365 days of 200
// lines of the English course, made once and kept in the build folder.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/TextFile.h"
#include "course/Course.h"
#include "stats/HistorySchema.h"
#include "stats/HistoryStore.h"
#include "stats/SimulatedPractice.h"
#include "stats/WeakKeyLine.h"

namespace zq::bench {

inline constexpr const char* kYearUser = "Default";
inline constexpr const char* kYearCourse = "English";
inline constexpr std::int32_t kYearLastDay = 19'800;
inline constexpr int kYearDays = 365;
inline constexpr int kYearLinesPerDay = 200;

// A fresh folder, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zq-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The English course as the sources hold it (data/ is laid out as a
// program folder).
inline Course SourceEnglishCourse() {
    return Course(std::string(ZQ_SOURCE_DIR) + "/data/", kYearCourse);
}

inline std::vector<std::string> EnglishWords() {
    return WordsOf(ReadCourseTexts(SourceEnglishCourse()));
}

// The path of the year's history, made on first use.
inline std::string YearOfPractice() {
    const std::string path =
        std::string(ZQ_BENCH_DATA_DIR) + "/stats-year-v" + std::to_string(CurrentHistoryVersion()) + ".db";
    if (std::filesystem::exists(path)) return path;
    const std::string making = path + ".making-" + std::to_string(getpid());
    {
        HistoryStore store(making);
        SimulatedLearner learner;
        learner.user = kYearUser;
        learner.course = kYearCourse;
        learner.linesPerDay = kYearLinesPerDay;
        const std::vector<std::string> words = EnglishWords();
        for (int index = 0; index < kYearDays; ++index)
            store.AddLines(SimulateDay(learner, words, kYearLastDay - kYearDays + 1 + index, index));
        store.Database().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    std::filesystem::rename(making, path);
    std::error_code ignored;
    std::filesystem::remove(making + "-wal", ignored);
    std::filesystem::remove(making + "-shm", ignored);
    return path;
}

}  // namespace zq::bench
