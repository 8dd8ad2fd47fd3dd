#include "app/TZQMainFm.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "adaptive/AdaptiveLines.h"
#include "app/GameSetup.h"
#include "app/Manual.h"
#include "app/PracticeTimeMessage.h"
#include "app/TSettings.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/Numbers.h"
#include "base/Translation.h"
#include "course/CourseList.h"
#include "course/CourseTextFile.h"
#include "drills/CourseLines.h"
#include "drills/RepeatedLine.h"
#include "drills/SentenceLines.h"
#include "drills/TFmLinePractice.h"
#include "game/GameTiming.h"
#include "keyboard/TKeyboardLayoutAgent.h"
#include "profile/EasyReading.h"
#include "profile/TProfile.h"
#include "sound/SoundCues.h"
#include "sound/TWavePlayer.h"
#include "speech/DrillNarrator.h"
#include "speech/GameNarrator.h"
#include "speech/ProfileVoice.h"
#include "speech/SpeechProblemMessage.h"
#include "stats/DrillRecorder.h"
#include "stats/GameHistory.h"
#include "stats/LearnersDay.h"
#include "stats/LocalDay.h"
#include "stats/PracticeHistory.h"

namespace zq {

// What a drill's line source is made from: the lines of its file, and the
// learner, their course and their practice history.
struct DrillMaterial {
    std::vector<std::string> fileLines;
    const TProfile& profile;
    const Course& course;
    PracticeHistory& history;
};

namespace {

// A file whose lines are all blank gives the drill nothing to type.
bool HasLineToPractise(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return !TrimControlAndBlank(line).empty(); });
}

std::unique_ptr<LineSource> CourseFromProgress(DrillMaterial material) {
    return std::make_unique<CourseLines>(std::move(material.fileLines), material.profile.Progress);
}

std::unique_ptr<LineSource> RandomSentences(DrillMaterial material) {
    return std::make_unique<SentenceLines>(std::move(material.fileLines));
}

std::unique_ptr<LineSource> FollowTheLearner(DrillMaterial material) {
    const TProfile& profile = material.profile;
    return std::make_unique<AdaptiveLines>(
        material.history, AdaptiveSetup{.user = profile.UserName,
                                        .course = material.course.Name(),
                                        .courseLines = std::move(material.fileLines),
                                        .words = AdaptiveWordsOf(material.course),
                                        .targetSpeed = profile.TargetSpeed,
                                        .codePage = material.course.TextCodePage(),
                                        .seed = static_cast<std::uint32_t>(NowUtcMilliseconds())});
}

void KeepCourseProgress(const LineSource& lines, TProfile& profile) {
    profile.Progress = lines.Place().index;
}

}  // namespace

// What differs between the drills: the profile's font, the course file the
// lines are read from (checked for a line to practise before the drill
// opens), the line source made of them, and what the main window keeps of
// the drill when it has closed. Adding a drill means a line source and an
// entry in this table.
struct DrillKindEntry {
    DrillKind kind;
    TFontRecord TProfile::*font;
    // None: the drill reads no file.
    std::string (Course::*file)() const;
    // None: the learner gives the lines in the drill itself (the free
    // drill's letters, the paragraph drill's text).
    std::unique_ptr<LineSource> (*lines)(DrillMaterial material);
    // None: nothing is kept.
    void (*keep)(const LineSource& lines, TProfile& profile);
};

namespace {

constexpr DrillKindEntry kDrillKinds[] = {
    {DrillKind::Course, &TProfile::PracticeFont, &Course::CoursePath, CourseFromProgress, KeepCourseProgress},
    {DrillKind::Sentence, &TProfile::PracticeFont, &Course::PracticePath, RandomSentences, nullptr},
    {DrillKind::Free, &TProfile::PracticeFont, nullptr, nullptr, nullptr},
    {DrillKind::Paragraph, &TProfile::TextFont, nullptr, nullptr, nullptr},
    // The course file gives the order of the keys; the drill keeps its state in the history.
    {DrillKind::Adaptive, &TProfile::PracticeFont, &Course::CoursePath, FollowTheLearner, nullptr},
};

const DrillKindEntry& EntryOf(DrillKind kind) {
    return *std::find_if(std::begin(kDrillKinds), std::end(kDrillKinds),
                         [kind](const DrillKindEntry& entry) { return entry.kind == kind; });
}

}  // namespace

