#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "base/CodePage.h"
#include "course/Course.h"
#include "stats/CourseWords.h"
#include "stats/HistoryExport.h"
#include "stats/KeyHeatMap.h"
#include "stats/ProgressReport.h"
#include "stats/ProgressView.h"

namespace zq {

class PracticeHistory;

// Whose progress the window shows, and on which course.
struct ProgressSetup {
    std::string user;  // 8-bit text of the code page in force, as the profile keeps it
    Course course;
    std::int32_t today = 0;  // day number
    // The code page of the course's texts and keyboard template, and of the
    // drill that practises the weak keys: the course's (the one in force
    // unless told).
    int codePage = SystemCodePage();
    // The learner's line in the course (the profile's progress, 0-based):
    // the words practised hold only characters the course has taught up to
    // and including it. Every line of the course unless told.
    std::int32_t courseLine = std::numeric_limits<std::int32_t>::max();
};

// A line for the free drill that practises what the progress window found
// weak (the learner's weakest keys, or their slowest pairs of keys), and the
// status text that says what it practises (UTF-8).
struct TargetedPractice {
    std::string line8;
    std::string announcement;
};

// How an export of the history went, as the learner is told (UTF-8).
struct ExportOutcome {
    bool done = false;
    std::string message;  // empty when the history warned of its own failure
};

// The progress window's logic: reads a learner's history, fills the window,
// builds the practice lines and exports the history on request.
class ProgressOverview {
public:
    ProgressOverview(ProgressView& view, PracticeHistory& history, ProgressSetup setup);

    // Reads the history and the course's keyboard and fills the window. A
    // history that cannot be read shows an empty report (the history warns).
    void Load();

    // The line for the learner's weakest keys, from the course's own texts;
    // none before the learner has typed enough to tell.
    std::optional<TargetedPractice> PractiseWeakKeys(std::uint32_t seed) const;
    // The line for the learner's slowest pairs of keys, the same way.
    std::optional<TargetedPractice> PractiseSlowPairs(std::uint32_t seed) const;

    // Where an export into `folder` (ending with "/") goes, and whether it
    // would replace a file there.
    HistoryExportFiles ExportFiles(const std::string& folder) const;
    static bool WouldReplace(const HistoryExportFiles& files);
    // Writes the learner's whole history into the two files.
    ExportOutcome Export(const HistoryExportFiles& files);

    const ProgressReport& Report() const { return report_; }
    const KeyHeatMap& Keyboard() const { return keyboard_; }

private:
    std::string Summary() const;
    // The weakest keys that the drill's code page can hold.
    std::vector<char32_t> PractisableWeakKeys() const;
    // The slowest pairs whose keys the drill's code page can hold, as 8-bit text.
    std::vector<std::string> PractisableSlowPairs() const;
    // The course's words and letter groups (see ReadCourseWords) made only of
    // characters taught up to the learner's line.
    CourseWords TaughtWords() const;
    void ShowKeyDiagnosis();
    void ShowPairs();
    void OfferPractice();

    ProgressView& view_;
    PracticeHistory& history_;
    ProgressSetup setup_;
    ProgressReport report_;
    KeyHeatMap keyboard_;
};

}  // namespace zq
