#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/CodePage.h"
#include "course/Course.h"
#include "stats/KeyHeatMap.h"
#include "stats/ProgressReport.h"
#include "stats/ProgressView.h"

namespace zq {

class PracticeHistory;

// Whose progress the window shows, and on which course.
struct ProgressSetup {
    std::string user;  // 8-bit text
    Course course;
    std::int32_t today = 0;  // day number
    // The code page of the names, of the course's texts and keyboard
    // template, and of the drill that practises the weak keys: the one in
    // force unless told.
    int codePage = SystemCodePage();
};

// A line of the learner's weakest keys for the free drill, and the status
// text that says which keys it practises (UTF-8).
struct WeakKeyPractice {
    std::string line8;
    std::string announcement;
};

// The progress window's logic: reads a learner's history, fills the window
// and builds the weak-key line on request.
class ProgressOverview {
public:
    ProgressOverview(ProgressView& view, PracticeHistory& history, ProgressSetup setup);

    // Reads the history and the course's keyboard and fills the window. A
    // history that cannot be read shows an empty report (the history warns).
    void Load();

    // The line for the learner's weakest keys, from the course's own texts;
    // none before the learner has typed enough to tell.
    std::optional<WeakKeyPractice> PractiseWeakKeys(std::uint32_t seed) const;

    const ProgressReport& Report() const { return report_; }
    const KeyHeatMap& Keyboard() const { return keyboard_; }

private:
    std::string Summary() const;
    // The weakest keys that the drill's code page can hold.
    std::vector<char32_t> PractisableWeakKeys() const;

    ProgressView& view_;
    PracticeHistory& history_;
    ProgressSetup setup_;
    ProgressReport report_;
    KeyHeatMap keyboard_;
};

}  // namespace zq
