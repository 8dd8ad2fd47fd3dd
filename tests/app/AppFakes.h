#pragma once

// Recording stand-ins for the windows around the main window, the logon
// dialog and the profile starter. They write what they are asked into one
// shared log, so that tests see the order of steps across windows.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "../drills/DrillFakes.h"
#include "../speech/SpeechFakes.h"
#include "app/MainFormViews.h"
#include "app/TFmLogon.h"
#include "app/TSettings.h"
#include "app/TZQMainFm.h"
#include "app/TZQStarterLocal.h"
#include "course/CourseList.h"
#include "drills/AdaptivePractice.h"
#include "drills/TFmLetterPrac.h"
#include "drills/TFmLongText.h"
#include "keyboard/LayoutBackend.h"
#include "keyboard/TKeyboardLayoutAgent.h"
#include "profile/TFontRecord.h"
#include "sound/TWavePlayer.h"

namespace zq::testing {

using CallLog = std::vector<std::string>;

class FakeMainView : public MainView {
public:
    explicit FakeMainView(CallLog& log) : log_(log) {}

    void SetActionsShown(bool shown) override { Log(shown ? "ShowButtons" : "HideButtons"); }
    void FillScreen() override { Log("FillScreen"); }
    void FitToControls() override { Log("FitToControls"); }
    void SetWindowColor(TColor color) override { Log("Colour " + std::to_string(color)); }
    void ShowWindow() override { Log("ShowMain"); }
    void HideWindow() override { Log("HideMain"); }
    void InformationBox(std::string_view utf8) override {
        informations.emplace_back(utf8);
        Log("Information");
    }
    void PlainBox(std::string_view utf8) override {
        plainBoxes.emplace_back(utf8);
        Log("PlainBox");
    }
    void CloseLogon() override { Log("CloseLogon"); }
    // Answers with `unstoredAnswer`, or Retry when it is not set.
    UnstoredChoice AskAfterFailedStore(std::string_view utf8) override {
        failedStores.emplace_back(utf8);
        Log("AskAfterFailedStore");
        return unstoredAnswer ? unstoredAnswer() : UnstoredChoice::Retry;
    }
    // Not logged: it comes after every activity.
    void ShowLearnersDay(const LearnersDayTexts& day) override { days.push_back(day); }

    std::vector<std::string> informations;
    std::vector<std::string> plainBoxes;
    std::vector<LearnersDayTexts> days;
    std::vector<std::string> failedStores;
    std::function<UnstoredChoice()> unstoredAnswer;

private:
    void Log(const std::string& call) { log_.push_back(call); }
    CallLog& log_;
};

class FakeLongTextView : public LongTextView {
public:
    std::string clipboard;  // UTF-8

    std::optional<std::string> ChooseTextFile(const std::string&) override { return std::nullopt; }
    std::string ClipboardText() override { return clipboard; }
    void SetBusyCursor(bool) override {}
    void SetReturnIndicatorVisible(bool) override {}
    DrillRect ClientArea() const override { return {0, 0, 1280, 1024}; }
    void PlaceBoxes(const LongTextLayout&) override {}
    bool ShowLoadProgress(const std::string&, std::size_t, std::size_t) override { return true; }
    void EndLoadProgress() override {}
};

// The adaptive drill's row of keys: what it showed last.
class FakeKeysView : public AdaptiveKeysView {
public:
    void ShowKeysInPlay(const KeysInPlay& keys) override { shown = keys; }
    KeysInPlay shown;
};

// What a drill window held when it was shown.
struct ShownDrill {
    DrillKind kind = DrillKind::Free;
    TFontRecord font;
    std::optional<ContrastPalette> palette;
    double statusScale = 0;       // none given
    std::int32_t rightColor = 0;  // of typed characters
    std::int32_t wrongColor = 0;
    std::string windowFontName;
    std::int32_t windowCharset = 0;
    bool popupAtEnd = false;
    bool highLight = false;
    std::int32_t color = 0;
    std::string sample;          // the line it began with
    std::int32_t position = -1;  // where that line stands in the course
};

class FakeDrillWindow : public DrillWindow {
public:
    FakeDrillWindow(DrillKind kind, CallLog& log, stopwatch& watch,
                    std::function<void(FakeDrillWindow&)> whileShown)
        : log_(log), whileShown_(std::move(whileShown)) {
        shown_.kind = kind;
        switch (kind) {
            case DrillKind::Course:
                drill_ = std::make_unique<TFmCoursePrac>(view, view, watch, DrillGuidance{});
                break;
            case DrillKind::Sentence:
                drill_ = std::make_unique<TFmSentencePrac>(view, watch, DrillGuidance{});
                break;
            case DrillKind::Free:
                drill_ = std::make_unique<TFmLetterPrac>(view, watch, DrillGuidance{});
                break;
            case DrillKind::Paragraph: {
                auto text = std::make_unique<TFmLongText>(view, longView, watch, DrillGuidance{});
                textDrill_ = text.get();
                drill_ = std::move(text);
                break;
            }
            case DrillKind::Adaptive:
                drill_ = std::make_unique<AdaptivePractice>(view, keysView, watch, DrillGuidance{});
                break;
        }
        drill_->FormCreate();
    }
    ~FakeDrillWindow() override { log_.push_back("FreeDrill"); }

