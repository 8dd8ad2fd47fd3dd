#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/GameFrameView.h"
#include "game/GameWindow.h"
#include "game/TgameFrame.h"
#include "game/ui/GameOverWindow.h"
#include "game/ui/PictureSurface.h"

class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

namespace zq {

class PlayingArea;

// How regularly the tick timer ticked, for measuring the game's pace.
struct TickCount {
    std::int64_t ticks = 0;    // ticks delivered while a game was on
    std::int64_t dropped = 0;  // of those, ticks that came while a pass was still running
    std::int64_t firstMs = -1;
    std::int64_t lastMs = -1;
    std::int64_t longestGapMs = 0;  // the longest time between two ticks
};

// The game window: a status line and three bars above the playing area. It
// covers the screen, stays above other windows and sees every key first.
// The rules are TgameFrame's; this window shows what it is told, passes
// keys, ticks, showing and closing on, and runs the game thread's steps on
// the user-interface thread.
class GameFrameWindow : public QWidget, public GameFrameView, public GameWindow {
    Q_OBJECT
public:
    explicit GameFrameWindow(QWidget* parent = nullptr);
    ~GameFrameWindow() override;

    TgameFrame& Frame() { return *frame_; }
    // Shows the window (not modally) and starts a game in it. A word file that
    // cannot be read is reported in a box over the window, which then stays
    // open without a game.
    void ShowAndStartGame();
    // Called once the window has let itself be closed (and is hidden).
    std::function<void()> OnClosed;
    // The window waits in an event loop of its own (a question, the
    // game-over view, the window manager's framing): what is below it on the
    // stack uses the window when the loop returns, so it must not be
    // destroyed until then.
    bool InOwnEventLoop() const { return ownEventLoops_ > 0; }

    const PictureSurface& Picture() const { return picture_; }
    TickCount Ticks() const { return ticks_; }
    // The tick timer's handler: one tick of the game, and what the game
    // thread drew since the last tick shown.
    void Tick();

    // GameFrameView.
    void CoverScreen() override;
    std::int32_t ClientWidth() const override;
    void SetPlayingAreaWidth(std::int32_t width) override;
    void SetWindowColor(TColor color) override;
    void SetPlayingAreaFontName(const std::string& name8) override;
    void SetStatusLook(double scale, const std::optional<ContrastPalette>& palette) override;
    void ClearPlayingArea() override;
    void SetBarPosition(GameBar bar, std::int32_t position) override;
    void SetBarColor(GameBar bar, TColor color) override;
    void PaintStatusNow() override;
    void ShowWordsOnScreen(const std::vector<std::string>& words8) override;
    void SetTickTimerEnabled(bool enabled) override;
    std::string AskNumber(std::string_view captionUtf8, std::string_view promptUtf8,
                          std::string_view valueUtf8) override;
    bool ConfirmBox(std::string_view utf8) override;
    void InformationBox(std::string_view utf8) override;
    void ShowGameOver(const GameOverReport& report) override;
    void CloseWindow() override;

    // GameWindow (the game thread's view of the window).
    void PostToUiThread(std::function<void()> step) override;
    void SetStatusText(std::string_view utf8) override;

    // The controls, by the names the game knows them.
    QFrame* StatusPanel = nullptr;
    QLabel* LbStatus = nullptr;
    // The captions above the three bars.
    QLabel* ProgressCaptionLb = nullptr;
    QLabel* InvaderLifeCaptionLb = nullptr;
    QLabel* CityLifeCaptionLb = nullptr;
    QProgressBar* PbTotalLeft = nullptr;
    QProgressBar* PbHitLost = nullptr;
    QProgressBar* PbCityLife = nullptr;
    QLabel* LbCityLife = nullptr;
    PlayingArea* PlayingAreaBox = nullptr;
    QTimer* TickTimer = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Counts an event loop of the window's own for as long as it lives.
    class OwnEventLoop {
    public:
        explicit OwnEventLoop(int& count) : count_(++count) {}
        ~OwnEventLoop() { --count_; }
        OwnEventLoop(const OwnEventLoop&) = delete;
        OwnEventLoop& operator=(const OwnEventLoop&) = delete;

    private:
        int& count_;
    };

    void FormCreate();
    void TypeCharacter(char32_t ch);
    // The status panel across the window's width, the playing area below it.
    void LayOutStatus();
    void ShowStatusText();
    void PaintStatus(const std::optional<ContrastPalette>& palette);
    void LayOutPlayingArea();
    void ResetPicture();
    void ShowChangedPixels();
    void WaitForWindowManager();
    QMargins FrameMargins() const;
    QProgressBar* Bar(GameBar bar) const;
    // What a screen reader reads of the game: the status line, the city's
    // life and the words on screen.
    void DescribeStatus();

    PictureSurface picture_;  // outlives the game that draws on it
    std::unique_ptr<TgameFrame> frame_;
    QString statusText_;            // as the game gave it, leading spaces and all
    QSet<QWidget*> statusToPaint_;  // changed since the status was last painted
    TColor windowColor_ = 0;
    std::int32_t playingAreaWidth_ = 0;
    // The status panel's rows, as the status scale makes them.
    GameOverLook gameOverLook_;  // the status's, Easy reading's when it is on
    int statusHeight_ = 0;
    int panelHeight_ = 0;
    QMargins coveredWithMargins_;  // the frame the window was last sized for
    QElapsedTimer clock_;
    TickCount ticks_;
    QString wordsOnScreen_;  // "Words on screen: sun, moon"
    int ownEventLoops_ = 0;
};

}  // namespace zq
