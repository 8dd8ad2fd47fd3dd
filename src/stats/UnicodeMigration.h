#pragma once

#include "stats/HistorySchema.h"

namespace zq {

class SqliteDatabase;

// The migration to version 3 of the history: every key and confusion,
// kept until then as an 8-bit code of the code page of the run that typed
// it, becomes its Unicode character, read in the code page of the line's
// course; user and course names, 8-bit text of the profile file, become
// UTF-8 text, read in the code page in force. The tables are made anew
// with the converted lines, so that no line is lost: codes that turn into
// the same character (bytes that a code page leaves undefined all become
// U+FFFD) are summed, and the sums per day are made again from the lines.
// Runs inside the migration's transaction.
void MigrateHistoryToUnicode(SqliteDatabase& db, const CourseCodePage& courseCodePage);

}  // namespace zq
