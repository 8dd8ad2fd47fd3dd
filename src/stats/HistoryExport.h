#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/HistoryStore.h"

namespace zq {

// A learner's history as two CSV files (RFC 4180: fields separated by
// commas, quoted when they hold a comma, a quote or a line break, lines
// ended by CR LF; UTF-8 text without a byte-order mark), for a spreadsheet.
// The first line names the columns; the manual describes them. A line's
// date (YYYY-MM-DD) and time are the moment it was finished, both in the
// machine's time zone now; a day's date is the learner's calendar day as
// counted when the practice happened.

// One row per completed line, in the order the lines were finished:
// date, time, user, course, drill, course_line (1 for the first line of the
// course file; empty outside the course drill), characters, errors,
// keys_per_minute, accuracy, words_per_minute, line_time_ms.
std::string LinesCsv(const std::vector<LineRecord>& lines);

// One row per day and drill: date, drill, lines, characters, errors,
// practice_time_ms, keys_per_minute, accuracy.
std::string DaysCsv(const std::vector<DrillDay>& days);

// A field as CSV holds it; a text that a spreadsheet would run as a
// formula (beginning with "=", "+", "-", "@", a tab or a carriage return)
// behind a "'", as spreadsheets themselves write such a text.
std::string CsvField(std::string_view text);

// The two files of a learner's export and where they go.
struct HistoryExportFiles {
    std::string lines;
    std::string days;
};

// "zq-<user>-lines-<date>.csv" and "zq-<user>-days-<date>.csv" in `folder`
// (a path of the file system, in UTF-8, ending with "/"), the user name
// (UTF-8) with characters a file name cannot hold replaced by "_".
HistoryExportFiles ExportFileNames(const std::string& folder, std::string_view user, std::int32_t today);

// Writes the two files, each through a new file put in the old one's
// place. Raises "Unable to write to %s".
void WriteHistoryCsv(const std::vector<LineRecord>& lines, const std::vector<DrillDay>& days,
                     const HistoryExportFiles& files);

}  // namespace zq
