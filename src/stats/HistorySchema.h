#pragma once

#include <stdexcept>
#include <string>

namespace zq {

class SqliteDatabase;

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

// Brings the database to `targetVersion` (the current one unless given),
// one transaction per migration; two programs opening the same new file at
// once migrate it once. Raises NewerHistoryError for a newer file.
void MigrateHistory(SqliteDatabase& db);
void MigrateHistory(SqliteDatabase& db, int targetVersion);

}  // namespace zq
