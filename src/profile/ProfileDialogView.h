#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "profile/ColorList.h"
#include "profile/TFontRecord.h"
#include "profile/TProfile.h"

namespace zq {

// The three example edits of the "Layout" tab, each showing one font of the
// profile.
enum class ExampleFont {
    Line,       // ExampleEd: the practice font
    Paragraph,  // ParagraphExampleEd: the paragraph drill's font
    Game,       // GameExampleEd: the game font
};

// The two colour boxes of the "Layout" tab.
enum class ColorBox {
    Background,      // EdColor: named colours only
    GameBackground,  // ColorEd: ends with "Custom..."
};

// The check boxes of the "Misc" tab, and Easy reading on the "Layout" tab.
enum class ProfileSwitch {
    FunSpeed,           // ChkFunSpeed
    HighLight,          // HighlightEd
    Blinking,           // BlinkingEd
    FullScreen,         // ChkFullScreen
    DrillSoundEnabled,  // ChkDrillSoundEnabled
    GameSoundEnabled,   // ChkGameSoundEnabled
    PopupAtEnd,         // ChkPopupAtEnd
    ShowModifiers,      // ChkShowModifiers
    Speak,              // ChkSpeak
    EasyReading,        // ChkEasyReading ("Layout" tab)
};

// The number boxes of the "Goals" tab, and the speech rate of the "Misc" tab.
enum class ProfileNumber {
    TargetSpeed,  // TargetSpeedEd: the adaptive drill's target, keys per minute
    DailyGoal,    // DailyGoalEd: minutes of practice a day
    SpeechRate,   // SpeechRateEd: how fast the voice speaks
};

// The values a number box takes.
struct NumberRange {
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
};
constexpr NumberRange RangeOf(ProfileNumber which) {
    switch (which) {
        case ProfileNumber::TargetSpeed:
            return {20, 600};
        case ProfileNumber::DailyGoal:
            return {1, 600};
        case ProfileNumber::SpeechRate:
            return {TProfile::kSlowestSpeech, TProfile::kFastestSpeech};
    }
    return {};
}

// What the profile dialog's logic asks of its window. Texts named `text8`
// are 8-bit text of the system code page, `utf8` texts are for display.
class ProfileDialogView {
public:
    virtual ~ProfileDialogView() = default;

    // Above the tabs.
    virtual void SetUserText(std::string_view text8) = 0;
    virtual std::string UserText() const = 0;
    virtual void SetUserList(const std::vector<std::string>& names8) = 0;
    // The course box: a list of the courses there are (names in UTF-8),
    // one of them selected or none (-1), in which case the box shows
    // `placeholderUtf8` instead (the course a profile names that is gone).
    virtual void ShowCourseList(const std::vector<std::string>& namesUtf8) = 0;
    virtual void SelectCourse(int index, std::string_view placeholderUtf8) = 0;
    virtual int SelectedCourse() const = 0;  // -1 when none
    // The window that makes a course for one of the computer's keyboard
    // layouts in `coursesFolder`, under a name none of `takenNames` has: the
    // name of the course made, or nothing.
    virtual std::optional<std::string> MakeNewCourse(const std::string& coursesFolder,
                                                     const std::vector<std::string>& takenNames) = 0;
    virtual void SetProgressText(std::string_view utf8) = 0;
    virtual void SetTimeText(std::string_view utf8) = 0;

    // "Layout" tab.
    virtual void ShowExampleFont(ExampleFont example, const TFontRecord& font) = 0;
    virtual void SetGameExampleBackground(TColor color) = 0;
    // The box shows the list's entries and its selection.
    virtual void ShowColors(ColorBox box, const ColorList& colors) = 0;
    // The font families of the desktop (8-bit names), that a font can be
    // proposed only when it is there.
    virtual std::vector<std::string> FontFamilies() const = 0;

    // Check boxes ("Misc" tab, and Easy reading on "Layout").
    virtual void SetSwitch(ProfileSwitch which, bool on) = 0;
    virtual bool Switch(ProfileSwitch which) const = 0;

    // The number boxes ("Goals" tab and the speech rate on "Misc"): the box
    // shows the value, brought into its range.
    virtual void SetNumber(ProfileNumber which, std::int32_t value) = 0;
    virtual std::int32_t Number(ProfileNumber which) const = 0;

    // "Keyboard" tab.
    virtual void SetLayoutInfo(const std::vector<std::string>& lines8) = 0;
    virtual void SetLayoutList(const std::vector<std::string>& lines8) = 0;
    virtual void SelectLayout(int index) = 0;  // -1: no selection
    virtual int SelectedLayout() const = 0;    // -1 when none
    virtual void SetOriginalLayoutName(std::string_view name8) = 0;

    // Buttons below the tabs.
    virtual void HideSaveAndErase() = 0;

    // The font chooser and the colour chooser; nothing when the user cancels.
    virtual std::optional<TFontRecord> ChooseFont(const TFontRecord& initial) = 0;
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;

    // Message boxes: plain (application title, OK), information, error, and
    // a confirmation answered Yes (true) or No.
    virtual void PlainMessage(std::string_view utf8) = 0;
    virtual void InformationMessage(std::string_view utf8) = 0;
    virtual void ErrorMessage(std::string_view utf8) = 0;
    virtual bool Confirm(std::string_view utf8) = 0;

    // Ends the modal run: accepted (OK) or not (Cancel).
    virtual void CloseDialog(bool accepted) = 0;
};

}  // namespace zq
