#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/LibraryError.h"
#include "profile/TFontRecord.h"

namespace zq {

// A value that is not an integer where the profile needs one: the library's
// message ("'%s' is not a valid integer value"), with the key it belongs to.
class InvalidProfileValue : public LibraryError {
public:
    InvalidProfileValue(const LibraryError& error, std::string key)
        : LibraryError(error), key_(std::move(key)) {}
    const std::string& Key() const { return key_; }

private:
    std::string key_;
};

// One user's settings and results. The record knows nothing of files: it
// turns itself into "Key=Value" lines and back, and asks its owner to load
// or store it through OnLoad and OnSave (see ProfileStore).
class TProfile {
public:
    // Raised with the profile and a section (user) name.
    using SectionEvent = std::function<void(TProfile& sender, const std::string& section)>;

    // The largest practice time a profile holds, in milliseconds.
    static constexpr std::int32_t kMaxTimeTotal = 2147483647;
    // The adaptive drill's target speed and the daily goal of practice when
    // the profile file has none.
    static constexpr std::int32_t kDefaultTargetSpeed = 150;  // keys per minute
    static constexpr std::int32_t kDefaultDailyGoal = 10;     // minutes
    // The range of SpeechRate.
    static constexpr std::int32_t kSlowestSpeech = -10;
    static constexpr std::int32_t kFastestSpeech = 10;

    // The lines of every stored field, in the order the file keeps them.
    std::vector<std::string> SaveToStrings() const;
    // Sets the fields from "Key=Value" lines (see the .cpp for the rules).
    // A value that is not an integer where one is needed raises
    // InvalidProfileValue; the fields read before it keep their new values,
    // the others their old ones.
    void LoadFromStrings(const std::vector<std::string>& lines);
    // Takes the settings of `source` but none of its results (progress,
    // practice time, game scores); the user name and events stay. A new
    // user starts with ShowModifiers on.
    void AssignSettings(const TProfile& source);
    // The keys of the lines whose values are UTF-8 rather than 8-bit text:
    // those that name courses, so that a course folder's name survives
    // whatever the code page.
    static const std::vector<std::string_view>& Utf8Keys();

    // Makes `course` the current course: Progress is kept for the course
    // left, and the line reached in `course` before (0 for a course not
    // practised yet) becomes Progress.
    void ChangeCourse(const std::string& course);
    // The line reached in a course, the current one or another.
    std::int32_t LineReachedIn(const std::string& course) const;

    // Raise OnLoad / OnSave with UserName; SaveAs with another name.
    void Load();
    void Save();
    void SaveAs(const std::string& name);
    // Raises OnSaveProgress with UserName: stores what practice changes as it
    // goes, the line reached and the practice time (ProgressToStrings).
    void SaveProgress();
    // The lines of the course, the line reached in it and in the others, and
    // the practice time, as SaveToStrings writes them.
    std::vector<std::string> ProgressToStrings() const;

    void SetPracticeFont(const TFontRecord& font) { PracticeFont = font; }
    void SetTextFont(const TFontRecord& font) { TextFont = font; }
    void SetGameFont(const TFontRecord& font) { GameFont = font; }

    // Adds practice time to TimeTotal, which stops at kMaxTimeTotal instead
    // of wrapping to a negative time.
    void AddPracticeTime(std::int32_t milliseconds);

    SectionEvent OnSave;
    SectionEvent OnLoad;
    SectionEvent OnSaveProgress;
    TFontRecord PracticeFont;  // sample and input lines of the line drills
    TFontRecord GameFont;      // falling words of the game
    TFontRecord TextFont;      // the paragraph drill
    std::string UserName;      // also the section name in the profile file
    bool FullScreen = false;
    TColor BgColor = 0;
    std::string Course;          // the course folder's name, UTF-8 (see course/Course.h)
    std::int32_t Progress = 0;   // 0-based line index in the current course's file
    std::int32_t TimeTotal = 0;  // milliseconds over all runs
    std::string HelpFile;
    bool HighLight = false;
    bool Blinking = false;
    TColor GameBgColor = 0;
    bool FunSpeed = false;
    bool GameEnabled = false;
    bool DrillSoundEnabled = false;
    bool GameSoundEnabled = false;
    bool PopupAtEnd = false;
    // The on-screen keyboard also lights the Shift, AltGr or dead key a
    // character needs. Off when the profile file lacks the key, on for new
    // users.
    bool ShowModifiers = false;
    // The speed every key of the adaptive drill is to reach before the next
    // key of the course joins, in keys per minute.
    std::int32_t TargetSpeed = kDefaultTargetSpeed;
    // The practice the main window counts the learner's days against, in minutes.
    std::int32_t DailyGoal = kDefaultDailyGoal;
    // The drills and the game speak: the next character or word, the
    // finger, mistakes and results (see src/speech). Off when the profile
    // file lacks the key.
    bool Speak = false;
    // How fast the voice speaks, from kSlowestSpeech to kFastestSpeech; 0,
    // the voice's own pace, when the profile file lacks the key. The voice
    // takes a stored value outside the range as the nearer end of it.
    std::int32_t SpeechRate = 0;
    // Large print and strong contrast in the drills, the keyboard and hands
    // windows and the game (see EasyReading). Off when the profile file
    // lacks the key.
    bool EasyReading = false;
    std::int32_t GScore1 = 0;
    std::int32_t GScore2 = 0;
    std::int32_t GScore3 = 0;
    std::int32_t GScore4 = 0;
    std::int32_t GScore5 = 0;
    std::string KeyboardLayout;  // eight hexadecimal digits, e.g. "00000409"
    // The line reached in every other course the learner has practised, by
    // course name (UTF-8); kept as "Name:line" items joined by "/", which no
    // folder name holds.
    std::map<std::string, std::int32_t> OtherCoursesProgress;
};

}  // namespace zq
