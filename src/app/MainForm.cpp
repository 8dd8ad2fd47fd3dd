#include "app/MainForm.h"

#include <algorithm>

#include "app/GameSetup.h"
#include "app/Manual.h"
#include "app/PracticeTimeMessage.h"
#include "app/TSettings.h"
#include "base/CodePage.h"
#include "base/Numbers.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "course/CourseList.h"
#include "drills/CourseLines.h"
#include "drills/LinePractice.h"
#include "drills/RepeatedLine.h"
#include "drills/SentenceLines.h"
#include "keyboard/KeyboardLayoutAgent.h"
#include "profile/TProfile.h"
#include "sound/SoundCues.h"
#include "sound/WavePlayer.h"
#include "stats/DrillRecorder.h"
#include "stats/LocalDay.h"
#include "stats/PracticeHistory.h"

namespace zq {
namespace {

// A file whose lines are all blank gives the drill nothing to type.
bool HasLineToPractise(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return !TrimControlAndBlank(line).empty(); });
}

}  // namespace

TZQMainFm::TZQMainFm(const MainFormParts& parts, TSettings& settings)
    : parts_(parts),
      settings_(settings),
      paths_(settings.Paths()),
      wavePlayer_(std::make_unique<TWavePlayer>(parts.sound)),
      media_(ReadMediaSettings(paths_.DataFolder())),
      history_(std::make_unique<PracticeHistory>(
          paths_.UsersFolder() + kHistoryFileName,
          [this](const std::string& text) { parts_.view.InformationBox(text); })) {
    ReadGameSettings(paths_.UsersFolder(), GameSettings());
}

TZQMainFm::~TZQMainFm() = default;

void TZQMainFm::AttachProfile(TProfile& profile) {
    profile_ = &profile;
    files_ = std::make_unique<CourseFiles>(paths_.DataFolder(), profile);
    cues_ = std::make_unique<SoundCues>(profile, *wavePlayer_, media_);
    parts_.guidance.Create(profile.Blinking);
    parts_.guidance.PrepareGuidance(files_->LayoutPath());
    if (agent_ != nullptr && !agent_->ActivateLayout(profile.KeyboardLayout)) {
        parts_.view.PlainBox(ToUtf8(profile.KeyboardLayout) + Tr(" layout could not be activated."));
    }
    parts_.guidance.DisableKeyArea();
}

void TZQMainFm::FormShow() {
    if (profile_ == nullptr) return;
    if (profile_->FullScreen) {
        parts_.view.FillScreen();
    } else {
        parts_.view.FitToControls();
    }
    parts_.view.SetWindowColour(profile_->BgColor);
}

// Drills.

std::unique_ptr<DrillWindow> TZQMainFm::CreateDrill(DrillKind kind, const TFontRecord& font) {
    std::unique_ptr<DrillWindow> window = parts_.drills.CreateDrill(kind);
    TFmLinePractice& drill = window->Drill();
    ConnectSounds(drill);
    drill.SetPopupAtEnd(profile_->PopupAtEnd);
    window->SetDrillFont(font);
    drill.SetHighLight(profile_->HighLight);
    // The switch as the profile has it now: the profile dialog may have changed it.
    parts_.guidance.SetShowModifiers(profile_->ShowModifiers);
    recorder_ = std::make_unique<DrillRecorder>(*history_,
                                                PracticeContext{profile_->UserName, profile_->Course, kind});
    drill.SetRecorder(recorder_.get());
    return window;
}

void TZQMainFm::ConnectSounds(TFmLinePractice& drill) {
    SoundCues& cues = *cues_;
    drill.SetEvents({.OnLineDone = [&cues](TFmLinePractice&) { cues.LineDone(); },
                     .OnWrongKey = [&cues](TFmLinePractice&) { cues.WrongKey(); },
                     .OnReturnExpected = [&cues](TFmLinePractice&) { cues.ReturnExpected(); }});
}

std::optional<std::vector<std::string>> TZQMainFm::LinesToPractise(const std::string& path) {
    std::vector<std::string> lines = ReadTextLines(path);
    if (HasLineToPractise(lines)) return lines;
    parts_.view.InformationBox(Format(Tr("The file %s has no lines to practise."), {path}));
    return std::nullopt;
}

void TZQMainFm::SetWindowFont(DrillWindow& window) const {
    window.SetWindowFont(settings_.FontName, settings_.FontCharset);
}

void TZQMainFm::RunDrillModal(DrillWindow& window) {
    HideActions();
    window.ShowModal();
    runPracticeTime_ = SaturatingAdd(runPracticeTime_, window.Drill().PracticeTime());
}

void TZQMainFm::StartCourse() {
    std::unique_ptr<DrillWindow> window = CreateDrill(DrillKind::Course, profile_->PracticeFont);
    TFmLinePractice& drill = window->Drill();
    drill.SetDrillColor(profile_->BgColor);
    std::optional<std::vector<std::string>> fileLines = LinesToPractise(files_->CoursePath());
    if (!fileLines) return;
    CourseLines lines(std::move(*fileLines), profile_->Progress);
    drill.Practise(lines);
    SetWindowFont(*window);
    RunDrillModal(*window);
    profile_->Progress = lines.Place().index;
    window.reset();
    ShowActions();
}

