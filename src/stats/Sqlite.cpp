#include "stats/Sqlite.h"

#include <sqlite3.h>

namespace zq {

namespace {

[[noreturn]] void Fail(sqlite3* db, int code) {
    throw SqliteError(code, db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

void Check(sqlite3* db, int code) {
    if (code != SQLITE_OK) Fail(db, code);
}

}  // namespace

SqliteError::SqliteError(int code, const std::string& message)
    : std::runtime_error(message), code_(code & 0xFF) {}

bool SqliteError::IsDamage() const {
    return code_ == SQLITE_CORRUPT || code_ == SQLITE_NOTADB;
}

bool SqliteError::IsBusy() const {
    return code_ == SQLITE_BUSY || code_ == SQLITE_LOCKED;
}

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
    Check(db_, sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), statement_(other.statement_) {
    other.statement_ = nullptr;
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
    Check(db_, sqlite3_bind_int64(statement_, index, value));
    return *this;
}

SqliteStatement& SqliteStatement::BindBytes(int index, std::string_view bytes) {
    // A zero-length BLOB, not NULL, for an empty text.
    Check(db_, bytes.empty() ? sqlite3_bind_zeroblob(statement_, index, 0)
                             : sqlite3_bind_blob(statement_, index, bytes.data(),
                                                 static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement& SqliteStatement::BindText(int index, std::string_view utf8) {
    Check(db_,
          sqlite3_bind_text(statement_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index) {
    Check(db_, sqlite3_bind_null(statement_, index));
    return *this;
}

bool SqliteStatement::Step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    sqlite3_reset(statement_);
    Fail(db_, code);
}

void SqliteStatement::Run() {
    while (Step()) {
    }
    Reset();
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_);
}

std::int64_t SqliteStatement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::Bytes(int column) const {
    const void* bytes = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<size_t>(size)) : std::string();
}

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

SqliteDatabase::SqliteDatabase(const std::string& path, Access access) {
    const int flags =
        access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError(code, message);
    }
    sqlite3_extended_result_codes(db_, 1);
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

void SqliteDatabase::Execute(std::string_view sql) {
    Check(db_, sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, nullptr));
}

SqliteStatement SqliteDatabase::Prepare(std::string_view sql) {
    return SqliteStatement(db_, sql);
}

std::int64_t SqliteDatabase::QueryInteger(std::string_view sql) {
    SqliteStatement statement = Prepare(sql);
    return statement.Step() ? statement.Integer(0) : 0;
}

std::int64_t SqliteDatabase::LastInsertRowId() const {
    return sqlite3_last_insert_rowid(db_);
}

std::int64_t SqliteDatabase::PageCacheBytes() const {
    int current = 0;
    int highest = 0;
    Check(db_, sqlite3_db_status(db_, SQLITE_DBSTATUS_CACHE_USED, &current, &highest, 0));
    return current;
}

void SqliteDatabase::ReleasePageCache() {
    Check(db_, sqlite3_db_release_memory(db_));
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db) {
    db_.Execute("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
    if (!open_) return;
    // Nothing to report from here: an error has already been raised.
    sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit() {
    db_.Execute("COMMIT");
    open_ = false;
}

}  // namespace zq
