#include "stats/HistoryCopy.h"

#include <sqlite3.h>
#include <filesystem>
#include <memory>
#include <system_error>

#include "base/FileReplace.h"
#include "stats/Sqlite.h"

namespace zq {
namespace {

// How long the backup waits for a program that holds the history locked.
constexpr int kBusyTimeoutMs = 5000;

// An empty file of a free name beside `path`, removed with its journals
// unless kept.
class TemporaryFile {
public:
    // Named so that the next start removes it when a kill leaves it behind.
    explicit TemporaryFile(const std::string& path) : path_(MakeTemporaryFileBeside(path)) {}
    ~TemporaryFile() {
        if (kept_) return;
        std::error_code ignored;
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            std::filesystem::remove(path_ + suffix, ignored);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }
    void RenameTo(const std::string& path) {
        std::filesystem::rename(path_, path);
        kept_ = true;
    }

private:
    std::string path_;
    bool kept_ = false;
};

void Backup(SqliteDatabase& source, SqliteDatabase& copy) {
    const std::unique_ptr<sqlite3_backup, int (*)(sqlite3_backup*)> backup(
        sqlite3_backup_init(copy.Handle(), "main", source.Handle(), "main"), sqlite3_backup_finish);
    if (!backup) throw SqliteError(sqlite3_errcode(copy.Handle()), sqlite3_errmsg(copy.Handle()));
    const int step = sqlite3_backup_step(backup.get(), -1);
    if (step != SQLITE_DONE) throw SqliteError(step, sqlite3_errstr(step));
}

}  // namespace

void CopyHistoryFile(const std::string& from, const std::string& to) {
    TemporaryFile temporary(to);
    {
        SqliteDatabase source(from, SqliteDatabase::Access::ReadOnly);
        source.Execute("PRAGMA busy_timeout = " + std::to_string(kBusyTimeoutMs));
        SqliteDatabase copy(temporary.Path(), SqliteDatabase::Access::ReadWriteCreate);
        Backup(source, copy);
    }  // closed: the copy is on the disk before it takes its name
    temporary.RenameTo(to);
}

}  // namespace zq
