#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainFormViews.h"
#include "course/Course.h"
#include "sound/MediaSettings.h"

namespace zq {

class DrillNarrator;
class DrillRecorder;
class GameNarrator;
class LineSource;
class PracticeHistory;
class ProgramPaths;
class SoundCues;
class SoundOutput;
class Speaker;
class TFmLinePractice;
class TWavePlayer;
class TKeyboardLayoutAgent;
class TProfile;
class TSettings;
struct DrillKindEntry;
struct TFontRecord;

// The windows and services the main window works with.
struct MainFormParts {
    MainView& view;
    DrillWindowFactory& drills;
    GuidanceWindows& guidance;
    GameHostFactory& games;
    HelpViewer& help;
    ProfileEditorFactory& profileDialogs;
    // Where the sound player's cues go.
    SoundOutput& sound;
    // The voice of a learner who listens.
    SpeechOutputs& speech;
    ProgressWindows& progress;
};

// The main window of a logged-on user's run: opens one activity at a time,
// adds up the practice time of the drills, and on closing reports it and
// stores the profile and the global settings.
class TZQMainFm {
public:
    // FormCreate: takes the program's folders from the settings, reads the
    // game's timing into GameSettings() and the sound cues, and makes the
    // sound player.
    TZQMainFm(const MainFormParts& parts, TSettings& settings);
    ~TZQMainFm();
    TZQMainFm(const TZQMainFm&) = delete;
    TZQMainFm& operator=(const TZQMainFm&) = delete;

    void SetKeyboardAgent(TKeyboardLayoutAgent* agent) { agent_ = agent; }
    // Keeps the profile, prepares the keyboard and hands windows from the
    // course's template and activates the profile's keyboard layout.
    void AttachProfile(TProfile& profile);
    // Every time the window is shown: its size and colour from the profile.
    void FormShow();

    // The activities of the buttons.
    void StartCourse();
    void StartSentenceDrill();
    void StartFreeDrill();
    void StartParagraphDrill();
    // The adaptive drill: lines of the keys the learner has in play, the
    // weakest most often; a new key once every key meets their target.
    void StartAdaptiveDrill();
    void StartGame();
    void OpenHelp();
    void EditProfile();
    // The progress window of the logged-on user; its weak-key and slow-pair
    // practice opens the free drill on the line it built.
    void OpenStatistics();
    // Fills the panel beside the buttons from the history, which it opens
    // only when the learner has one: the course and the line reached,
    // today's practice time against the daily goal, the days in a row with
    // the goal reached, the last line. The window runs it once it is on
    // screen, and the main window again whenever an activity ends.
    void ShowLearnersDay();

    // Closing: reports the run's practice time (which every line has added
    // to the profile as it ended), stores the profile and the global
    // settings, frees the game window and closes the logon dialog. When a
    // store fails the learner is told why and chooses: retry, end without
    // storing, or keep the window open (false: nothing has closed, and
    // closing again starts over).
    // When the program is told to end (a termination signal, the desktop
    // session's end) nobody is there to answer: `tellLearner` false stores
    // without a message and ends whether the store succeeds or not, the
    // failure written to the standard error.
    bool FormClose(bool tellLearner = true);
    // The game waits in an event loop of its own (see GameHost::Busy).
    bool GameBusy() const { return game_ && game_->Busy(); }

    // With a full-screen profile the buttons vanish while an activity runs.
    void HideActions();
    void ShowActions();