    TFmLinePractice& Drill() override { return *drill_; }
    void SetDrillFont(const TFontRecord& font) override { shown_.font = font; }
    void SetContrastPalette(const ContrastPalette& palette) override { shown_.palette = palette; }
    void SetStatusScale(double scale) override { shown_.statusScale = scale; }
    void SetWindowFont(const std::string& fontName8, std::int32_t charset) override {
        shown_.windowFontName = fontName8;
        shown_.windowCharset = charset;
    }
    void ShowModal() override {
        log_.push_back("ShowDrill");
        shown_.popupAtEnd = drill_->PopupAtEnd();
        shown_.highLight = drill_->HighLight();
        shown_.color = view.panelRgb;
        shown_.rightColor = drill_->TypedRightColor();
        shown_.wrongColor = drill_->TypedWrongColor();
        shown_.sample = drill_->Sample();
        shown_.position = drill_->Place().index;
        if (whileShown_) whileShown_(*this);
    }

    const ShownDrill& Shown() const { return shown_; }
    // The paragraph drill, for its tool bar; null in the other drills.
    TFmLongText* TextDrill() { return textDrill_; }

    FakeDrillView view;
    FakeLongTextView longView;
    FakeKeysView keysView;

private:
    CallLog& log_;
    std::function<void(FakeDrillWindow&)> whileShown_;
    ShownDrill shown_;
    std::unique_ptr<TFmLinePractice> drill_;
    TFmLongText* textDrill_ = nullptr;
};

class FakeDrillFactory : public DrillWindowFactory {
public:
    explicit FakeDrillFactory(CallLog& log) : log_(log) {}

    std::unique_ptr<DrillWindow> CreateDrill(DrillKind kind) override {
        log_.push_back("CreateDrill");
        auto window =
            std::make_unique<FakeDrillWindow>(kind, log_, watch, [this](FakeDrillWindow& shownWindow) {
                shown.push_back(shownWindow.Shown());
                if (whileShown) whileShown(shownWindow);
            });
        return window;
    }

    // The drills' stopwatch, on a clock that moves only when a test moves it.
    FakeClock clock;
    stopwatch watch{clock.Function()};

    // What the learner does while the drill is open.
    std::function<void(FakeDrillWindow&)> whileShown;
    std::vector<ShownDrill> shown;

private:
    CallLog& log_;
};

class FakeGuidance : public GuidanceWindows {
public:
    explicit FakeGuidance(CallLog& log) : log_(log) {}
    void Create(bool blinking) override {
        log_.push_back(std::string("CreateGuidance blinking=") + (blinking ? "1" : "0"));
    }
    bool PrepareGuidance(const std::string& layoutPath) override {
        log_.push_back("PrepareGuidance " + layoutPath);
        return templateReads;
    }
    void DisableKeyArea() override { log_.push_back("DisableKeyArea"); }
    // Not logged: it comes with every drill.
    void SetShowModifiers(bool show) override { showModifiers = show; }
    // Not logged either.
    void SetLook(double scale, const std::optional<ContrastPalette>& palette) override {
        lookScale = scale;
        lookPalette = palette;
    }
    std::int32_t FingerOf(unsigned char /*character8*/) override { return finger; }

    std::optional<bool> showModifiers;
    std::optional<double> lookScale;
    std::optional<ContrastPalette> lookPalette;
    // Whether a template "reads".
    bool templateReads = true;
    std::int32_t finger = 3;  // the left index finger for every character

private:
    CallLog& log_;
};

class FakeGameHost : public GameHost {
public:
    explicit FakeGameHost(CallLog& log) : log_(log) {}
    ~FakeGameHost() override { log_.push_back("FreeGame"); }
    void SetWordFile(const std::string& path) override { log_.push_back("SetWordFile " + path); }
    void AddScore(std::int32_t score) override { log_.push_back("AddScore " + std::to_string(score)); }
    void SetScoreKeeper(std::function<GameScoreBoard(const GameResult& result)> handler) override {
        keeper = std::move(handler);
        log_.push_back("SetScoreKeeper");
    }
    void SetSoundEvents(SoundEvents events) override {
        sounds = std::move(events);
        log_.push_back("SetSoundEvents");
    }
    void SetClosedHandler(std::function<void()> handler) override {
        closed = std::move(handler);
        log_.push_back("SetClosedHandler");
    }
    void SetFontName(const std::string& fontName8) override { log_.push_back("SetFontName " + fontName8); }
    void ShowAndStartGame() override { log_.push_back("StartGame"); }
    bool Busy() const override { return busy; }

