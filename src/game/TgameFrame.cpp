#include "game/TgameFrame.h"

#include "base/Translation.h"
#include "game/Difficulty.h"
#include "game/GamePlay.h"
#include "game/TGameSettings.h"

namespace zq {
namespace {

constexpr std::int32_t kCityRows = 3;

}  // namespace

TgameFrame::TgameFrame(GameFrameView& view, GameWindow& window, GameSurface& surface)
    : view_(view), window_(window), surface_(surface) {
    FormCreate();
}

TgameFrame::~TgameFrame() {
    view_.SetTickTimerEnabled(false);
    gameThread_.reset();  // ends the game thread before the picture it draws on goes
}

void TgameFrame::FormCreate() {
    scores_.Reset();
    showScores_ = false;
    view_.SetTickTimerEnabled(false);
}

void TgameFrame::SetFontName(const std::string& name8) {
    GameSettings().WordFontName = name8;
    view_.SetPlayingAreaFontName(name8);
}

void TgameFrame::FormShow() {
    TGameSettings& settings = GameSettings();
    // A profile with a font size of 0 or less would leave no cell to play in.
    if (settings.CellSize < 1) settings.CellSize = TGameSettings{}.CellSize;
    // First: the panel's height decides where the playing area begins.
    view_.SetStatusLook(settings.StatusScale, settings.StatusPalette);
    view_.CoverScreen();
    settings.Columns = view_.ClientWidth() / settings.CellSize;
    settings.CityRows = kCityRows;
    view_.SetPlayingAreaWidth(settings.Columns * settings.CellSize);
    view_.SetWindowColor(settings.BackColor);
}

void TgameFrame::NewGame() {
    view_.SetTickTimerEnabled(false);
    // The earlier game (ended or abandoned) goes first, so that a word file
    // that cannot be read leaves the window without any game.
    gameThread_.reset();
    view_.ClearPlayingArea();
    gameThread_ = std::make_unique<threadType>(wordFileName_, window_, surface_,
                                               makeSetup_ ? makeSetup_() : GameSetup{});
    scoreOffered_ = false;
    gameThread_->SetEvents(EventsOfGame());
    Paint();  // the new city
    AskDifficulty();
    view_.SetTickTimerEnabled(true);
}

GameEvents TgameFrame::EventsOfGame() {
    GameEvents events;
    events.OnCityMissShoot = soundEvents_.OnCityMissShoot;
    events.OnCityShoot = soundEvents_.OnCityShoot;
    events.OnCityHurt = soundEvents_.OnCityHurt;
    events.OnDifficultyIncrease = soundEvents_.OnDifficultyIncrease;
    events.OnNewWord = newWordHandler_;
    events.OnGameOver = [this](const GameResult& result) { GameOver(result); };
    events.OnTerminate = [this] { ThreadEnded(); };
    events.OnGameStart = [this](std::int32_t quota, std::int32_t bricks) { GameStarted(quota, bricks); };
    events.OnStatus = [this](std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses) {
        StatusChanged(bricksLeft, hits, losses);
    };
    events.OnWordsOnScreen = [this](const std::vector<std::string>& words8) {
        view_.ShowWordsOnScreen(words8);
    };
    return events;
}

void TgameFrame::AskDifficulty() {
    // The answer counts however the box was closed.
    const std::string answer = view_.AskNumber(Tr("Input Box"), Tr("Set difficulty (1-10)."), "3");
    gameThread_->SetDifficulty(DifficultyFromAnswer(answer));
}

void TgameFrame::Tick() {
    if (gameThread_) gameThread_->Tick();
}

void TgameFrame::FormKeyPress(char key) {
    if (key == GamePlay::kEscape) {
        view_.CloseWindow();
        return;
    }
    if (gameThread_) gameThread_->PostKey(key);
}

void TgameFrame::GameOver(const GameResult& result) {
    // Ended before any word fell: the word file holds none. Nothing was
    // played, so nothing is kept, and the player learns why.
    if (result.hits == 0 && result.losses == 0) {
        view_.InformationBox(
            Format(Tr("The file %s holds no words: no word could fall, and this game is not kept."),
                   {wordFileName_}));
        return;
    }
    const GameScoreBoard board = scoreKeeper_ ? scoreKeeper_(result) : GameScoreBoard{};
    view_.ShowGameOver(MakeGameOverReport(result, board));
}

void TgameFrame::ThreadEnded() {
    view_.SetTickTimerEnabled(false);
}

void TgameFrame::GameStarted(std::int32_t quota, std::int32_t bricks) {
    const StatusBarValues bars = bars_.Start(quota, bricks);
    view_.SetBarPosition(GameBar::Progress, bars.progress);
    view_.SetBarPosition(GameBar::CityLife, bars.cityLife);
    view_.SetBarPosition(GameBar::InvaderLife, bars.invaderLife);
}

void TgameFrame::StatusChanged(std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses) {
    const StatusBarValues bars = bars_.Update(bricksLeft, hits, losses);
    view_.SetBarPosition(GameBar::CityLife, bars.cityLife);
    view_.SetBarPosition(GameBar::Progress, bars.progress);
    view_.SetBarColor(GameBar::CityLife, bars.cityLifeColor);
    view_.SetBarPosition(GameBar::InvaderLife, bars.invaderLife);
    view_.SetBarColor(GameBar::InvaderLife, bars.invaderLifeColor);
    view_.PaintStatusNow();
}

bool TgameFrame::ConfirmExit() {
    if (gameThread_->Terminated()) return true;
    return view_.ConfirmBox(Tr("Do you want to exit?"));
}

bool TgameFrame::CanStop() {
    bool result = true;
    if (!gameThread_->Terminated()) {
        view_.SetTickTimerEnabled(false);  // the game makes no further pass meanwhile
        result = false;
    }
    if (ConfirmExit()) {
        EndKeepingScore();
        return true;
    }
    // The game may have ended by itself while the question was open; only
    // a game that goes on gets its ticks back.
    if (!gameThread_->Terminated()) view_.SetTickTimerEnabled(true);
    return result;
}

void TgameFrame::EndWithoutAsking() {
    if (!gameThread_) return;
    view_.SetTickTimerEnabled(false);
    EndKeepingScore();
}

// The score goes to the table once, however the game is left.
void TgameFrame::EndKeepingScore() {
    if (!scoreOffered_) AddScore(gameThread_->Score());
    scoreOffered_ = true;
    gameThread_->Terminate();
}

void TgameFrame::FormClose(CloseAction& action) {
    if (!gameThread_) return;  // no game: the window simply hides
    if (!CanStop()) {
        action = CloseAction::None;
        return;
    }
    if (showScores_) {
        scores_.Sort();
        view_.InformationBox(ScoresText());
    }
    action = CloseAction::Hide;
}

std::string TgameFrame::ScoresText() const {
    std::string text = std::string(Tr("Your game scores:")) + "\n";
    for (const std::string& entry : scores_.Entries()) text += entry + "\n";
    return text;
}

void TgameFrame::Paint() {
    if (gameThread_) gameThread_->Repaint();
}

std::unique_lock<Mutex> TgameFrame::SceneLock() const {
    if (!gameThread_) return {};
    return gameThread_->SceneLock();
}

bool TgameFrame::GameIdle() const {
    return !gameThread_ || gameThread_->Idle();
}

}  // namespace zq
