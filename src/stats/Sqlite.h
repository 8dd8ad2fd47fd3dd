#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zq {

// A failed SQLite call, with the library's result code.
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& message);

    int Code() const { return code_; }  // the primary result code (SQLITE_BUSY, ...)
    // The file is not a database, or its content is damaged.
    bool IsDamage() const;
    // Another connection holds the lock for longer than the busy timeout.
    bool IsBusy() const;

private:
    int code_;
};

// A prepared statement. Parameters are 1-based, columns 0-based, as in SQLite.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&&) = delete;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, std::int64_t value);
    // 8-bit text is stored as a BLOB: its bytes are kept as they are,
    // whatever the code page.
    SqliteStatement& BindBytes(int index, std::string_view bytes);
    SqliteStatement& BindText(int index, std::string_view utf8);
    SqliteStatement& BindNull(int index);

    // Runs to the next row: true while there is one.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    // Ready to run again, with the same bound values unless they are bound anew.
    void Reset();

    std::int64_t Integer(int column) const;
    std::string Bytes(int column) const;
    bool IsNull(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

// One connection to a database file.
class SqliteDatabase {
public:
    enum class Access { ReadWriteCreate, ReadOnly };

    SqliteDatabase(const std::string& path, Access access);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Runs one or more statements that return no rows.
    void Execute(std::string_view sql);
    SqliteStatement Prepare(std::string_view sql);
    // The value of a pragma or query that returns one integer.
    std::int64_t QueryInteger(std::string_view sql);
    std::int64_t LastInsertRowId() const;
    // The bytes of file pages this connection holds in memory now.
    std::int64_t PageCacheBytes() const;
    // Hands back the file pages held in memory that no statement is using.
    void ReleasePageCache();

    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT: takes the write lock at once, so that a busy
// database is noticed before any work is done. Rolled back unless committed.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void Commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};

}  // namespace zq
