#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "stats/Sqlite.h"

namespace zq {

// The layout of the practice history database. Its version is kept in the
// file (PRAGMA user_version); every version has one migration that leads
// to it from the one before, so a file of any earlier version is brought up
// to date when it is opened, its lines kept.

int CurrentHistoryVersion();

// A file written by a newer program: this one neither reads nor writes it.
class NewerHistoryError : public std::runtime_error {
public:
    explicit NewerHistoryError(int version);
};

// A file whose version is below 0: no program writes one, so its header is
// damaged. It is handled as any damaged file (IsDamage() is true).
class DamagedHistoryError : public SqliteError {
public:
    explicit DamagedHistoryError(int version);
};

// The code page of a course's texts, by the course's name (UTF-8). Files
// before version 3 kept each key as an 8-bit code of the run's code page;
// they are read in the code page of the line's course, in which the line
// was most likely typed. Without an answer, the code page in force is taken.
using CourseCodePage = std::function<int(std::string_view courseUtf8)>;

// Brings the database to `targetVersion` (the current one unless given),
// one transaction per migration; two programs opening the same file at
// once migrate it once. Raises NewerHistoryError for a newer file and
// DamagedHistoryError for a version below 0.
void MigrateHistory(SqliteDatabase& db, const CourseCodePage& courseCodePage = {});
void MigrateHistory(SqliteDatabase& db, int targetVersion, const CourseCodePage& courseCodePage = {});

}  // namespace zq
