#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/ContrastPalette.h"
#include "game/GameOverReport.h"

namespace zq {

// The three bars above the playing area.
enum class GameBar {
    Progress,     // PbTotalLeft
    InvaderLife,  // PbHitLost
    CityLife,     // PbCityLife
};

// What the game window's logic (TgameFrame) asks of its window. The Qt
// window implements it; tests implement it with a recording fake. Texts
// named utf8 are for display, those named 8 are 8-bit text of the system
// code page.
class GameFrameView {
public:
    virtual ~GameFrameView() = default;

    // The window covers the screen, its title bar and border included.
    virtual void CoverScreen() = 0;
    // The width of the window's inside, in pixels.
    virtual std::int32_t ClientWidth() const = 0;
    virtual void SetPlayingAreaWidth(std::int32_t width) = 0;
    // The colour of the window and of the playing area.
    virtual void SetWindowColor(TColor color) = 0;
    virtual void SetPlayingAreaFontName(const std::string& name8) = 0;
    // The status line and the bars' captions `scale` times their usual size
    // (the status panel grows with them, the playing area starts below it),
    // and the panel in `palette`, or in the desktop's colours without one.
    virtual void SetStatusLook(double scale, const std::optional<ContrastPalette>& palette) = 0;
    // The playing area's picture becomes blank, in the window colour.
    virtual void ClearPlayingArea() = 0;

    virtual void SetBarPosition(GameBar bar, std::int32_t position) = 0;
    virtual void SetBarColor(GameBar bar, TColor color) = 0;
    // The status line and the bars are painted now, not at the next chance.
    virtual void PaintStatusNow() = 0;
    // The words falling on the playing area (8-bit texts, in launch order),
    // for screen readers.
    virtual void ShowWordsOnScreen(const std::vector<std::string>& words8) = 0;

    // The 10 ms tick timer.
    virtual void SetTickTimerEnabled(bool enabled) = 0;

    // The number input box: the text its edit holds when it closes, however
    // it was closed.
    virtual std::string AskNumber(std::string_view captionUtf8, std::string_view promptUtf8,
                                  std::string_view valueUtf8) = 0;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool ConfirmBox(std::string_view utf8) = 0;
    // An information box with an OK button.
    virtual void InformationBox(std::string_view utf8) = 0;
    // The game-over view over the window, modal: the game's figures and the
    // learner's best games, in the status's look (see SetStatusLook);
    // returns when it is closed.
    virtual void ShowGameOver(const GameOverReport& report) = 0;

    // Closes the window as its close box does (the close handling runs).
    virtual void CloseWindow() = 0;
};

}  // namespace zq
