#include "game/GameFrame.h"

#include "base/Translation.h"
#include "game/Difficulty.h"
#include "game/GameSettings.h"

namespace zq {
namespace {

constexpr std::int32_t kCityRows = 3;
constexpr char kEscapeKey = 27;

}  // namespace

TgameFrame::TgameFrame(GameFrameView& view, GameWindow& window, GameSurface& surface)
    : view_(view), window_(window), surface_(surface) {
    FormCreate();
}

TgameFrame::~TgameFrame() {
    view_.SetTickTimerEnabled(false);
    GameThread.reset();  // ends the game thread before the picture it draws on goes
}

void TgameFrame::FormCreate() {
    Scores.Reset();
    ShowScores = false;
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
    view_.CoverScreen();
    settings.Columns = view_.ClientWidth() / settings.CellSize;
    settings.CityRows = kCityRows;
    view_.SetPlayingAreaWidth(settings.Columns * settings.CellSize);
    view_.SetWindowColour(settings.BackColor);
}

void TgameFrame::NewGame() {
    view_.SetTickTimerEnabled(false);
    // The earlier game (ended or abandoned) goes first, so that a word file
    // that cannot be read leaves the window without any game.
    GameThread.reset();
    view_.ClearPlayingArea();
    GameThread =
        std::make_unique<threadType>(WordFileName, window_, surface_, MakeSetup ? MakeSetup() : GameSetup{});
    scoreOffered_ = false;
    ConnectEvents(GameThread->Events());
    Paint();  // the new city
    AskDifficulty();
    view_.SetTickTimerEnabled(true);
}

void TgameFrame::ConnectEvents(GameEvents& events) {
    events.OnCityMissShoot = OnCityMissShoot;
    events.OnCityShoot = OnCityShoot;
    events.OnCityHurt = OnCityHurt;
    events.OnDifficultyIncrease = OnDifficultyIncrease;
    events.OnTerminate = [this] { ThreadEnded(); };
    events.OnGameStart = [this](std::int32_t quota, std::int32_t bricks) { GameStarted(quota, bricks); };
    events.OnStatus = [this](std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses) {
        StatusChanged(bricksLeft, hits, losses);
    };
}

void TgameFrame::AskDifficulty() {
    // The answer counts however the box was closed.
    const std::string answer = view_.AskNumber(Tr("Input Box"), Tr("Set difficulty (1-10)."), "3");
    GameThread->SetDifficulty(DifficultyFromAnswer(answer));
}

void TgameFrame::Tick() {
    if (GameThread) GameThread->Tick();
}

void TgameFrame::FormKeyPress(char key) {
    if (key == kEscapeKey) {
        view_.CloseWindow();
        return;
    }
    if (GameThread) GameThread->PostKey(key);
}

void TgameFrame::ThreadEnded() {
    view_.SetTickTimerEnabled(false);
}

void TgameFrame::GameStarted(std::int32_t quota, std::int32_t bricks) {
    Quota = quota;
    InitialBricks = bricks;
    const StatusBarValues bars = bars_.Start(quota, bricks);
    view_.SetBarPosition(GameBar::Progress, bars.progress);
    view_.SetBarPosition(GameBar::CityLife, bars.cityLife);
    view_.SetBarPosition(GameBar::InvaderLife, bars.invaderLife);
}

void TgameFrame::StatusChanged(std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses) {
    const StatusBarValues bars = bars_.Update(bricksLeft, hits, losses);
    view_.SetBarPosition(GameBar::CityLife, bars.cityLife);
    view_.SetBarPosition(GameBar::Progress, bars.progress);
    view_.SetBarColour(GameBar::CityLife, bars.cityLifeColour);
    view_.SetBarPosition(GameBar::InvaderLife, bars.invaderLife);
    view_.SetBarColour(GameBar::InvaderLife, bars.invaderLifeColour);
    view_.PaintStatusNow();
}

bool TgameFrame::ConfirmExit() {
    if (GameThread->Terminated()) return true;
    return view_.ConfirmBox(Tr("Do you want to exit?"));
}

bool TgameFrame::CanStop() {
    bool result = true;
    if (!GameThread->Terminated()) {
        view_.SetTickTimerEnabled(false);  // the game makes no further pass meanwhile
        result = false;
    }
    if (ConfirmExit()) {
        if (!scoreOffered_) AddScore(GameThread->Score());
        scoreOffered_ = true;
        GameThread->Terminate();
        return true;
    }
    // The game may have ended by itself while the question was open; only
    // a game that goes on gets its ticks back.
    if (!GameThread->Terminated()) view_.SetTickTimerEnabled(true);
    return result;
}

void TgameFrame::FormClose(CloseAction& action) {
    if (!GameThread) return;  // no game: the window simply hides
    if (!CanStop()) {
        action = CloseAction::None;
        return;
    }
    if (ShowScores) {
        Scores.Sort();
        view_.InformationBox(ScoresText());
    }
    action = CloseAction::Hide;
}

std::string TgameFrame::ScoresText() const {
    std::string text = std::string(Tr("Your game scores:")) + "\n";
    for (const std::string& entry : Scores.Entries()) text += entry + "\n";
    return text;
}

void TgameFrame::Paint() {
    if (GameThread) GameThread->Repaint();
}

std::unique_lock<std::mutex> TgameFrame::SceneLock() const {
    if (!GameThread) return {};
    return GameThread->SceneLock();
}

bool TgameFrame::GameIdle() const {
    return !GameThread || GameThread->Idle();
}

}  // namespace zq
