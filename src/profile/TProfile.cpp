#include "profile/TProfile.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <variant>

#include "base/AsciiText.h"
#include "base/Numbers.h"

namespace zq {
namespace {

// One stored key and the field it holds. `Profile` is TProfile or
// const TProfile, so that saving and loading share one table.
template <class Profile>
struct Binding {
    using Text = decltype(&std::declval<Profile&>().Course);
    using Integer = decltype(&std::declval<Profile&>().Progress);
    using Boolean = decltype(&std::declval<Profile&>().FullScreen);
    using CourseLines = decltype(&std::declval<Profile&>().OtherCoursesProgress);

    std::string_view key;
    std::variant<Text, Integer, Boolean, CourseLines> field;
    // Taken when the key is missing or its value empty. Booleans have none:
    // they are true only for "1".
    std::string_view textDefault = {};
    std::int32_t integerDefault = 0;
};

constexpr std::string_view kDefaultFontName = "courier";
constexpr std::int32_t kDefaultFontSize = 10;
constexpr TColor kDefaultBgColor = 8421504;  // mid grey

// Every stored key in the order the file keeps them. The practice and text
// fonts store only bold and italic of their style flags.
template <class Profile>
std::vector<Binding<Profile>> BindingsOf(Profile& p) {
    return {
        {"FullScreen", &p.FullScreen},
        {"BgColor", &p.BgColor, {}, kDefaultBgColor},
        {"Course", &p.Course},
        {"Progress", &p.Progress},
        {"TimeTotal", &p.TimeTotal},
        {"KeyboardLayout", &p.KeyboardLayout, "00000409"},
        {"PracticeFontName", &p.PracticeFont.Name, kDefaultFontName},
        {"PracticeFontSize", &p.PracticeFont.Size, {}, kDefaultFontSize},
        {"PracticeFontColor", &p.PracticeFont.Color},
        {"PracticeFontBold", &p.PracticeFont.Bold},
        {"PracticeFontItalic", &p.PracticeFont.Italic},
        {"TextFontName", &p.TextFont.Name, kDefaultFontName},
        {"TextFontSize", &p.TextFont.Size, {}, kDefaultFontSize},
        {"TextFontColor", &p.TextFont.Color},
        {"TextFontBold", &p.TextFont.Bold},
        {"TextFontItalic", &p.TextFont.Italic},
        {"GameFontName", &p.GameFont.Name, kDefaultFontName},
        {"GameFontSize", &p.GameFont.Size, {}, kDefaultFontSize},
        {"GameFontColor", &p.GameFont.Color},
        {"GameFontBold", &p.GameFont.Bold},
        {"GameFontItalic", &p.GameFont.Italic},
        {"GameFontUnderLine", &p.GameFont.Underline},
        {"GameFontStrikeOut", &p.GameFont.StrikeOut},
        {"GameBgColor", &p.GameBgColor},
        {"FunSpeed", &p.FunSpeed},
        {"HelpFile", &p.HelpFile, "zqhelp.chm"},
        {"HighLight", &p.HighLight},
        {"Blinking", &p.Blinking},
        {"GameEnabled", &p.GameEnabled},
        {"GameSoundEnabled", &p.GameSoundEnabled},
        {"DrillSoundEnabled", &p.DrillSoundEnabled},
        {"PopupAtEnd", &p.PopupAtEnd},
        {"GScore1", &p.GScore1},
        {"GScore2", &p.GScore2},
        {"GScore3", &p.GScore3},
        {"GScore4", &p.GScore4},
        {"GScore5", &p.GScore5},
        {"ShowModifiers", &p.ShowModifiers},
        {"TargetSpeed", &p.TargetSpeed, {}, TProfile::kDefaultTargetSpeed},
        {"DailyGoal", &p.DailyGoal, {}, TProfile::kDefaultDailyGoal},
        {"OtherCoursesProgress", &p.OtherCoursesProgress},
        {"Speak", &p.Speak},
        {"SpeechRate", &p.SpeechRate},
        {"EasyReading", &p.EasyReading},
    };
}

// The order of reading differs from the order of writing; it decides which
// fields already have their new values when a bad integer stops the reading.
constexpr std::array<std::string_view, 44> kReadOrder = {
    "FullScreen",
    "BgColor",
    "Course",
    "Progress",
    "TimeTotal",
    "KeyboardLayout",
    "PracticeFontName",
    "PracticeFontSize",
    "PracticeFontColor",
    "PracticeFontBold",
    "PracticeFontItalic",
    "TextFontName",
    "TextFontSize",
    "TextFontColor",
    "TextFontBold",
    "TextFontItalic",
    "HelpFile",
    "HighLight",
    "Blinking",
    "GameFontName",
    "GameFontSize",
    "GameFontColor",
    "GameFontBold",
    "GameFontItalic",
    "GameFontUnderLine",
    "GameFontStrikeOut",
    "GameBgColor",
    "FunSpeed",
    "GameEnabled",
    "GameSoundEnabled",
    "DrillSoundEnabled",
    "PopupAtEnd",
    "GScore1",
    "GScore2",
    "GScore3",
    "GScore4",
    "GScore5",
    "ShowModifiers",
    "TargetSpeed",
    "DailyGoal",
    "OtherCoursesProgress",
    "Speak",
    "SpeechRate",
    "EasyReading",
};

// Between the items of OtherCoursesProgress, and between a course's name and
// its line: no folder name holds "/", and a line number holds no ":".
constexpr char kCourseSeparator = '/';
constexpr char kLineSeparator = ':';

// An item that does not read as a name and a line is left out: the key is
// the program's own addition, and a damaged one must not lock a user out.
std::map<std::string, std::int32_t> ParseCourseLines(std::string_view value) {
    std::map<std::string, std::int32_t> lines;
    while (!value.empty()) {
        const size_t end = std::min(value.find(kCourseSeparator), value.size());
        const std::string_view item = value.substr(0, end);
        value.remove_prefix(std::min(end + 1, value.size()));
        const size_t colon = item.rfind(kLineSeparator);
        if (colon == std::string_view::npos || colon == 0) continue;
        const auto line = TryParseInt32(item.substr(colon + 1));
        if (line && *line >= 0) lines[std::string(item.substr(0, colon))] = *line;
    }
    return lines;
}

std::string FormatCourseLines(const std::map<std::string, std::int32_t>& lines) {
    std::string value;
    for (const auto& [course, line] : lines) {
        if (!value.empty()) value += kCourseSeparator;
        value += course + kLineSeparator + std::to_string(line);
    }
    return value;
}

// The value of the first line whose name (the text before its first "=")
// is `key`, compared without regard to case; empty when there is none.
std::string_view ValueOf(const std::vector<std::string>& lines, std::string_view key) {
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos &&
            EqualsIgnoringAsciiCase(std::string_view(line).substr(0, equals), key))
            return std::string_view(line).substr(equals + 1);
    }
    return {};
}

