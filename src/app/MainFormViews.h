#pragma once

// What the main window's logic (TZQMainFm) asks of the windows around it.
// The Qt windows implement these interfaces; the tests implement them with
// recording fakes. The keyboard and hands windows are the keyboard's
// (GuidanceWindows, keyboard/GuidanceViews.h).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/LearnersDayTexts.h"
#include "base/Color.h"
#include "base/ContrastPalette.h"
#include "base/OneShotTimer.h"
#include "drills/DrillKind.h"
#include "game/GameOverReport.h"
#include "game/GameResult.h"
#include "keyboard/GuidanceViews.h"
#include "speech/SpeechEngine.h"
#include "stats/ProgressOverview.h"

namespace zq {

class ProgramPaths;
class TFmLinePractice;
class TKeyboardLayoutAgent;
class TProfile;
struct TFontRecord;

// The main window itself.
class MainView {
public:
    virtual ~MainView() = default;
    // Every activity button appears and is enabled, or disappears.
    virtual void SetActionsShown(bool shown) = 0;
    // The window covers the screen, or takes the size its buttons need.
    virtual void FillScreen() = 0;
    virtual void FitToControls() = 0;
    virtual void SetWindowColor(TColor color) = 0;
    virtual void ShowWindow() = 0;
    virtual void HideWindow() = 0;
    // A box with the information icon, and a plain box (program title, OK).
    virtual void InformationBox(std::string_view utf8) = 0;
    virtual void PlainBox(std::string_view utf8) = 0;
    // Closes the hidden logon dialog, which ends the program.
    virtual void CloseLogon() = 0;
    // What the learner chose after the profile or the settings could not be
    // stored at closing.
    enum class UnstoredChoice { Retry, EndWithoutStoring, KeepOpen };
    // Shows why storing failed (`utf8`, with what to do) and asks: try again,
    // end the program without storing, or go back to the window (Esc). When
    // the program is told to end meanwhile, that is the answer.
    virtual UnstoredChoice AskAfterFailedStore(std::string_view utf8) = 0;
    // The panel beside the buttons: the learner's course and day.
    virtual void ShowLearnersDay(const LearnersDayTexts& day) = 0;
};

// A drill window, from its creation until it is freed.
class DrillWindow {
public:
    virtual ~DrillWindow() = default;
    // The drill's logic, whatever its kind: events, switches, colour, and
    // the line source it practises.
    virtual TFmLinePractice& Drill() = 0;
    // The font (and its colour) of the sample and input boxes.
    virtual void SetDrillFont(const TFontRecord& font) = 0;
    // The boxes, status bar and highlight in a contrast palette (Easy
    // reading); a window never given one keeps the desktop's colours.
    virtual void SetContrastPalette(const ContrastPalette& palette) = 0;
    // The status bar's text `scale` times its usual size, over two lines
    // when it needs them (Easy reading); 1: one line, as the desktop has it.
    virtual void SetStatusScale(double scale) = 0;
    // The font of the window's own texts; `fontName8` in the code page.
    virtual void SetWindowFont(const std::string& fontName8, std::int32_t charset) = 0;
    // Shows the window and returns when it has closed.
    virtual void ShowModal() = 0;
};

class DrillWindowFactory {
public:
    virtual ~DrillWindowFactory() = default;
    // The window drives the keyboard and hands windows of GuidanceWindows
    // and times its lines with the stopwatch the factory's drills share.
    virtual std::unique_ptr<DrillWindow> CreateDrill(DrillKind kind) = 0;
};

// The game window as the main window hosts it: created at the first game
// of a run and kept, hidden, between games.
class GameHost {
public:
    // The game's cue events. CityShoot, CityMissShoot and DifficultyIncrease
    // may be raised on the game's own thread.
    struct SoundEvents {
        std::function<void()> CityMissShoot;
        std::function<void()> CityShoot;
        std::function<void()> CityHurt;
        std::function<void()> DifficultyIncrease;
    };

    virtual ~GameHost() = default;
    virtual void SetWordFile(const std::string& path) = 0;
    // Offers a score to the window's score table.
    virtual void AddScore(std::int32_t score) = 0;
    // Keeps the result of every game that ends by itself and answers with
    // the learner's best games, which the game-over view shows.
    virtual void SetScoreKeeper(std::function<GameScoreBoard(const GameResult& result)> keeper) = 0;
    virtual void SetSoundEvents(SoundEvents events) = 0;
    // Told, on the game's own thread, of every word launched (8-bit text).
    virtual void SetNewWordHandler(std::function<void(const std::string& word8)> handler) = 0;
    // Called, on the user-interface thread, once the window has let itself
    // be closed (hidden) after its own close handling; not when it refused
    // to close (an unfinished game the player chose to go on with).
    virtual void SetClosedHandler(std::function<void()> closed) = 0;
    // The words' font, also of the playing area; 8-bit text of the code page.
    virtual void SetFontName(const std::string& fontName8) = 0;
    // Shows the window (not modally) and starts a game in it, with the
    // settings of GameSettings().
    virtual void ShowAndStartGame() = 0;
    // The game waits in an event loop of its own (its difficulty question,
    // the question whether to leave, the game-over view): the host must not
    // be destroyed until that loop has returned.
    virtual bool Busy() const = 0;
};

class GameHostFactory {
public:
    virtual ~GameHostFactory() = default;
    // Nothing when this build of the program has no game.
    virtual std::unique_ptr<GameHost> CreateGameHost() = 0;
};

// The help manual.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Asks the desktop to open the file with its handler; false when it cannot.
    virtual bool OpenWithDesktop(const std::string& path) = 0;
    // Shows the file in the program's own help window.
    virtual void ShowInHelpWindow(const std::string& path) = 0;
};

// The profile dialog, from its creation until it is freed.
class ProfileEditor {
public:
    virtual ~ProfileEditor() = default;
    virtual void SetAgent(TKeyboardLayoutAgent* agent) = 0;
    // The courses the dialog offers, and where it makes new ones.
    virtual void SetCourses(const ProgramPaths& paths) = 0;
    virtual void SetWindowFont(const std::string& fontName8, std::int32_t charset) = 0;
    // Shows the dialog on the profile, editing it, or making a new user of
    // it (Save and Erase hidden); true when the user applied the changes.
    virtual bool ExecuteEdit(TProfile& profile) = 0;
    virtual bool ExecuteNewUser(TProfile& profile) = 0;
    // Told of every user the dialog erases (their 8-bit name).
    virtual void SetUserErasedHandler(std::function<void(const std::string& name8)> erased) = 0;
};

class ProfileEditorFactory {
public:
    virtual ~ProfileEditorFactory() = default;
    virtual std::unique_ptr<ProfileEditor> CreateProfileEditor() = 0;
};

// The program's voice, and what its narrators need of the platform.
class SpeechOutputs {
public:
    virtual ~SpeechOutputs() = default;
    // The speaker. The first call starts it: its thread loads the speech
    // module, so a run that never speaks never loads it. `unavailable` is
    // told, on the user-interface thread, when the program cannot speak.
    virtual Speaker& StartSpeech(std::function<void(SpeechProblem problem)> unavailable) = 0;
    // A timer that calls `timeout` on the user-interface thread.
    virtual std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> timeout) = 0;
};

// The progress window.
class ProgressWindows {
public:
    virtual ~ProgressWindows() = default;
    // Shows a learner's progress and returns when the window has closed:
    // with the practice the learner chose in it (weak keys, slow pairs), if any.
    virtual std::optional<TargetedPractice> ShowProgress(PracticeHistory& history,
                                                         const ProgressSetup& setup) = 0;
};

}  // namespace zq