TZQMainFm::TZQMainFm(const MainFormParts& parts, TSettings& settings)
    : parts_(parts),
      settings_(settings),
      paths_(settings.Paths()),
      wavePlayer_(std::make_unique<TWavePlayer>(parts.sound)),
      media_(ReadMediaSettings(paths_.DataFolder())),
      history_(std::make_unique<PracticeHistory>(
          paths_.UsersFolder() + kHistoryFileName, [this](const std::string& text) { WarnOfHistory(text); },
          NowUtcMilliseconds,
          // An older history's keys were typed in their course's code page.
          [this](std::string_view courseUtf8) {
              return FindCourse(paths_, std::string(courseUtf8)).TextCodePage();
          })),
      gameNarrator_(std::make_unique<GameNarrator>()) {
    const std::string timingFile = paths_.UsersFolder() + "zqgame.ini";
    const std::vector<RefusedTimingValue> refused = ReadGameTiming(timingFile, GameSettings());
    if (!refused.empty()) refusedTimingMessage_ = RefusedTimingMessage(timingFile, refused);
}

TZQMainFm::~TZQMainFm() = default;

void TZQMainFm::AttachProfile(TProfile& profile) {
    profile_ = &profile;
    cues_ = std::make_unique<SoundCues>(profile, *wavePlayer_, media_);
    parts_.guidance.Create(profile.Blinking);
    activatedLayout_ = profile.KeyboardLayout;  // activated below, after the template is read
    FollowCourse(CurrentCourse());
    ActivateProfileLayout();
    parts_.guidance.DisableKeyArea();
    // Loaded now rather than at the first key: a speech service may take
    // seconds to start.
    if (profile.Speak) Speech();
}

void TZQMainFm::ActivateProfileLayout() {
    activatedLayout_ = profile_->KeyboardLayout;
    if (agent_ != nullptr && !agent_->ActivateLayout(activatedLayout_)) {
        parts_.view.PlainBox(ToUtf8(activatedLayout_) + Tr(" layout could not be activated."));
    } else if (agent_ != nullptr) {
        if (const std::string notice = agent_->TakeLayoutNotice(); !notice.empty()) {
            parts_.view.InformationBox(notice);
        }
    }
}

Course TZQMainFm::CurrentCourse() const {
    return FindCourse(paths_, profile_->Course);
}

bool TZQMainFm::FollowCourse(const Course& course) {
    // A layout chosen in the profile dialog (with a course made for it) is
    // the one to type the course with.
    if (profile_->KeyboardLayout != activatedLayout_) ActivateProfileLayout();
    if (!course.Exists()) {
        TellCourseIsGone(course);
        return false;
    }
    if (course.LayoutPath() != guidanceLayout_) PrepareGuidanceFor(course);
    return true;
}

// A course of the profile that has no folder any more leaves the windows
// with the template they had: there is none to show instead.
void TZQMainFm::PrepareGuidanceFor(const Course& course) {
    guidanceLayout_ = course.LayoutPath();
    if (parts_.guidance.PrepareGuidance(guidanceLayout_)) return;
    parts_.view.InformationBox(
        Format(Tr("The keyboard template of the course %s (%s) cannot be read: the drills show no "
                  "on-screen keyboard and no hands, and the game and drills go on without them."),
               {course.Name(), guidanceLayout_}));
}

void TZQMainFm::TellCourseIsGone(const Course& course) {
    if (course.Name().empty()) {
        parts_.view.InformationBox(Tr("Your profile names no course. Choose one under Profile."));
        return;
    }
    parts_.view.InformationBox(
        Format(Tr("Your profile names the course %s, which is not among the courses of this computer "
                  "(%s): it may have been removed or renamed. Choose a course under Profile."),
               {course.Name(), course.Folder()}));
}

void TZQMainFm::FormShow() {
    if (profile_ == nullptr) return;
    if (profile_->FullScreen) {
        parts_.view.FillScreen();
    } else {
        parts_.view.FitToControls();
    }
    parts_.view.SetWindowColor(profile_->BgColor);
}

// Drills.

void TZQMainFm::StartCourse() {
    RunDrill(DrillKind::Course);
}

void TZQMainFm::StartSentenceDrill() {
    RunDrill(DrillKind::Sentence);
}

void TZQMainFm::StartFreeDrill() {
    RunDrill(DrillKind::Free);
}

void TZQMainFm::StartParagraphDrill() {
    RunDrill(DrillKind::Paragraph);
}

void TZQMainFm::StartAdaptiveDrill() {
    RunDrill(DrillKind::Adaptive);
}

