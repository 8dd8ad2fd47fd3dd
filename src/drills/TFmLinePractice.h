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

#include "base/CodePage.h"
#include "base/VirtualKeys.h"
#include "base/stopwatch.h"
#include "drills/DrillViews.h"
#include "drills/LineKeyCounts.h"
#include "drills/LineRecorder.h"
#include "drills/LineSource.h"
#include "drills/TypingObserver.h"

namespace zq {

// Fixed colours of typed characters (colour values of the program's encoding).
inline constexpr std::int32_t RightColor = 8388608;  // navy
inline constexpr std::int32_t WrongColor = 255;      // red

inline constexpr std::int32_t kImplausibleKeysPerMinute = 700;
inline constexpr std::int32_t kPassAccuracy = 95;
// The marker (and the course drill's position label) contrast with the panel.
inline constexpr std::int32_t kMarkerContrastMask = 0xAAAAAA;

// Characters with a meaning of their own in the character handling; the
// Backspace and Escape keys type those of their key codes.
inline constexpr unsigned char kBackspace = VK_BACK;
inline constexpr unsigned char kTab = VK_TAB;
inline constexpr unsigned char kLineFeed = 10;
inline constexpr unsigned char kCarriageReturn = 13;
inline constexpr unsigned char kEscape = VK_ESCAPE;
inline constexpr unsigned char kSpace = 32;

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

// Where a drill window goes on a screen: 90 % of its width, centred, an
// eighth of its height from the top (20 pixels on screens of 640 or less).
DrillRect ArrangedDrillFrame(const DrillRect& screen);

// The line drill: judges every key against the sample, times the line,
// shows statistics and drives the keyboard and hands windows. Its lines come
// from a line source the owner hands it (Practise); after every line the
// NextLine hook asks the source what follows. Subclasses add what their
// windows offer beyond it through the six hooks; they run FormCreate after
// construction.
// Lines are timed with the stopwatch the owner hands in (not owned): the
// drill windows of a run share one, as only one is open at a time.
//
// Positions are 1-based: Pos is the position of the next character to type,
// 0 while no line has been set up at all; Marks[i] says whether the
// character at position i was typed rightly (index 0 is unused).
class TFmLinePractice {
public:
    using DrillEvent = std::function<void(TFmLinePractice& sender)>;
    // What the owner is told of while the learner types; any may be empty.
    struct DrillEvents {
        DrillEvent OnLineDone;        // a line typed to its end
        DrillEvent OnWrongKey;        // a key other than the expected one
        DrillEvent OnReturnExpected;  // the next character to type is a line break
        // A line ended, however it ended (typed to its end, Enter, Escape):
        // its time is in PracticeTime() and the source has moved on.
        DrillEvent OnLineEnded;
    };

    TFmLinePractice(LineDrillView& view, stopwatch& watch, DrillGuidance guidance);
    virtual ~TFmLinePractice() = default;
    TFmLinePractice(const TFmLinePractice&) = delete;
    TFmLinePractice& operator=(const TFmLinePractice&) = delete;

    // Lifecycle, called by the window.
    virtual void FormCreate();
    virtual void FormShow();
    void FormHide();

    // What the owner sets before the window is shown.
    // Begins practising the lines of `lines` (not owned; it outlives the
    // drill): its line is set up at once and its announcement shown.
    virtual void Practise(LineSource& lines);
    void SetDrillColor(std::int32_t color);
    // The colours of right and wrong typed characters (RightColor and
    // WrongColor until set; Easy reading gives its palette's).
    void SetTypedColors(std::int32_t right, std::int32_t wrong) {
        rightColor_ = right;
        wrongColor_ = wrong;
    }
    std::int32_t TypedRightColor() const { return rightColor_; }
    std::int32_t TypedWrongColor() const { return wrongColor_; }
    void SetEvents(DrillEvents events) { events_ = std::move(events); }
    // Told of every completed line when set (not owned).
    void SetRecorder(LineRecorder* recorder) { recorder_ = recorder; }
    // Told of every key, line and next character when set (not owned; it
    // outlives the drill's window, or is set to null before it goes). A
    // drill closed with Escape tells it nothing more.
    void SetTypingObserver(TypingObserver* observer) { observer_ = observer; }
    // The statistics of every completed line also in an information box.
    void SetPopupAtEnd(bool popup) { popupAtEnd_ = popup; }
    // The next character to type is shown highlighted in the sample.
    void SetHighLight(bool highLight) { highLight_ = highLight; }
    // The code page of the drill's text (the course's): the sample, the
    // typed keys and the keys lit are 8-bit characters of it, whatever the
    // code page of the windows. The one in force until told.
    void SetTextCodePage(int codePage) { textCodePage_ = codePage; }
    int TextCodePage() const { return textCodePage_; }

    const DrillEvents& Events() const { return events_; }
    bool PopupAtEnd() const { return popupAtEnd_; }
    bool HighLight() const { return highLight_; }
    // Whether the keyboard and hands windows take part (not in the paragraph drill).
    bool UseGuidance() const { return useGuidance_; }
    // Whether Enter ends a line early (else it is a character of the text).
    bool EnterEndsLine() const { return enterEndsLine_; }

