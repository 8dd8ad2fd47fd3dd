#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/VirtualKeys.h"
#include "base/stopwatch.h"
#include "game/GameRandom.h"
#include "game/GameResult.h"
#include "game/GameSurface.h"
#include "game/GameWindow.h"
#include "game/IntervalTrigger.h"
#include "game/TGameSettings.h"
#include "game/ThreadRole.h"
#include "game/bulletType.h"
#include "game/cityType.h"
#include "game/strikerSourceType.h"
#include "game/strikerType.h"

namespace zq {

// What a game tells its window and the sound cues. Each is optional and is
// connected before the first tick.
struct GameEvents {
    std::function<void()> OnCityShoot;           // game thread: a word was shot down
    std::function<void()> OnCityMissShoot;       // game thread: a wrong key while a word was typed
    std::function<void()> OnDifficultyIncrease;  // game thread: the level rose
    std::function<void()> OnCityHurt;            // UI thread: a word hit the city
    // Game thread: a word was launched (its 8-bit text), for a learner who
    // listens.
    std::function<void(const std::string& word8)> OnNewWord;
    // UI thread, from SetDifficulty: the most words of this game and the city's bricks.
    std::function<void(std::int32_t quota, std::int32_t initialBricks)> OnGameStart;
    // UI thread, after every status line.
    std::function<void(std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses)> OnStatus;
    // UI thread: the game has ended by itself; shows what it came to, its
    // statistics among them, and returns when that has been seen. Without
    // it the statistics come in an information box (StatisticsLine).
    std::function<void(const GameResult& result)> OnGameOver;
    // UI thread, with a status line whenever the words on screen changed:
    // those still falling or being typed, in launch order (8-bit texts).
    std::function<void(const std::vector<std::string>& words8)> OnWordsOnScreen;
    // UI thread: the game has ended by itself and its statistics have been
    // shown (not raised for a game abandoned with Terminate).
    std::function<void()> OnTerminate;
};

// How the rules reach the threads around them. The game thread hands steps to
// the UI thread through it; in tests everything runs in place.
class PassThreads {
public:
    virtual ~PassThreads() = default;
    // Runs `step` on the UI thread and returns when it is done; the game
    // thread waits meanwhile, so the step has the game to itself. The step
    // begins with UiThreadRole.Assert().
    virtual void OnUiThread(const std::function<void()>& step) REQUIRES(GameThreadRole) = 0;
    // Calls an event handler from the game thread, with nothing of the game
    // held, so that the handler may ask the game for its score.
    virtual void RaiseOnGameThread(const std::function<void()>& handler) REQUIRES(GameThreadRole) = 0;
};

// What a game is made with besides its window; the defaults are those of a
// real game, tests replace them.
struct GameSetup {
    TGameSettings settings = GameSettings();
    std::unique_ptr<GameRandom> random = MakeClockSeededRandom();
    MillisecondClock clock = SteadyMilliseconds;
    std::atomic<std::int32_t>* groupPointer = &GroupPointer();
};

// The rules of one game: the words on screen, the bullets, the word source
// and the city; the score, the level and the quota; each step of a pass of
// the game loop. GamePlay knows nothing of threads: threadType runs it and
// says, through PassThreads, where each step runs. Which thread runs which
// step is written on each step (REQUIRES a ThreadRole) and checked by the
// compiler; a game-thread step hands a UI-thread step over through
// PassThreads, never calls it.
class GamePlay {
public:
    using WordList = std::list<std::unique_ptr<strikerType>>;
    using BulletList = std::list<std::unique_ptr<bulletType>>;
    // The character the Escape key types: its key code.
    static constexpr char kEscape = VK_ESCAPE;

    // Builds the city on the surface's present height, reads the word file
    // (raises the library's input and output error) and writes the status
    // line. The thread that makes a game is its UI thread.
    GamePlay(std::string wordFile, GameWindow& window, GameSurface& surface, GameSetup setup = {});
    GamePlay(const GamePlay&) = delete;
    GamePlay& operator=(const GamePlay&) = delete;

    // --- set by the owner, before the first pass ---
    void SetThreads(PassThreads& threads) { threads_ = &threads; }
    void SetEvents(GameEvents events) { events_ = std::move(events); }
    // Once: the difficulty, 1 to 10.
    void SetDifficulty(std::int32_t difficulty) REQUIRES(UiThreadRole);

    // The game loop: StartGame once on the game thread, then RunPass once per
    // tick until it answers false: the game has ended, and EndGame shows its
    // statistics. A game stopped by an error ends with EndWithError instead.
    // Either raises OnTerminate last.
    void StartGame() REQUIRES(GameThreadRole);
    bool RunPass() REQUIRES(GameThreadRole);
    void EndGame() REQUIRES(GameThreadRole);
    void EndWithError(const std::string& messageUtf8) REQUIRES(GameThreadRole);

