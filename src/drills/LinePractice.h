#pragma once

// The drill classes keep the program's historical window names (TFmLinePractice,
// TFmSentencePrac, TFmCoursePrac, ...): they hold each drill's rules and state.
// Their Qt windows are separate classes named ...Window (src/drills/ui) that
// implement LineDrillView and forward keys to them.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Stopwatch.h"
#include "drills/DrillViews.h"
#include "drills/LineKeyCounts.h"
#include "drills/LineRecorder.h"

namespace zq {

enum class LineOutcome { loCompleted = 0, loEscaped = 1, loEnter = 2, loNoLine = 3 };

// Fixed colours of typed characters (colour values of the program's encoding).
inline constexpr std::int32_t RightColor = 8388608;  // navy
inline constexpr std::int32_t WrongColor = 255;      // red

inline constexpr std::int32_t kImplausibleKeysPerMinute = 700;
inline constexpr std::int32_t kPassAccuracy = 95;
// The marker (and the course drill's position label) contrast with the panel.
inline constexpr std::int32_t kMarkerContrastMask = 0xAAAAAA;

// Key codes with a meaning of their own in the character handling.
inline constexpr unsigned char kBackspace = 8;
inline constexpr unsigned char kLineFeed = 10;
inline constexpr unsigned char kCarriageReturn = 13;
inline constexpr unsigned char kEscape = 27;
inline constexpr unsigned char kSpace = 32;

// Windows virtual-key codes the key-down handlers look at.
namespace vk {
inline constexpr int PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39,
                     Down = 40, Insert = 45, Delete = 46;
// The code of a key taken by an input method (a dead key whose composed
// character arrives afterwards).
inline constexpr int ProcessKey = 229;
}  // namespace vk

struct DrillStatistics {
    std::int64_t keysPerMinute = 0;
    std::int64_t accuracy = 0;
    std::int64_t wordsPerMinute = 0;
};

// Keys per minute, accuracy and words per minute of a line, truncating.
DrillStatistics ComputeStatistics(std::int64_t length, std::int64_t errors, std::int64_t words,
                                  std::int64_t lineTimeMs);

// The number of maximal runs of characters other than the space.
std::int32_t CountWords(std::string_view sample);

// `text` without leading and trailing characters of codes 0 to 32.
std::string TrimControlAndBlank(std::string_view text);

// Where a drill window goes on a screen: 90 % of its width, centred, an
// eighth of its height from the top (20 pixels on screens of 640 or less).
DrillRect ArrangedDrillFrame(const DrillRect& screen);

// The line drill: judges every key against the sample, times the line,
// shows statistics and drives the keyboard and hands windows. Subclasses
// supply lines through the six hooks; they run FormCreate after construction.
// Lines are timed with the stopwatch the owner hands in (not owned): the
// drill windows of a run share one, as only one is open at a time.
class TFmLinePractice {
public:
    using DrillEvent = std::function<void(TFmLinePractice& sender)>;

    TFmLinePractice(LineDrillView& view, stopwatch& watch, DrillGuidance guidance);
    virtual ~TFmLinePractice() = default;
    TFmLinePractice(const TFmLinePractice&) = delete;
    TFmLinePractice& operator=(const TFmLinePractice&) = delete;

    // Lifecycle, called by the window.
    virtual void FormCreate();
    virtual void FormShow();
    void FormHide();

    // Operations used by the owner.
    void SetDrillColor(std::int32_t colour);
    std::int32_t PracticeTime() const { return TotalTime; }
    void SetSample(std::string text8);
    const std::string& Sample() const { return sample_; }
    // Sample[i] with 1-based i; code 0 outside 1..SampleLength.
    unsigned char SampleAt(std::int32_t i) const;

    // Keys from the input box. InputEditKeyDown gets Windows virtual-key codes
    // and returns true when the key is cancelled. InputEditKeyPress gets the
    // 8-bit character and returns whether it reaches the input box; `key` may
    // be replaced (a space taken as a line break becomes CR).
    virtual bool InputEditKeyDown(int virtualKey);
    bool InputEditKeyPress(unsigned char& key);
    // A character the code page cannot hold: judged as a wrong character.
    bool InputEditForeignKeyPress();

    // Used by the subclasses.
    void ShowStatistics();
    void ShowFinger(int finger);
    // Places the keyboard and hands windows below the drill window, all on
    // the screen (see PlaceGuidanceWindows), then shows them.
    void ShowGuidance();
    // Places them again, as when the drill window's frame has changed.
    void PlaceGuidance();
    void ResetEdits();
    void SetUpLine();  // SampleLength, Pos, stopwatch and word count for a new sample
    // The line of the course file being typed; -1 outside the course drill.
    virtual std::int32_t CourseLineIndex() const { return -1; }
    const LineKeyCounts& KeyCounts() const { return keyCounts_; }

    // Hooks, in their slot order.
    virtual void ShowNextKey(unsigned char ch);
    virtual void ArrangeWindow();
    virtual void MarkRight();
    virtual void MarkWrong();
    virtual bool WantHighlight();
    virtual void NextLine();

    // Drill state; the owner sets the options and events after construction.
    std::int32_t TotalTime = 0;
    bool LinePassed = true;
    bool HighLight = false;
    bool UseGuidance = true;
    DrillEvent OnLineDone;
    DrillEvent OnWrongKey;
    DrillEvent OnReturnExpected;
    // Told of every completed line, when set (not owned).
    LineRecorder* Recorder = nullptr;
    bool PopupAtEnd = false;
    std::int32_t LineTime = 0;
    std::vector<bool> Marks;
    LineOutcome Outcome = LineOutcome::loNoLine;
    std::int32_t Errors = 0;
    std::int32_t SampleLength = 0;
    std::int32_t WordCount = 0;
    std::int32_t Pos = 0;
    bool Started = false;
    bool Finished = false;
    bool EnterEndsLine = true;

protected:
    LineDrillView& view() { return view_; }
    const DrillGuidance& guidance() const { return guidance_; }
    // Lights the key of the first character of a freshly set sample.
    void ShowFirstKey();
    // Tells the learner, after the statistics, that a line below the pass
    // accuracy comes again.
    void AnnounceLineAgain();
    void Raise(const DrillEvent& event);

private:
    enum class KeyClass { Character, Foreign };
    bool HandleKey(unsigned char& key, KeyClass keyClass);
    bool HandleRightKey(unsigned char key);
    bool HandleOtherKey(unsigned char& key, KeyClass keyClass, std::int64_t nowMs);
    void SetMark(std::int32_t position, bool right);
    void StartLineOnFirstKey();
    void EndLine(unsigned char key);
    void RecordCompletedLine();
    void ShowNextKeyAtPos();

    LineDrillView& view_;
    stopwatch& watch_;
    DrillGuidance guidance_;
    std::string sample_;
    std::string statisticsText_;  // of the last completed line
    std::int32_t windowColour_ = 0;
    LineKeyCounts keyCounts_;
};

}  // namespace zq
