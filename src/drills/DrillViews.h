#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "keyboard/GuidanceViews.h"

namespace zq {

// What the drill logic asks of the windows around it. The logic never sees
// a toolkit type: the Qt windows implement these interfaces, and the tests
// implement them with recording fakes. The keyboard and hands windows it
// drives are the keyboard's (keyboard/GuidanceViews.h).

// The drill window itself. Positions are those of the drill logic: zero-based,
// a line break counting as two characters (CR and LF). Texts named `text8`
// are 8-bit text of the drill's code page (the course's, see
// TFmLinePractice::SetTextCodePage), `utf8` texts are for display.
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
