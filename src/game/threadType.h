#pragma once

// The running game: one game thread that makes one pass of the game loop per
// tick of the game window.
//
// Who runs what (checked by the compiler: see below)
//   UI thread, on its own: construction, SetEvents, SetDifficulty, Tick,
//     PostKey, Repaint, Terminate, destruction; and, from either thread,
//     Score, Quota, InitialBricks, Terminated, Idle and Inspect.
//   UI thread, while the game thread waits for it: the drop step, the bullet
//     step, the status line, the statistics, error boxes, and the events
//     OnCityHurt, OnStatus and OnTerminate.
//   Game thread: launching words, the key, and the events OnCityShoot,
//     OnCityMissShoot and OnDifficultyIncrease (whose handlers must not wait
//     for the UI thread; queue the sound instead).
//   Each step of GamePlay REQUIRES the role of the thread it runs on
//   (UiThreadRole or GameThreadRole, game/ThreadRole.h); the game thread
//   takes its role when it starts, and a step it hands to the UI thread
//   asserts the UI thread's role where it begins. clang's thread-safety
//   analysis (-Wthread-safety, a CI build) rejects a game-thread step that
//   calls a UI-thread step instead of handing it over, and the reverse.
//
// How the window's repaint is kept apart from the game thread's drawing
//   One mutex guards the whole game: the words, the bullets, the score, the
//   key mailbox and the drawing surface (play_ is GUARDED_BY it). The game
//   thread holds it for all of its own work (launching words, handling a key
//   and drawing the word being typed) and lets go of it only while it waits
//   (for the next tick, or for a step it has handed to the UI thread), while
//   it posts a step, and while an event handler runs.
//   Everything the UI thread does on its own (Repaint, PostKey, Score,
//   Terminate, and the window's copy of its picture to the screen under
//   SceneLock) takes the mutex, so it always sees a finished piece of the
//   game thread's work, never half of it. A step handed to the UI thread runs
//   without the mutex, because the game thread is waiting for it and touches
//   nothing meanwhile; so the window may repaint from inside a step (for
//   example while it processes pending events) without a deadlock. The order
//   of the effects within a pass is that of a game with no threads at all.
//
// Ending
//   A game that ends by itself shows its statistics on the UI thread, counts
//   as Terminated, raises OnTerminate on the UI thread, and the game thread
//   leaves. Terminate abandons a game: the game thread leaves at its next
//   wait, a step handed to the UI thread but not yet begun never runs (a
//   step already running finishes first), no statistics are shown and
//   OnTerminate is not raised. The destructor terminates the game and
//   waits for the game thread to leave, which it does at its next wait, so
//   no ending ever waits for a tick or for the UI thread. Destroy the game
//   on the UI thread, never from inside one of its own steps or events (the
//   window keeps it until the next game, or defers the deletion).

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "base/ThreadSafety.h"
#include "game/GamePlay.h"
#include "game/GameSurface.h"
#include "game/GameWindow.h"
#include "game/Mutex.h"
#include "game/ThreadHandoff.h"
#include "game/ThreadRole.h"

namespace zq {

class threadType : private PassThreads {
public:
    // Builds the city on the surface's present height, reads the word file
    // and writes the status line; the game thread starts at the first Tick.
    // Raises the library's input and output error when the word file cannot
    // be read. The thread that makes the game is its UI thread.
    threadType(std::string wordFile, GameWindow& window, GameSurface& surface, GameSetup setup = {});
    ~threadType() override;
    threadType(const threadType&) = delete;
    threadType& operator=(const threadType&) = delete;

    // Connect before SetDifficulty (OnGameStart) or at least before the first Tick.
    void SetEvents(GameEvents events) EXCLUDES(handoff_.GameMutex());

    // Once, before the first Tick (no game thread runs yet): difficulty 1 to 10.
    void SetDifficulty(std::int32_t difficulty) EXCLUDES(handoff_.GameMutex());

    // The 10 ms tick: starts the game thread at the first call, then lets it
    // make one pass whenever it waits for one. A tick that comes while a pass
    // is still running is dropped.
    void Tick() EXCLUDES(handoff_.GameMutex());
    // The key mailbox holds one key; a key not yet taken is replaced.
    void PostKey(char key) EXCLUDES(handoff_.GameMutex());
    // Draws the city and every word again.
    void Repaint() EXCLUDES(handoff_.GameMutex());
    // Hold this while the window copies what the game drew to the screen, so
    // that the game thread does not draw meanwhile. Call nothing of the game
    // while holding it (the analysis does not follow a std::unique_lock: the
    // window holds it only around its copy).
    std::unique_lock<Mutex> SceneLock() const { return std::unique_lock<Mutex>(handoff_.GameMutex()); }

    std::int32_t Score() const EXCLUDES(handoff_.GameMutex());
    // The most words of this game, from its difficulty.
    std::int32_t Quota() const EXCLUDES(handoff_.GameMutex());
    // The bricks the city started the game with.
    std::int32_t InitialBricks() const EXCLUDES(handoff_.GameMutex());
    // The game has ended by itself or has been abandoned.
    bool Terminated() const EXCLUDES(handoff_.GameMutex());
    // Abandons the game (see above).
    void Terminate() EXCLUDES(handoff_.GameMutex());

    // No pass is running: the game thread has not started, waits for a tick
    // or has left (for tests and diagnostics).
    bool Idle() const EXCLUDES(handoff_.GameMutex());
    // Lets `look` read the game while the game thread cannot change it. Call
    // nothing of the game from inside.
    void Inspect(const std::function<void(const GamePlay&)>& look) const EXCLUDES(handoff_.GameMutex());

private:
    void Execute() EXCLUDES(handoff_.GameMutex());
    void EndWithError(const std::string& messageUtf8) REQUIRES(GameThreadRole, handoff_.GameMutex());

    // PassThreads: called by the game's steps on the game thread, which
    // holds the mutex while it runs them.
    void OnUiThread(const std::function<void()>& step) override REQUIRES(GameThreadRole);
    void RaiseOnGameThread(const std::function<void()>& handler) override REQUIRES(GameThreadRole);

    ThreadHandoff handoff_;
    GamePlay play_ GUARDED_BY(handoff_.GameMutex());
    std::thread thread_;  // UI thread only
};

}  // namespace zq