void TZQMainFm::StartSentenceDrill() {
    std::unique_ptr<DrillWindow> window = CreateDrill(DrillKind::Sentence, profile_->PracticeFont);
    TFmLinePractice& drill = window->Drill();
    drill.SetDrillColor(profile_->BgColor);
    std::optional<std::vector<std::string>> fileLines = LinesToPractise(files_->PracticePath());
    if (!fileLines) return;
    SentenceLines lines(std::move(*fileLines));
    drill.Practise(lines);
    SetWindowFont(*window);
    RunDrillModal(*window);
    window.reset();
    ShowActions();
}

void TZQMainFm::StartFreeDrill() {
    std::unique_ptr<DrillWindow> window = CreateDrill(DrillKind::Free, profile_->PracticeFont);
    window->Drill().SetDrillColor(profile_->BgColor);
    SetWindowFont(*window);
    RunDrillModal(*window);
    window.reset();
    ShowActions();
}

void TZQMainFm::StartParagraphDrill() {
    std::unique_ptr<DrillWindow> window = CreateDrill(DrillKind::Paragraph, profile_->TextFont);
    window->Drill().SetDrillColor(profile_->BgColor);
    SetWindowFont(*window);
    RunDrillModal(*window);
    window.reset();
    ShowActions();
}

// Statistics.

void TZQMainFm::OpenStatistics() {
    const ProgressSetup setup{profile_->UserName, Course(paths_.DataFolder(), profile_->Course),
                              LocalDayOf(NowUtcMilliseconds())};
    HideActions();
    const std::optional<WeakKeyPractice> practice = parts_.progress.ShowProgress(*history_, setup);
    if (practice) {
        StartWeakKeyDrill(*practice);
    } else {
        ShowActions();
    }
}

void TZQMainFm::StartWeakKeyDrill(const WeakKeyPractice& practice) {
    std::unique_ptr<DrillWindow> window = CreateDrill(DrillKind::Free, profile_->PracticeFont);
    window->Drill().SetDrillColor(profile_->BgColor);
    RepeatedLine line(practice.line8, practice.announcement);
    window->Drill().Practise(line);
    SetWindowFont(*window);
    RunDrillModal(*window);
    window.reset();
    ShowActions();
}

void TZQMainFm::HideActions() {
    if (profile_ != nullptr && profile_->FullScreen) parts_.view.SetActionsShown(false);
}

void TZQMainFm::ShowActions() {
    if (profile_ != nullptr && profile_->FullScreen) parts_.view.SetActionsShown(true);
}

// The game.

void TZQMainFm::StartGame() {
    if (!game_) {
        CreateGameWindow();
        if (!game_) return;
    }
    ApplyProfileToGame(*profile_, GameSettings());
    game_->SetFontName(profile_->GameFont.Name);
    HideActions();
    parts_.view.HideWindow();
    game_->ShowAndStartGame();
}

void TZQMainFm::CreateGameWindow() {
    game_ = parts_.games.CreateGameHost();
    if (!game_) {
        parts_.view.InformationBox(Tr("This build of the program has no game."));
        return;
    }
    game_->SetWordFile(files_->GamePath());
    for (std::int32_t score :
         {profile_->GScore1, profile_->GScore2, profile_->GScore3, profile_->GScore4, profile_->GScore5}) {
        game_->AddScore(score);
    }
    SoundCues& cues = *cues_;
    game_->SetSoundEvents({
        .CityMissShoot = [&cues] { cues.CityMissShoot(); },
        .CityShoot = [&cues] { cues.CityShoot(); },
        .CityHurt = [&cues] { cues.CityHurt(); },
        .DifficultyIncrease = [&cues] { cues.DifficultyIncrease(); },
    });
    game_->SetClosedHandler([this] { GameClosed(); });
}

void TZQMainFm::GameClosed() {
    parts_.view.ShowWindow();
    ShowActions();
}

// Help and profile.

void TZQMainFm::OpenHelp() {
    if (!OpenManual(paths_.DataFolder(), parts_.help))
        parts_.view.InformationBox(MissingManualMessage(paths_.DataFolder()));
}

void TZQMainFm::EditProfile() {
    std::unique_ptr<ProfileEditor> dialog = parts_.profileDialogs.CreateProfileEditor();
    dialog->SetCourseList(CourseNames(paths_.DataFolder()));
    dialog->SetWindowFont(settings_.FontName, settings_.FontCharset);
    dialog->SetAgent(agent_);
    // Erasing a user takes their practice history with them.
    dialog->SetUserErasedHandler([this](const std::string& name8) { history_->EraseUser(ToUtf8(name8)); });
    dialog->ExecuteEdit(*profile_);
}

// Closing.

void TZQMainFm::FormClose(bool tellLearner) {
    if (profile_ != nullptr) {
        if (!runTimeAdded_) {
            profile_->AddPracticeTime(runPracticeTime_);
            runTimeAdded_ = true;
        }
        if (tellLearner) {
            parts_.view.InformationBox(
                PracticeTimeMessage(profile_->UserName, runPracticeTime_, profile_->TimeTotal));
        }
        profile_->Save();
    }
    settings_.Save();
    game_.reset();
    parts_.view.CloseLogon();
}

}  // namespace zq