void TZQMainFm::RunDrill(DrillKind kind, std::unique_ptr<LineSource> lines) {
    const DrillKindEntry& entry = EntryOf(kind);
    const Course course = CurrentCourse();
    // The free and paragraph drills go on without a course (and its keyboard).
    if (!FollowCourse(course) && entry.file != nullptr && !lines) return;
    std::unique_ptr<DrillWindow> window = parts_.drills.CreateDrill(kind);
    TFmLinePractice& drill = window->Drill();
    PrepareDrill(*window, kind, profile_->*entry.font, course);
    if (!lines) {
        std::optional<std::unique_ptr<LineSource>> own = LinesOf(entry, course);
        if (!own) return;
        lines = std::move(*own);
    }
    ConnectEvents(drill, entry, lines.get());
    if (lines) drill.Practise(*lines);
    window->SetWindowFont(settings_.FontName, settings_.FontCharset);

    HideActions();
    drillTimeKept_ = 0;
    drillOpen_ = true;
    window->ShowModal();
    drillOpen_ = false;
    KeepDrillSoFar(drill, entry, lines.get());
    window.reset();
    narrator_.reset();  // after the drill that told it of every key
    ShowActions();
    TellHeldMessages();
    ShowLearnersDay();
}

void TZQMainFm::WarnOfHistory(const std::string& utf8) {
    if (gameWarning_ != nullptr) {
        *gameWarning_ = utf8;
    } else {
        TellWhenFree(utf8);
    }
}

void TZQMainFm::TellWhenFree(const std::string& utf8) {
    if (!drillOpen_ && !gameOnScreen_) {
        parts_.view.InformationBox(utf8);
    } else if (std::ranges::find(heldMessages_, utf8) == heldMessages_.end()) {
        heldMessages_.push_back(utf8);
    }
}

void TZQMainFm::TellHeldMessages() {
    for (const std::string& message : std::exchange(heldMessages_, {})) parts_.view.InformationBox(message);
}

void TZQMainFm::KeepDrillSoFar(const TFmLinePractice& drill, const DrillKindEntry& entry,
                               const LineSource* lines) {
    const std::int32_t newTime = drill.PracticeTime() - drillTimeKept_;
    drillTimeKept_ = drill.PracticeTime();
    const std::int32_t progressBefore = profile_->Progress;
    runPracticeTime_ = SaturatingAdd(runPracticeTime_, newTime);
    profile_->AddPracticeTime(newTime);
    if (entry.keep != nullptr && lines != nullptr) entry.keep(*lines, *profile_);
    if (newTime == 0 && profile_->Progress == progressBefore) return;
    try {
        profile_->SaveProgress();
    } catch (const LibraryError&) {
        // Never while the learner types: closing stores the profile again
        // and says what went wrong.
    }
}

void TZQMainFm::PrepareDrill(DrillWindow& window, DrillKind kind, const TFontRecord& font,
                             const Course& course) {
    TFmLinePractice& drill = window.Drill();
    ConnectSpeech(drill, course.TextCodePage());
    drill.SetPopupAtEnd(profile_->PopupAtEnd);
    const EasyReading reading(profile_->EasyReading);
    window.SetDrillFont(reading.Font(font));
    window.SetStatusScale(reading.StatusScale());
    drill.SetHighLight(profile_->HighLight);
    // The switches as the profile has them now: the profile dialog may have changed them.
    parts_.guidance.SetShowModifiers(profile_->ShowModifiers);
    parts_.guidance.SetLook(reading.GuidanceScale(), reading.Palette());
    recorder_ = std::make_unique<DrillRecorder>(
        *history_, PracticeContext{profile_->UserName, course.Name(), kind, course.TextCodePage()});
    drill.SetRecorder(recorder_.get());
    drill.SetDrillColor(profile_->BgColor);
    if (const std::optional<ContrastPalette> palette = reading.Palette()) {
        window.SetContrastPalette(*palette);
        drill.SetDrillColor(palette->background);
        drill.SetTypedColors(palette->text, palette->wrongText);
    }
    // Lines, typed keys and the keys lit are the course's characters, whatever
    // the language of the windows.
    drill.SetTextCodePage(course.TextCodePage());
}

void TZQMainFm::ConnectEvents(TFmLinePractice& drill, const DrillKindEntry& entry, const LineSource* lines) {
    SoundCues& cues = *cues_;
    drill.SetEvents({.OnLineDone = [&cues](TFmLinePractice&) { cues.LineDone(); },
                     .OnWrongKey = [&cues](TFmLinePractice&) { cues.WrongKey(); },
                     .OnReturnExpected = [&cues](TFmLinePractice&) { cues.ReturnExpected(); },
                     .OnLineEnded = [this, &entry, lines](
                                        TFmLinePractice& sender) { KeepDrillSoFar(sender, entry, lines); }});
}

