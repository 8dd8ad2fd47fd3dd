#pragma once

// The game window's logic, under the window's historical name. Its Qt window
// (src/game/ui/GameFrameWindow) implements GameFrameView, passes keys, ticks,
// showing and closing to it, and draws the playing area.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "game/GameFrameView.h"
#include "game/GameOverReport.h"
#include "game/GameResult.h"
#include "game/GameScores.h"
#include "game/GameSurface.h"
#include "game/GameWindow.h"
#include "game/Mutex.h"
#include "game/StatusBars.h"
#include "game/threadType.h"

namespace zq {

// The sound events of every game of the window, connected by the main
// window. The first three may be raised on the game thread.
struct GameSoundEvents {
    std::function<void()> OnCityMissShoot;
    std::function<void()> OnCityShoot;
    std::function<void()> OnDifficultyIncrease;
    std::function<void()> OnCityHurt;
};

// What becomes of a window asked to close.
enum class CloseAction {
    None,  // it stays open
    Hide,  // it hides (and is kept for the next game)
};

// The window in which the game is played: it makes one game thread per game,
// asks for the difficulty, drives the game with the tick timer, passes keys
// on, shows the status bars, asks before an unfinished game is left and keeps
// the table of five scores.
class TgameFrame {
public:
    // `window` and `surface` are what every game of this window runs on
    // (the game thread's window services and the playing area's picture).
    // Runs FormCreate.
    TgameFrame(GameFrameView& view, GameWindow& window, GameSurface& surface);
    ~TgameFrame();
    TgameFrame(const TgameFrame&) = delete;
    TgameFrame& operator=(const TgameFrame&) = delete;

    // --- called by the main window ---
    void SetWordFile(std::string path8) { wordFileName_ = std::move(path8); }
    // The name of the words' font (8-bit text), also the playing area's font.
    void SetFontName(const std::string& name8);
    void AddScore(std::int32_t score) { scores_.Add(score); }
    // Passed on to every game from the next one on.
    void SetSoundEvents(GameSoundEvents events) { soundEvents_ = std::move(events); }
    // Told, on the game thread, of every word launched (its 8-bit text);
    // passed on to every game from the next one on.
    void SetNewWordHandler(std::function<void(const std::string& word8)> handler) {
        newWordHandler_ = std::move(handler);
    }
    // Show the score table when the window closes after a game (off until set).
    void SetShowScores(bool show) { showScores_ = show; }
    // Keeps the score of every game that ends by itself and answers with the
    // learner's best games, for the game-over view (none until set: the
    // view then shows the game alone).
    using ScoreKeeper = std::function<GameScoreBoard(const GameResult& result)>;
    void SetScoreKeeper(ScoreKeeper keeper) { scoreKeeper_ = std::move(keeper); }
    // How a game is made besides its window (tests give a clock and a random
    // source of their own); a real game's until set.
    void SetSetupMaker(std::function<GameSetup()> makeSetup) { makeSetup_ = std::move(makeSetup); }
    // Starts a game: the game thread on the word file (raises the library's
    // input and output error when it cannot be read, and the window then
    // has no game), the difficulty question, the ticks.
    void NewGame();

    // --- the window's handlers ---
    void FormCreate();
    // Every time the window is shown: the status panel's look, the window's
    // geometry and colour, and the game's columns from the screen width.
    void FormShow();
    // `key` is an 8-bit character of the system code page; Escape closes.
    void FormKeyPress(char key);
    // The window is asked to close; `action` starts as Hide.
    void FormClose(CloseAction& action);
    // The session ends: the game ends without a question or a table of
    // scores, its score kept as when the learner leaves it.
    void EndWithoutAsking();
    // The picture of the playing area was lost: draws the city and the words
    // again.
    void Paint();
    void Tick();

    // --- the game thread's events ---
    // The game has ended by itself: its score is kept and the game-over
    // view shown (on the UI thread, while the game thread waits).
    void GameOver(const GameResult& result);
    void ThreadEnded();
    void GameStarted(std::int32_t quota, std::int32_t bricks);
    void StatusChanged(std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses);

    void AskDifficulty();
    // Whether the game may be left (asks when it has not ended).
    bool CanStop();
    void EndKeepingScore();
    bool ConfirmExit();
    // "Your game scores:" and the five entries, one a line.
    std::string ScoresText() const;

    // Hold while copying the playing area's picture to the screen or while
    // replacing it (no-op without a game). Call nothing else of the game
    // meanwhile.
    std::unique_lock<Mutex> SceneLock() const;
    // No game pass is running (there is no game, it waits for a tick, or it
    // has ended), so a tick now would not be dropped.
    bool GameIdle() const;

    // The current game; none until the first one, nor after one whose word
    // file could not be read.
    const threadType* GameThread() const { return gameThread_.get(); }
    const GameScoreTable& Scores() const { return scores_; }
    bool ShowScores() const { return showScores_; }

private:
    GameEvents EventsOfGame();

    GameFrameView& view_;
    GameWindow& window_;
    GameSurface& surface_;
    GameSoundEvents soundEvents_;
    std::function<void(const std::string& word8)> newWordHandler_;
    std::function<GameSetup()> makeSetup_;
    ScoreKeeper scoreKeeper_;
    std::string wordFileName_;  // 8-bit text
    std::unique_ptr<threadType> gameThread_;
    GameScoreTable scores_;
    StatusBars bars_;  // holds the game's quota and bricks, from GameStarted
    bool showScores_ = false;
    bool scoreOffered_ = false;  // the current game's score is in the table
};

}  // namespace zq
