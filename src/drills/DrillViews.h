#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zq {

// What the drill logic asks of the windows around it. The logic never sees
// a toolkit type: the Qt windows implement these interfaces, and the tests
// implement them with recording fakes.

struct DrillRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;  // 0 in a placement request: the window keeps its own height
};

// The on-screen keyboard as a drill drives it.
class KeyboardGuide {
public:
    virtual ~KeyboardGuide() = default;
    // Lights the key that produces `ch` (8-bit code; 0 lights nothing) and
    // returns its finger 0..9, or a value outside 0..9 when there is no key.
    virtual int HighlightKey(unsigned char ch) = 0;
    virtual DrillRect Frame() const = 0;
    virtual void MoveTo(int left, int top) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// One hands window (left or right hand).
class HandGuide {
public:
    virtual ~HandGuide() = default;
    // Points at slot 1..5 (little finger .. thumb); other values are ignored.
    virtual void PointFinger(int slot) = 0;
    virtual void ClearFinger() = 0;
    // Shows the window unless it has nothing to show.
    virtual void ShowHands() = 0;
    virtual void Hide() = 0;
    virtual DrillRect Frame() const = 0;
    virtual void MoveTo(int left, int top) = 0;
};

// The guidance windows a drill drives; any of them may be missing.
struct DrillGuidance {
    KeyboardGuide* keyboard = nullptr;
    HandGuide* leftHand = nullptr;
    HandGuide* rightHand = nullptr;
};

// The drill window itself. Positions are those of the drill logic: zero-based,
// a line break counting as two characters (CR and LF). Texts named `text8`
// are 8-bit text of the system code page, `utf8` texts are for display.
class LineDrillView {
public:
    virtual ~LineDrillView() = default;

    // Sample box.
    virtual void SetSampleText(std::string_view text8) = 0;
    virtual std::string SampleText() const = 0;  // line breaks as CR LF
    // Shows `length` characters from `start` in the selection colours while
    // the focus stays in the input box.
    virtual void SelectSample(int start, int length) = 0;
    virtual void ClearSampleSelection() = 0;
    virtual void SetSampleEnabled(bool enabled) = 0;

    // Input box.
    virtual void MoveInputCaretToEnd() = 0;
    // The format of the next inserted character: the format of the selected
    // sample character, in `colour` (a colour value of the program's encoding).
    virtual void SetInputInsertionColor(std::int32_t color) = 0;
    virtual void ClearInput() = 0;
    virtual void SetInputReadOnly(bool readOnly) = 0;
    virtual void FocusInput() = 0;
    // All text of both boxes takes the sample box's font, colour included.
    virtual void ApplySampleFontToAll() = 0;

    // Marker, status bar and dialogs.
    virtual void SetMarkerVisible(bool visible) = 0;
    virtual void SetMarkerColor(std::int32_t color) = 0;
    virtual void SetStatusText(std::string_view utf8) = 0;
    virtual void InformationBox(std::string_view utf8) = 0;
    virtual void WarningBox(std::string_view utf8) = 0;
    // The platform's text input box; Cancel gives `defaultAnswer`.
    virtual std::string InputBox(std::string_view captionUtf8, std::string_view promptUtf8,
                                 std::string_view defaultAnswerUtf8) = 0;

    // The window.
    virtual DrillRect ScreenArea() const = 0;
    // The window's frame: title bar and borders included, once the window
    // manager has framed the window.
    virtual DrillRect Frame() const = 0;
    virtual void PlaceWindow(const DrillRect& frame) = 0;
    // Moves the window's frame to (left, top), keeping its size.
    virtual void MoveWindow(int left, int top) = 0;
    // The window colour as an RGB value of the program's encoding (a theme
    // colour already resolved).
    virtual std::int32_t PanelRgb() const = 0;
    virtual void SetWindowColor(std::int32_t color) = 0;
    virtual void CloseWindow() = 0;
};

}  // namespace zq