void TZQMainFm::ConnectSpeech(TFmLinePractice& drill, int textCodePage) {
    narrator_.reset();
    if (!profile_->Speak) return;
    narrator_ = std::make_unique<DrillNarrator>(
        Speech(), ProfileVoice(*profile_), textCodePage,
        [this](unsigned char character8) { return parts_.guidance.FingerOf(character8); }, SteadyMilliseconds,
        [this](std::function<void()> timeout) { return parts_.speech.MakeTimer(std::move(timeout)); });
    drill.SetTypingObserver(narrator_.get());
}

// Speech.

Speaker& TZQMainFm::Speech() {
    if (speaker_ == nullptr) {
        speaker_ = &parts_.speech.StartSpeech([this](SpeechProblem problem) { SpeechUnavailable(problem); });
    }
    return *speaker_;
}

void TZQMainFm::SpeechUnavailable(SpeechProblem problem) {
    if (speechProblemTold_) return;
    speechProblemTold_ = true;
    TellWhenFree(SpeechProblemMessage(problem));
}

std::optional<std::unique_ptr<LineSource>> TZQMainFm::LinesOf(const DrillKindEntry& entry,
                                                              const Course& course) {
    std::vector<std::string> fileLines;
    if (entry.file != nullptr) {
        const std::string path = (course.*entry.file)();
        fileLines = ReadCourseTextLines(path, course.TextCodePage());
        if (!HasLineToPractise(fileLines)) {
            parts_.view.InformationBox(Format(Tr("The file %s has no lines to practise."), {path}));
            return std::nullopt;
        }
    }
    if (entry.lines == nullptr) return nullptr;
    return entry.lines({std::move(fileLines), *profile_, course, *history_});
}

// The learner's day.