    // The line being typed and how far it has come.
    const std::string& Sample() const { return sample_; }
    std::int32_t SampleLength() const { return static_cast<std::int32_t>(sample_.size()); }
    // Sample[i] with 1-based i; code 0 outside 1..SampleLength.
    unsigned char SampleAt(std::int32_t i) const;
    std::int32_t Pos() const { return pos_; }
    const std::vector<bool>& Marks() const { return marks_; }
    // The line's errors: characters typed wrongly, and the characters not
    // typed yet (a line ended early is judged so).
    std::int32_t Errors() const;
    // The words of the sample, for words per minute: runs of characters
    // other than the space (see CountWords).
    virtual std::int32_t WordCount() const;
    // The stopwatch runs: the line's first key has been typed.
    bool Started() const { return started_; }
    const LineKeyCounts& KeyCounts() const { return keyCounts_; }
    // Where the line stands in the drill's source (the course's line).
    LinePlace Place() const;

    // How the last line ended, its time, and whether it was typed with the
    // pass accuracy (a line not judged counts as passed).
    LineOutcome Outcome() const { return outcome_; }
    std::int32_t LineTime() const { return lineTime_; }
    bool LinePassed() const { return linePassed_; }
    // The time of every line ended in this window, in milliseconds.
    std::int32_t PracticeTime() const { return totalTime_; }

    // Keys from the input box. InputEditKeyDown gets Windows virtual-key codes
    // and returns true when the key is cancelled. InputEditKeyPress gets the
    // 8-bit character and returns whether it reaches the input box; `key` may
    // be replaced (a space taken as a line break becomes CR).
    virtual bool InputEditKeyDown(int virtualKey);
    bool InputEditKeyPress(unsigned char& key);
    // A character the code page cannot hold: judged as a wrong character.
    bool InputEditForeignKeyPress();

    void ShowStatistics();
    void ShowFinger(int finger);
    // Places the keyboard and hands windows below the drill window, all on
    // the screen (see PlaceGuidanceWindows), then shows them.
    void ShowGuidance();
    // Places them again, as when the drill window's frame has changed.
    void PlaceGuidance();
    void ResetEdits();

    // Hooks, in their slot order. NextLine tells the source how the line
    // ended and takes the line it gives.
    virtual void ShowNextKey(unsigned char ch);
    virtual void ArrangeWindow();
    virtual void MarkRight();
    virtual void MarkWrong();
    virtual bool WantHighlight();
    virtual void NextLine();

protected:
    LineDrillView& view() { return view_; }
    // The source being practised; null until the drill has one.
    LineSource* Lines() { return lines_; }
    // Follows a step of the source: tells the learner what it says, then
    // sets up the source's line (or the line before again) and waits for
    // its first key. Without any line the drill goes on waiting.
    void TakeLine(const LineStep& step);
    void SetUseGuidance(bool use) { useGuidance_ = use; }
    void SetEnterEndsLine(bool ends) { enterEndsLine_ = ends; }
    void SetSample(std::string text8);
    // A new attempt at the sample: every mark cleared, the first position,
    // the stopwatch at zero and the key counts empty.
    void SetUpLine();
    // SetUpLine, and the drill waits for the line's first key: the marker
    // hidden, nothing started or judged yet, the first key lit. The typing
    // observer hears of the line; `againBelowPassAccuracy` when it comes
    // again after an accuracy below the pass mark.
    void RestartLine(bool againBelowPassAccuracy = false);
    void Raise(const DrillEvent& event);

private:
    enum class KeyClass { Character, Foreign };
    bool HandleKey(unsigned char& key, KeyClass keyClass);
    bool HandleRightKey(unsigned char key);
    bool HandleOtherKey(unsigned char& key, KeyClass keyClass, std::int64_t nowMs);
    void SetMark(std::int32_t position, bool right);
    void StartLineOnFirstKey();
    void EndLine(unsigned char key);
    LineOutcome OutcomeOfEnd(unsigned char key) const;
    // Hands a completed line to the recorder and the source.
    void HandOverCompletedLine();
    void ShowNextKeyAtPos();
    // The typing observer hears the character to type next.
    void TellNextCharacter();
    // Lights the key of the first character of a freshly set sample.
    void ShowFirstKey();
    // Tells the learner, after the statistics, that a line below the pass
    // accuracy comes again.
    void AnnounceLineAgain();

    LineDrillView& view_;
    stopwatch& watch_;
    DrillGuidance guidance_;
    LineSource* lines_ = nullptr;
    DrillEvents events_;
    LineRecorder* recorder_ = nullptr;
    TypingObserver* observer_ = nullptr;
    bool popupAtEnd_ = false;
    bool highLight_ = false;
    std::int32_t rightColor_ = RightColor;
    std::int32_t wrongColor_ = WrongColor;
    int textCodePage_ = SystemCodePage();
    bool useGuidance_ = true;
    bool enterEndsLine_ = true;

    std::string sample_;
    std::vector<bool> marks_;
    std::int32_t pos_ = 0;
    bool started_ = false;
    bool finished_ = false;  // a key has ended the line; it is being wound up
    LineKeyCounts keyCounts_;

    LineOutcome outcome_ = LineOutcome::loNoLine;
    std::int32_t lineTime_ = 0;
    bool linePassed_ = true;
    std::int32_t totalTime_ = 0;
    std::string statisticsText_;  // of the last completed line
};

}  // namespace zq
