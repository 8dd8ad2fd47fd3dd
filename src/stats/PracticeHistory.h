#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "stats/HistoryStore.h"

namespace zq {

// The name of the history file in the program folder.
inline constexpr const char* kHistoryFileName = "zqstats.db";

// The practice history of a run: opened when first needed, and never in a
// learner's way. A drill goes on whatever happens to the file: a file that
// is locked, read-only, of a newer program or otherwise unusable gives one
// warning per run (the lines typed meanwhile are not kept); a damaged file
// is set aside under another name, never deleted, and a new one is started.
class PracticeHistory {
public:
    // Shows a message (UTF-8) to the learner.
    using Warning = std::function<void(const std::string& utf8)>;
    using Clock = std::function<std::int64_t()>;  // milliseconds since 1970 UTC

    PracticeHistory(std::string path, Warning warning);
    // `courseCodePage` answers, when a file of an older program is first
    // opened, in which code page each course's keys were typed (see
    // CourseCodePage); without it the code page in force is taken.
    PracticeHistory(std::string path, Warning warning, Clock clock, CourseCodePage courseCodePage = {});
    ~PracticeHistory();

    // Keeps a completed line. Never raises.
    void Record(const LineRecord& line);
    // Removes a user's history (the name in UTF-8); false (after the
    // warning, if it was not given yet) when the file could not be changed.
    bool EraseUser(std::string_view user);
    // Runs a reading on the store; false (after the warning, if it was not
    // given yet) when the history cannot be read.
    bool Read(const std::function<void(HistoryStore&)>& reading);
    // Read, when the file exists: false, without a warning, before the
    // first line is kept (looking makes no file).
    bool ReadIfKept(const std::function<void(HistoryStore&)>& reading);
    // Runs a change on the store, as Read runs a reading: false (after the
    // warning, if it was not given yet) when the history cannot be changed.
    bool Change(const std::function<void(HistoryStore&)>& change);

    const std::string& Path() const { return path_; }
    bool WarningGiven() const { return warned_; }

private:
    // Runs an operation on the open store, opening it first; a damaged file
    // is set aside and the operation tried once more on a new one.
    bool Use(const std::function<void(HistoryStore&)>& operation);
    HistoryStore& Open();
    // After a failure: a file this history made that holds nothing yet (a
    // full disk stops SQLite right after it made the file) goes again, so
    // that no empty file passes for a history.
    void RemoveIfLeftEmpty();
    void SetAside();
    void Warn(const std::string& utf8);

    std::string path_;
    Warning warning_;
    Clock clock_;
    CourseCodePage courseCodePage_;
    std::unique_ptr<HistoryStore> store_;
    // The file did not exist when this history last opened it.
    bool madeHere_ = false;
    bool warned_ = false;
};

}  // namespace zq