    // The steps of a pass, in their order, and what they use.
    bool LaunchNewWord() REQUIRES(GameThreadRole);  // at the new-word trigger, by chance
    bool Refill() REQUIRES(GameThreadRole);         // a word at once when the screen is empty
    void DropStep() REQUIRES(UiThreadRole);
    void BulletStep() REQUIRES(UiThreadRole);
    void HandleKey(char key) REQUIRES(GameThreadRole);
    void Fire(strikerType& word) REQUIRES(GameThreadRole);
    void SetLevel(std::int32_t level) REQUIRES(GameThreadRole);
    void UpdateLevel() REQUIRES(GameThreadRole);
    bool NewWordsHeld() REQUIRES(GameThreadRole);
    void UpdateStatus() REQUIRES(UiThreadRole);
    void TellWordsOnScreen() REQUIRES(UiThreadRole);
    void ShowStatistics() REQUIRES(UiThreadRole);
    void Repaint() REQUIRES(UiThreadRole);  // the city, then every word

    // The key mailbox: the last key not yet taken wins.
    void PostKey(char key) REQUIRES(UiThreadRole);

    // --- the game as it stands ---
    const TGameSettings& Settings() const { return settings_; }
    const WordList& Words() const { return words_; }  // in launch order
    const BulletList& Bullets() const { return bullets_; }
    const strikerSourceType& Source() const { return source_; }
    const cityType& City() const { return city_; }
    std::int32_t InitialBricks() const { return city_.InitialBricks(); }

    std::int32_t StartDifficulty() const { return startDifficulty_; }
    std::int32_t Level() const { return level_; }
    std::int32_t Bonus() const { return bonus_; }  // levels earned above StartDifficulty, 0..3
    std::int32_t Score() const { return score_; }
    std::int32_t Hits() const { return hits_; }
    std::int32_t Losses() const { return losses_; }
    // The most words launched in this game.
    std::int32_t Quota() const { return 50 + 20 * startDifficulty_; }
    std::int32_t Launched() const { return launched_; }

    std::int32_t NewWordInterval() const { return newWordInterval_; }
    std::int32_t DropInterval() const { return dropInterval_; }
    std::int32_t BulletInterval() const { return bulletInterval_; }
    std::int32_t SpeedPhase() const { return speedPhase_; }  // 1..3: which speed classes move
    bool HoldNewWords() const { return holdNewWords_; }      // after a level rise

    // The word being typed, if any.
    const strikerType* Target() const { return target_; }
    bool Targeting() const { return target_ != nullptr; }
    // The key in the mailbox, not yet taken.
    std::optional<char> PendingKey() const { return pendingKey_; }
    // The game has ended by itself (EndGame or EndWithError).
    bool Ended() const { return ended_; }

private:
    // One thread plays both parts.
    class InPlace : public PassThreads {
    public:
        void OnUiThread(const std::function<void()>& step) override REQUIRES(GameThreadRole) { step(); }
        void RaiseOnGameThread(const std::function<void()>& handler) override REQUIRES(GameThreadRole) {
            handler();
        }
    };
    // Tests stage words, bricks and tallies that whole games reach only
    // after many passes.
    friend class GamePlayTestAccess;

    void SetIntervals(std::int32_t level);
    void TakeKey(char key) REQUIRES(GameThreadRole);
    void ShootDown(strikerType& word, std::int32_t points) REQUIRES(GameThreadRole);
    void LaunchCurrentWord() REQUIRES(GameThreadRole);
    void ReleaseTarget(const strikerType& word);
    WordList::iterator Discard(WordList::iterator word);
    void ShowErrorBox(const std::string& messageUtf8) REQUIRES(GameThreadRole);
    void Finish() REQUIRES(GameThreadRole);
    void Raise(const std::function<void()>& handler) REQUIRES(GameThreadRole);

    TGameSettings settings_;
    GameWindow& window_;
    GameSurface& surface_;
    std::unique_ptr<GameRandom> random_;
    InPlace inPlace_;
    PassThreads* threads_ = &inPlace_;
    GameEvents events_;

    IntervalTrigger newWordTrigger_;
    IntervalTrigger dropTrigger_;
    IntervalTrigger bulletTrigger_;
    std::int32_t speedPhase_ = 2;
    strikerSourceType source_;
    WordList words_;
    std::vector<std::string> wordsTold_;  // the words on screen OnWordsOnScreen told last
    BulletList bullets_;
    stopwatch gameClock_;
    cityType city_;

    std::int32_t startDifficulty_ = 0;
    std::int32_t level_ = 0;
    std::int32_t bonus_ = 0;
    std::int32_t hits_ = 0;
    std::int32_t losses_ = 0;
    std::int32_t launched_ = 0;
    std::int32_t newWordInterval_ = 0;
    std::int32_t dropInterval_ = 0;
    std::int32_t bulletInterval_ = 0;
    std::int32_t score_ = 0;
    strikerType* target_ = nullptr;  // one of words_
    std::optional<char> pendingKey_;
    bool holdNewWords_ = false;
    bool ended_ = false;
};

}  // namespace zq