struct Reader {
    std::string_view value;
    const Binding<TProfile>& binding;

    void operator()(std::string* text) const {
        *text = value.empty() ? std::string(binding.textDefault) : std::string(value);
    }
    void operator()(std::int32_t* integer) const {
        try {
            *integer = value.empty() ? binding.integerDefault : ParseInt32(value);
        } catch (const LibraryError& error) {
            throw InvalidProfileValue(error, std::string(binding.key));
        }
    }
    void operator()(bool* flag) const { *flag = value == "1"; }
    void operator()(std::map<std::string, std::int32_t>* lines) const { *lines = ParseCourseLines(value); }
};

struct Writer {
    std::string operator()(const std::string* text) const { return *text; }
    std::string operator()(const std::int32_t* integer) const { return std::to_string(*integer); }
    std::string operator()(const bool* flag) const { return *flag ? "1" : "0"; }
    std::string operator()(const std::map<std::string, std::int32_t>* lines) const {
        return FormatCourseLines(*lines);
    }
};

}  // namespace

std::vector<std::string> TProfile::SaveToStrings() const {
    std::vector<std::string> lines;
    for (const auto& binding : BindingsOf(*this))
        lines.push_back(std::string(binding.key) + "=" + std::visit(Writer{}, binding.field));
    return lines;
}

void TProfile::LoadFromStrings(const std::vector<std::string>& lines) {
    const auto bindings = BindingsOf(*this);
    for (const std::string_view key : kReadOrder) {
        const auto binding = std::ranges::find(bindings, key, &Binding<TProfile>::key);
        std::visit(Reader{ValueOf(lines, key), *binding}, binding->field);
    }
}

void TProfile::AssignSettings(const TProfile& source) {
    LoadFromStrings(source.SaveToStrings());
    Progress = 0;
    TimeTotal = 0;
    GScore1 = GScore2 = GScore3 = GScore4 = GScore5 = 0;
    OtherCoursesProgress.clear();
    ShowModifiers = true;
}

const std::vector<std::string_view>& TProfile::Utf8Keys() {
    static const std::vector<std::string_view> keys = {"Course", "OtherCoursesProgress"};
    return keys;
}

void TProfile::ChangeCourse(const std::string& course) {
    if (course == Course) return;
    if (!Course.empty()) OtherCoursesProgress[Course] = Progress;
    const auto reached = OtherCoursesProgress.find(course);
    Progress = reached != OtherCoursesProgress.end() ? reached->second : 0;
    if (reached != OtherCoursesProgress.end()) OtherCoursesProgress.erase(reached);
    Course = course;
}

std::int32_t TProfile::LineReachedIn(const std::string& course) const {
    if (course == Course) return Progress;
    const auto reached = OtherCoursesProgress.find(course);
    return reached != OtherCoursesProgress.end() ? reached->second : 0;
}

void TProfile::Load() {
    if (OnLoad) OnLoad(*this, UserName);
}

void TProfile::Save() {
    if (OnSave) OnSave(*this, UserName);
}

void TProfile::SaveAs(const std::string& name) {
    if (OnSave) OnSave(*this, name);
}

void TProfile::SaveProgress() {
    if (OnSaveProgress) OnSaveProgress(*this, UserName);
}

// The course goes with its line: a course changed in the profile dialog
// must not be stored with the line of another.
std::vector<std::string> TProfile::ProgressToStrings() const {
    static constexpr std::string_view kProgressKeys[] = {"Course", "Progress", "TimeTotal",
                                                         "OtherCoursesProgress"};
    std::vector<std::string> lines = SaveToStrings();
    std::erase_if(lines, [](const std::string& line) {
        const std::string_view key = std::string_view(line).substr(0, line.find('='));
        return std::ranges::find(kProgressKeys, key) == std::end(kProgressKeys);
    });
    return lines;
}

void TProfile::AddPracticeTime(std::int32_t milliseconds) {
    TimeTotal = SaturatingAdd(TimeTotal, milliseconds);
}

}  // namespace zq
