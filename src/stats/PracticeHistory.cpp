#include "stats/PracticeHistory.h"

#include <filesystem>

#include "base/CodePage.h"
#include "base/Translation.h"
#include "stats/DamagedFile.h"
#include "stats/HistorySchema.h"
#include "stats/LocalDay.h"

namespace zq {

PracticeHistory::PracticeHistory(std::string path, Warning warning)
    : PracticeHistory(std::move(path), std::move(warning), NowUtcMilliseconds) {}

PracticeHistory::PracticeHistory(std::string path, Warning warning, Clock clock,
                                 CourseCodePage courseCodePage)
    : path_(std::move(path)),
      warning_(std::move(warning)),
      clock_(std::move(clock)),
      courseCodePage_(std::move(courseCodePage)) {}

PracticeHistory::~PracticeHistory() = default;

void PracticeHistory::Record(const LineRecord& line) {
    Use([&](HistoryStore& store) { store.AddLine(line); });
}

bool PracticeHistory::EraseUser(std::string_view user) {
    return Use([&](HistoryStore& store) { store.EraseUser(user); });
}

bool PracticeHistory::Read(const std::function<void(HistoryStore&)>& reading) {
    return Use(reading);
}

bool PracticeHistory::ReadIfKept(const std::function<void(HistoryStore&)>& reading) {
    if (!store_ && !std::filesystem::exists(path_)) return false;
    return Use(reading);
}

bool PracticeHistory::Change(const std::function<void(HistoryStore&)>& change) {
    return Use(change);
}

bool PracticeHistory::Use(const std::function<void(HistoryStore&)>& operation) {
    const std::string shownPath = ToUtf8(path_);
    for (int attempt = 1;; ++attempt) {
        try {
            operation(Open());
            return true;
        } catch (const SqliteError& error) {
            store_.reset();  // opened again at the next use
            RemoveIfLeftEmpty();
            if (!error.IsDamage() || attempt > 1) {
                Warn(Format(Tr("The practice history \"%s\" cannot be used: %s. You can go on practising, "
                               "but lines typed while this lasts are not kept."),
                            {shownPath, error.what()}));
                return false;
            }
            try {
                SetAside();
            } catch (const std::exception& renameError) {
                Warn(Format(Tr("The practice history \"%s\" is damaged and cannot be set aside: %s. You "
                               "can go on practising, but lines typed now are not kept."),
                            {shownPath, renameError.what()}));
                return false;
            }
        } catch (const NewerHistoryError&) {
            store_.reset();
            Warn(Format(Tr("The practice history \"%s\" was written by a newer version of the program. "
                           "This version leaves it as it is and keeps no lines in it."),
                        {shownPath}));
            return false;
        } catch (const std::exception& error) {
            store_.reset();
            RemoveIfLeftEmpty();
            Warn(Format(Tr("The practice history \"%s\" cannot be used: %s. You can go on practising, "
                           "but lines typed while this lasts are not kept."),
                        {shownPath, error.what()}));
            return false;
        }
    }
}

HistoryStore& PracticeHistory::Open() {
    if (!store_) {
        std::error_code error;
        madeHere_ = !std::filesystem::exists(path_, error) && !error;
        store_ = std::make_unique<HistoryStore>(path_, courseCodePage_);
    }
    return *store_;
}

void PracticeHistory::RemoveIfLeftEmpty() {
    if (!madeHere_) return;
    std::error_code error;
    const auto emptyOrMissing = [&](const std::string& path) {
        return !std::filesystem::exists(path, error) || std::filesystem::file_size(path, error) == 0;
    };
    // With nothing in the write-ahead log either, nothing was ever kept.
    if (!std::filesystem::is_regular_file(path_, error) || !emptyOrMissing(path_) ||
        !emptyOrMissing(path_ + "-wal"))
        return;
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path_ + suffix, error);
}

void PracticeHistory::SetAside() {
    store_.reset();
    const std::string aside = SetDamagedFileAside(path_, clock_());
    Warn(Format(Tr("The practice history \"%s\" was damaged. It has been kept as \"%s\", and a new "
                   "history has been started."),
                {ToUtf8(path_), ToUtf8(aside)}));
}

void PracticeHistory::Warn(const std::string& utf8) {
    if (warned_) return;
    warned_ = true;
    if (warning_) warning_(utf8);
}

}  // namespace zq