    void SetNewWordHandler(std::function<void(const std::string& word8)> handler) override {
        newWord = std::move(handler);
    }

    SoundEvents sounds;
    std::function<void(const std::string& word8)> newWord;
    std::function<void()> closed;
    std::function<GameScoreBoard(const GameResult& result)> keeper;
    bool busy = false;

private:
    CallLog& log_;
};

class FakeGameFactory : public GameHostFactory {
public:
    explicit FakeGameFactory(CallLog& log) : log_(log) {}
    std::unique_ptr<GameHost> CreateGameHost() override {
        ++created;
        if (!hasGame) return nullptr;
        auto window = std::make_unique<FakeGameHost>(log_);
        last = window.get();
        return window;
    }

    bool hasGame = true;
    int created = 0;
    FakeGameHost* last = nullptr;  // owned by the main window

private:
    CallLog& log_;
};

class FakeHelp : public HelpViewer {
public:
    explicit FakeHelp(CallLog& log) : log_(log) {}
    bool OpenWithDesktop(const std::string& path) override {
        log_.push_back("Desktop " + path);
        return desktopOpens;
    }
    void ShowInHelpWindow(const std::string& path) override { log_.push_back("HelpWindow " + path); }

    bool desktopOpens = true;

private:
    CallLog& log_;
};

class FakeProfileEditor : public ProfileEditor {
public:
    FakeProfileEditor(CallLog& log, std::function<bool(TProfile&)> apply)
        : log_(log), apply_(std::move(apply)) {}
    ~FakeProfileEditor() override { log_.push_back("FreeProfileDialog"); }
    void SetAgent(TKeyboardLayoutAgent* agent) override {
        log_.push_back(agent != nullptr ? "SetAgent" : "SetAgent none");
    }
    void SetCourses(const ProgramPaths& paths) override {
        std::string joined;
        for (const std::string& name : CourseNames(paths)) joined += (joined.empty() ? "" : ",") + name;
        log_.push_back("SetCourses " + joined);
    }
    void SetWindowFont(const std::string& fontName8, std::int32_t charset) override {
        log_.push_back("SetWindowFont " + fontName8 + " " + std::to_string(charset));
    }
    bool ExecuteEdit(TProfile& profile) override {
        log_.push_back("ExecuteEdit " + profile.UserName);
        return apply_ ? apply_(profile) : false;
    }
    bool ExecuteNewUser(TProfile& profile) override {
        log_.push_back("ExecuteNewUser " + profile.UserName);
        return apply_ ? apply_(profile) : false;
    }
    // Not logged; the test erases through the handler it was given.
    void SetUserErasedHandler(std::function<void(const std::string&)> erased) override {
        userErased = std::move(erased);
    }

    std::function<void(const std::string&)> userErased;

private:
    CallLog& log_;
    std::function<bool(TProfile&)> apply_;
};

// The progress window: what it was opened on, and the practice the learner
// chooses in it.
class FakeProgressWindows : public ProgressWindows {
public:
    explicit FakeProgressWindows(CallLog& log) : log_(log) {}
    std::optional<TargetedPractice> ShowProgress(PracticeHistory& shownHistory,
                                                 const ProgressSetup& shownSetup) override {
        log_.push_back("ShowProgress " + shownSetup.user);
        history = &shownHistory;
        setup = shownSetup;
        return chosen;
    }

    PracticeHistory* history = nullptr;
    std::optional<ProgressSetup> setup;
    std::optional<TargetedPractice> chosen;

private:
    CallLog& log_;
};

// The sound system: the files it was asked to play.
class FakeSoundOutput : public SoundOutput {
public:
    void Play(const std::string& path8) override { played.push_back(path8); }
    std::vector<std::string> played;
};

// The voice: "StartSpeech" in the log when it is started; what is said and
// the timers the narrators asked for are kept.
class FakeSpeech : public SpeechOutputs {
public:
    explicit FakeSpeech(CallLog& log) : log_(log) {}
    Speaker& StartSpeech(std::function<void(SpeechProblem problem)> handler) override {
        log_.push_back("StartSpeech");
        unavailable = std::move(handler);
        return speaker;
    }
    std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> timeout) override {
        return timers.Factory()(std::move(timeout));
    }

