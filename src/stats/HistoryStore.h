#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/HistorySchema.h"
#include "stats/LineRecord.h"
#include "stats/Sqlite.h"

namespace zq {

// The practice of one drill on one day: lines, characters, errors and time.
struct DrillDay {
    std::int32_t day = 0;
    DrillKind drill = DrillKind::Course;
    std::int64_t lines = 0;
    std::int64_t characters = 0;
    std::int64_t errors = 0;
    std::int64_t timeMs = 0;
};

// The practice history in one SQLite file: every completed line with its
// keys, pairs of keys and confusions, and their sums per day. Names (user, course) are
// UTF-8 text, keys Unicode characters. User names match without regard to
// ASCII case, as profile names do. Every failure raises SqliteError (or
// NewerHistoryError when opening a newer file).
class HistoryStore {
public:
    // Opens or creates the file, in write-ahead-log mode, and brings its
    // layout up to date; the keys of an older file are read in the code
    // page of their course (see CourseCodePage).
    explicit HistoryStore(const std::string& path, const CourseCodePage& courseCodePage = {});

    // Adds one line in one transaction: all of it is kept, or none. The
    // file pages it read are not kept in memory after it: a run that adds
    // thousands of lines uses no more memory than one that added a few.
    void AddLine(const LineRecord& line);
    // Adds many lines in one transaction (history made elsewhere, or generated).
    void AddLines(const std::vector<LineRecord>& lines);
    // Removes every line and sum of a user, the adaptive drill's memory of
    // them and their best games.
    void EraseUser(std::string_view user);

    // A user's practice per drill and day, days firstDay..lastDay, in day order.
    std::vector<DrillDay> DrillDays(std::string_view user, std::int32_t firstDay, std::int32_t lastDay);
    // The sums of each expected character of a user's practice on a course.
    std::vector<KeyTally> KeyTotals(std::string_view user, std::string_view course, std::int32_t firstDay,
                                    std::int32_t lastDay);
    // The sums of each pair of keys of a user's practice on a course.
    std::vector<PairTally> PairTotals(std::string_view user, std::string_view course, std::int32_t firstDay,
                                      std::int32_t lastDay);
    // The most frequent confusions, most frequent first.
    std::vector<Confusion> TopConfusions(std::string_view user, std::string_view course,
                                         std::int32_t firstDay, std::int32_t lastDay, int limit);
    std::int64_t LineCount();
    // Every line of a user, all courses, in the order they were finished:
    // their figures only (no keys, pairs or confusions).
    std::vector<LineRecord> LinesOf(std::string_view user);

    SqliteDatabase& Database() { return db_; }

private:
    void WriteLine(const LineRecord& line);

    SqliteDatabase db_;
    // The statements of the write, prepared once: a line is written in well
    // under a millisecond.
    SqliteStatement insertLine_;
    SqliteStatement insertLineKey_;
    SqliteStatement addDayKey_;
    SqliteStatement insertLineConfusion_;
    SqliteStatement addDayConfusion_;
    SqliteStatement insertLinePair_;
    SqliteStatement addDayPair_;
};

}  // namespace zq
