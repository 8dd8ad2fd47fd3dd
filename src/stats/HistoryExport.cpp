#include "stats/HistoryExport.h"

#include <ctime>

#include "base/FileReplace.h"
#include "stats/LocalDay.h"
#include "stats/ProgressReport.h"

namespace zq {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string TwoDigits(int value) {
    std::string digits = std::to_string(value);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return digits;
}

std::string DateText(std::int32_t day) {
    const CalendarDate date = DateOfDay(day);
    return std::to_string(date.year) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day);
}

std::string TimeOfDayText(std::int64_t utcMilliseconds) {
    const auto seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return TwoDigits(local.tm_hour) + ":" + TwoDigits(local.tm_min) + ":" + TwoDigits(local.tm_sec);
}

void AddRow(std::string& csv, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) csv += ',';
        csv += CsvField(field);
        first = false;
    }
    csv += kLineEnd;
}

// A character that no file name may hold, or that would make one hard to type.
bool UnfitForFileName(char ch) {
    return static_cast<unsigned char>(ch) < 32 || ch == '/' || ch == '\\' || ch == ':' || ch == '*' ||
           ch == '?' || ch == '"' || ch == '<' || ch == '>' || ch == '|';
}

}  // namespace

std::string CsvField(std::string_view text) {
    std::string field;
    // A spreadsheet runs a field that begins so as a formula: a user or
    // course named "=HYPERLINK(...)" would act in the learner's sheet.
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        field = "'";
    field += text;
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char ch : field) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

std::string LinesCsv(const std::vector<LineRecord>& lines) {
    std::string csv;
    AddRow(csv, {"date", "time", "user", "course", "drill", "course_line", "characters", "errors",
                 "keys_per_minute", "accuracy", "words_per_minute", "line_time_ms"});
    for (const LineRecord& line : lines) {
        // Date and time from one clock: a day counted in another time zone
        // beside a time of this one would name a moment that never was.
        const bool finishedKnown = line.finishedAtMs > 0;
        AddRow(csv, {DateText(finishedKnown ? LocalDayOf(line.finishedAtMs) : line.localDay),
                     finishedKnown ? TimeOfDayText(line.finishedAtMs) : std::string(), line.user, line.course,
                     std::string(DrillName(line.drill)),
                     line.courseLine >= 0 ? std::to_string(std::int64_t{line.courseLine} + 1) : std::string(),
                     std::to_string(line.characters), std::to_string(line.errors),
                     std::to_string(line.keysPerMinute), std::to_string(line.accuracy),
                     std::to_string(line.wordsPerMinute), std::to_string(line.lineTimeMs)});
    }
    return csv;
}

std::string DaysCsv(const std::vector<DrillDay>& days) {
    std::string csv;
    AddRow(csv, {"date", "drill", "lines", "characters", "errors", "practice_time_ms", "keys_per_minute",
                 "accuracy"});
    for (const DrillDay& day : days) {
        AddRow(csv, {DateText(day.day), std::string(DrillName(day.drill)), std::to_string(day.lines),
                     std::to_string(day.characters), std::to_string(day.errors), std::to_string(day.timeMs),
                     std::to_string(KeysPerMinute(day)), std::to_string(Accuracy(day))});
    }
    return csv;
}

HistoryExportFiles ExportFileNames(const std::string& folder, std::string_view user, std::int32_t today) {
    std::string name(user);
    for (char& ch : name)
        if (UnfitForFileName(ch)) ch = '_';
    const std::string date = DateText(today);
    return {folder + "zq-" + name + "-lines-" + date + ".csv",
            folder + "zq-" + name + "-days-" + date + ".csv"};
}

void WriteHistoryCsv(const std::vector<LineRecord>& lines, const std::vector<DrillDay>& days,
                     const HistoryExportFiles& files) {
    ReplaceFileContents(files.lines, LinesCsv(lines));
    ReplaceFileContents(files.days, DaysCsv(days));
}

}  // namespace zq