    RecordingSpeaker speaker;
    ManualTimers timers;
    std::function<void(SpeechProblem problem)> unavailable;

private:
    CallLog& log_;
};

// A system with the US and French layouts; others cannot be activated.
class FakeLayoutBackend : public LayoutBackend {
public:
    std::vector<InstalledLayout> InstalledLayouts() override {
        return {{0x00000409, "US", 0, "us"}, {0x0000040C, "French", 0, "fr"}};
    }
    std::vector<std::uint32_t> LoadedLayouts() override { return {active}; }
    std::uint32_t ActiveLayout() override { return active; }
    bool Activate(std::uint32_t identifier) override {
        if (identifier != 0x00000409 && identifier != 0x0000040C) return false;
        active = identifier | identifier << 16;
        return true;
    }
    std::string LocaleText(std::uint16_t, LocaleInfo) override { return {}; }
    std::string TakeNotice() override { return std::exchange(notice, {}); }

    std::uint32_t active = 0x04090409;
    std::string notice;  // what the next TakeNotice tells
};

// The main window's logic with every window around it faked.
struct MainFormRig {
    CallLog log;
    FakeMainView view{log};
    FakeDrillFactory drills{log};
    FakeGuidance guidance{log};
    FakeGameFactory games{log};
    FakeHelp help{log};
    FakeSoundOutput sound;
    FakeSpeech speech{log};
    FakeProgressWindows progress{log};
    std::function<bool(TProfile&)> profileDialogApplies;
    // The dialogs made, for their erase handlers (owned by the main window's run).
    FakeProfileEditor* lastProfileDialog = nullptr;

    struct DialogFactory : ProfileEditorFactory {
        MainFormRig& rig;
        explicit DialogFactory(MainFormRig& owner) : rig(owner) {}
        std::unique_ptr<ProfileEditor> CreateProfileEditor() override {
            rig.log.push_back("CreateProfileEditor");
            auto dialog = std::make_unique<FakeProfileEditor>(rig.log, rig.profileDialogApplies);
            rig.lastProfileDialog = dialog.get();
            return dialog;
        }
    } profileDialogs{*this};

    MainFormParts Parts() {
        return {view, drills, guidance, games, help, profileDialogs, sound, speech, progress};
    }
};

// A main window for the starter: the real logic among fakes.
class FakeMainWindow : public MainWindowHandle {
public:
    FakeMainWindow(CallLog& starterLog, TSettings& settings)
        : log_(starterLog), form_(rig.Parts(), settings) {}
    ~FakeMainWindow() override { log_.push_back("FreeMain"); }

    TZQMainFm& Form() override { return form_; }
    void SetWindowFont(const std::string& fontName8, std::int32_t charset) override {
        log_.push_back("SetWindowFont " + fontName8 + " " + std::to_string(charset));
    }
    void Show() override { log_.push_back("ShowMain"); }

    MainFormRig rig;

private:
    CallLog& log_;
    TZQMainFm form_;
};

class FakeStarterWindows : public StarterWindows {
public:
    explicit FakeStarterWindows(TSettings& settings) : settings_(settings) {}

    std::unique_ptr<MainWindowHandle> CreateMainWindow() override {
        log.push_back("CreateMain");
        auto window = std::make_unique<FakeMainWindow>(log, settings_);
        lastMain = window.get();
        return window;
    }
    std::unique_ptr<TKeyboardLayoutAgent> CreateAgent() override {
        log.push_back("CreateAgent");
        return std::make_unique<TKeyboardLayoutAgent>(std::make_unique<FakeLayoutBackend>());
    }
    void HideLogon() override { log.push_back("HideLogon"); }
    std::unique_ptr<ProfileEditor> CreateProfileEditor() override {
        log.push_back("CreateProfileEditor");
        return std::make_unique<FakeProfileEditor>(log, profileDialogApplies);
    }

    CallLog log;
    FakeMainWindow* lastMain = nullptr;  // owned by the starter
    // What the learner does in the profile dialog; true: Apply.
    std::function<bool(TProfile&)> profileDialogApplies;

private:
    TSettings& settings_;
};

class FakeLogonView : public LogonView {
public:
    void SetUserList(const std::vector<std::string>& names8) override {
        list = names8;
        text.clear();
    }
    void SelectUser(int index) override {
        selected = index;
        text = index >= 0 ? list.at(static_cast<std::size_t>(index)) : std::string();
    }
    std::string UserText() const override { return text; }
    void InformationBox(std::string_view utf8) override { informations.emplace_back(utf8); }

    std::vector<std::string> list;
    int selected = -2;  // not yet asked
    std::string text;   // what the user box shows, or what the user typed
    std::vector<std::string> informations;
};

}  // namespace zq::testing