void TZQMainFm::ShowLearnersDay() {
    if (profile_ == nullptr) return;
    const Course course = CurrentCourse();
    LearnersDay day;
    history_->ReadIfKept([&](HistoryStore& store) {
        day = ReadLearnersDay(store, ToUtf8(profile_->UserName), LocalDayOf(NowUtcMilliseconds()),
                              std::int64_t{profile_->DailyGoal} * 60'000);
    });
    LinePlace courseLine{profile_->Progress, 0};
    try {
        courseLine.count =
            static_cast<std::int32_t>(ReadCourseTextLines(course.CoursePath(), course.TextCodePage()).size());
    } catch (const std::exception&) {
        // A course without its file has no line to reach.
    }
    parts_.view.ShowLearnersDay(DescribeLearnersDay(day, profile_->Course, courseLine, profile_->DailyGoal));
}

// Statistics.

void TZQMainFm::OpenStatistics() {
    const Course course = CurrentCourse();
    const ProgressSetup setup{profile_->UserName, course, LocalDayOf(NowUtcMilliseconds()),
                              course.TextCodePage(), profile_->Progress};
    HideActions();
    const std::optional<TargetedPractice> practice = parts_.progress.ShowProgress(*history_, setup);
    if (practice) {
        StartTargetedDrill(*practice);
    } else {
        ShowActions();
    }
}

void TZQMainFm::StartTargetedDrill(const TargetedPractice& practice) {
    RunDrill(DrillKind::Free, std::make_unique<RepeatedLine>(practice.line8, practice.announcement));
}

void TZQMainFm::HideActions() {
    if (profile_ != nullptr && profile_->FullScreen) parts_.view.SetActionsShown(false);
}

void TZQMainFm::ShowActions() {
    if (profile_ != nullptr && profile_->FullScreen) parts_.view.SetActionsShown(true);
}

// The game.

void TZQMainFm::StartGame() {
    const Course course = CurrentCourse();
    if (!FollowCourse(course)) return;
    if (!game_) {
        CreateGameWindow();
        if (!game_) return;
    }
    // The course may have changed since the last game.
    game_->SetWordFile(course.GamePath());
    ApplyProfileToGame(*profile_, GameSettings());
    GameSettings().WordsCodePage = course.TextCodePage();
    game_->SetFontName(profile_->GameFont.Name);
    if (profile_->Speak) {
        gameNarrator_->SpeakWith(&Speech(), ProfileVoice(*profile_), course.TextCodePage());
    } else {
        gameNarrator_->SpeakWith(nullptr, {});
    }
    HideActions();
    parts_.view.HideWindow();
    gameOnScreen_ = true;
    game_->ShowAndStartGame();
}

void TZQMainFm::CreateGameWindow() {
    if (!refusedTimingMessage_.empty()) parts_.view.InformationBox(refusedTimingMessage_);
    game_ = parts_.games.CreateGameHost();
    if (!game_) {
        parts_.view.InformationBox(Tr("This build of the program has no game."));
        return;
    }
    game_->SetScoreKeeper([this](const GameResult& result) { return KeepGame(result); });
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
    GameNarrator& narrator = *gameNarrator_;
    game_->SetNewWordHandler([&narrator](const std::string& word8) { narrator.NewWord(word8); });
    game_->SetClosedHandler([this] { GameClosed(); });
}

GameScoreBoard TZQMainFm::KeepGame(const GameResult& result) {
    GameRecord game;
    game.user = ToUtf8(profile_->UserName);
    game.course = profile_->Course;  // UTF-8 already
    game.finishedAtMs = NowUtcMilliseconds();
    game.difficulty = result.difficulty;
    game.score = result.score;
    game.hits = result.hits;
    game.losses = result.losses;
    game.timeMs = result.timeMs;

    std::int64_t keptId = 0;
    std::vector<KeptGame> best;
    std::string warning;
    gameWarning_ = &warning;
    const bool kept = history_->Change([&](HistoryStore& store) {
        keptId = OfferGame(store, game);
        best = BestGames(store, game.user);
    });
    gameWarning_ = nullptr;

    GameScoreBoard board;
    if (!kept) {
        board.problemUtf8 = warning.empty() ? std::string(Tr("The score of this game could not be kept: the "
                                                             "practice history cannot be used."))
                                            : warning;
        return board;
    }
    board.available = true;
    for (const KeptGame& entry : best) {
        board.best.push_back({.score = entry.game.score,
                              .difficulty = entry.game.difficulty,
                              .hits = entry.game.hits,
                              .losses = entry.game.losses,
                              .finishedAtMs = entry.game.finishedAtMs,
                              .thisGame = entry.id == keptId});
    }
    return board;
}

void TZQMainFm::GameClosed() {
    gameOnScreen_ = false;
    parts_.view.ShowWindow();
    ShowActions();
    TellHeldMessages();
}

// Help and profile.

void TZQMainFm::OpenHelp() {
    if (!OpenManual(paths_.DataFolder(), parts_.help))
        parts_.view.InformationBox(MissingManualMessage(paths_.DataFolder()));
}

void TZQMainFm::EditProfile() {
    std::unique_ptr<ProfileEditor> dialog = parts_.profileDialogs.CreateProfileEditor();
    dialog->SetCourses(paths_);
    dialog->SetWindowFont(settings_.FontName, settings_.FontCharset);
    dialog->SetAgent(agent_);
    // Erasing a user takes their practice history with them.
    dialog->SetUserErasedHandler([this](const std::string& name8) { history_->EraseUser(ToUtf8(name8)); });
    dialog->ExecuteEdit(*profile_);
    if (profile_->Speak) Speech();  // switched on in the dialog: ready before the first drill
    // The course or the daily goal may have changed.
    ShowLearnersDay();
}

// Closing.

bool TZQMainFm::FormClose(bool tellLearner) {
    // The run's time is in TimeTotal already: every line added its own.
    if (profile_ != nullptr && tellLearner) {
        parts_.view.InformationBox(
            PracticeTimeMessage(profile_->UserName, runPracticeTime_, profile_->TimeTotal));
    }
    if (!StoreAtClosing(tellLearner)) return false;
    game_.reset();
    parts_.view.CloseLogon();
    return true;
}

bool TZQMainFm::StoreAtClosing(bool tellLearner) {
    for (;;) {
        try {
            if (profile_ != nullptr) profile_->Save();
            settings_.Save();
            return true;
        } catch (const LibraryError& error) {
            if (!tellLearner) {
                std::fprintf(stderr, "%s\n", error.what());
                return true;
            }
            const std::string question =
                std::string(error.what()) + "\n\n" +
                Tr("The profile and the settings have not been stored. Make room on the disk or allow "
                   "writing in the folder, then retry; or end without storing them.");
            switch (parts_.view.AskAfterFailedStore(question)) {
                case MainView::UnstoredChoice::Retry:
                    continue;
                case MainView::UnstoredChoice::EndWithoutStoring:
                    return true;
                case MainView::UnstoredChoice::KeepOpen:
                    return false;
            }
        }
    }
}

}  // namespace zq