    std::int32_t RunPracticeTime() const { return runPracticeTime_; }
    // The profile's course as it is now: a course chosen in the profile
    // dialog counts from the next activity on.
    Course CurrentCourse() const;

private:
    // Starts a drill: every drill's steps, with what differs taken from the
    // table of drill kinds; `lines` in place of the drill's own (the free
    // drill on a line of the learner's weak keys).
    void RunDrill(DrillKind kind, std::unique_ptr<LineSource> lines = nullptr);
    // Before a drill opens: its speech, switches, drill font and colour, the
    // course's code page, and the practice history of its lines.
    void PrepareDrill(DrillWindow& window, DrillKind kind, const TFontRecord& font, const Course& course);
    // The drill's cues, and what it has brought kept at the end of every line.
    void ConnectEvents(TFmLinePractice& drill, const DrillKindEntry& entry, const LineSource* lines);
    // What the drill has brought since last time (its practice time, and
    // what its entry keeps, the course's line) goes into the profile and,
    // as the line reached and the practice time, into the profile file at
    // once: a run that is killed keeps every line it ended.
    void KeepDrillSoFar(const TFmLinePractice& drill, const DrillKindEntry& entry, const LineSource* lines);
    // With the profile's Speak on, the drill's typing is told to a narrator,
    // which reads its lines and keys in `textCodePage` (the course's).
    void ConnectSpeech(TFmLinePractice& drill, int textCodePage);
    // The speaker, started the first time speech is switched on.
    Speaker& Speech();
    // The program cannot speak: the learner is told once a run, when no
    // drill or game holds the keys (see TellWhenFree).
    void SpeechUnavailable(SpeechProblem problem);
    // A message shown at once, or, while a drill or a game is on screen,
    // once it has closed: a box that opens over an activity takes neither
    // its keys nor the focus, so the learner could neither read it with a
    // screen reader nor close it with the keyboard, and it would hide part
    // of the drill until then.
    void TellWhenFree(const std::string& utf8);
    // The messages held back while the activity was on screen.
    void TellHeldMessages();
    // The drill's own lines as its entry says (none when the learner gives
    // them in the drill); nothing, after telling the learner, when its file
    // holds no line to practise.
    std::optional<std::unique_ptr<LineSource>> LinesOf(const DrillKindEntry& entry, const Course& course);
    // Before an activity on the course: true when the course is there (the
    // learner is told when it is not); the keyboard and hands windows
    // follow it, and the learner is told when its template cannot be read.
    bool FollowCourse(const Course& course);
    // Brings the keyboard and hands windows to the course's template.
    void PrepareGuidanceFor(const Course& course);
    void TellCourseIsGone(const Course& course);
    // Activates the profile's keyboard layout, telling the learner when it
    // cannot be.
    void ActivateProfileLayout();
    void StartTargetedDrill(const TargetedPractice& practice);
    // Stores the profile and the settings as FormClose says; false when the
    // learner keeps the window open.
    bool StoreAtClosing(bool tellLearner);
    // A warning of the practice history: told as TellWhenFree says; while a
    // game's score is kept, in the game-over view.
    void WarnOfHistory(const std::string& utf8);
    void CreateGameWindow();
    void GameClosed();
    // Offers a game that ended by itself to the learner's best in the
    // history, and reads them back for the game-over view. A warning of the
    // history comes in that view, not in a box behind the game.
    GameScoreBoard KeepGame(const GameResult& result);

    MainFormParts parts_;
    TSettings& settings_;
    // The course files, media and manual come from its data folder, the
    // game's timing and the history from its users' folder.
    const ProgramPaths& paths_;
    TKeyboardLayoutAgent* agent_ = nullptr;
    TProfile* profile_ = nullptr;
    // The template the keyboard and hands windows show; empty before the
    // first.
    std::string guidanceLayout_;
    // The keyboard layout last activated for the profile.
    std::string activatedLayout_;
    std::unique_ptr<TWavePlayer> wavePlayer_;
    MediaSettings media_;
    // The cues under the profile's switches, once the profile is attached.
    std::unique_ptr<SoundCues> cues_;
    // Every completed line of the run's drills goes into the history; the
    // file is opened at the first line or the first look at it.
    std::unique_ptr<PracticeHistory> history_;
    std::unique_ptr<DrillRecorder> recorder_;
    // The speaker once speech has been switched on; the narrator of the
    // drill that is open; the game's narrator, for the run.
    Speaker* speaker_ = nullptr;
    bool speechProblemTold_ = false;
    std::unique_ptr<DrillNarrator> narrator_;
    std::unique_ptr<GameNarrator> gameNarrator_;
    // Where the history's warning goes while a game's score is kept: the
    // game-over view tells it.
    std::string* gameWarning_ = nullptr;
    std::int32_t runPracticeTime_ = 0;
    // The practice time of the open drill that is in runPracticeTime_ already.
    std::int32_t drillTimeKept_ = 0;
    bool drillOpen_ = false;
    // From the start of a game until its window has closed.
    bool gameOnScreen_ = false;
    // Messages held back until the drill or game on screen has closed, each
    // once.
    std::vector<std::string> heldMessages_;
    std::unique_ptr<GameHost> game_;
    // What "zqgame.ini" held that the game cannot be played with: told
    // before the first game of the run.
    std::string refusedTimingMessage_;
};

}  // namespace zq
