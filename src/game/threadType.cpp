#include "game/threadType.h"

#include <exception>

namespace zq {

threadType::threadType(std::string wordFile, GameWindow& window, GameSurface& surface, GameSetup setup)
    : handoff_(window), play_(std::move(wordFile), window, surface, std::move(setup)) {
    MutexLock lock(handoff_.GameMutex());  // no game thread yet: for the analysis' sake
    play_.SetThreads(*this);
}

threadType::~threadType() {
    UiThreadRole.Assert();
    handoff_.Abandon();
    if (thread_.joinable()) thread_.join();
}

void threadType::SetEvents(GameEvents events) {
    MutexLock lock(handoff_.GameMutex());
    play_.SetEvents(std::move(events));
}

void threadType::SetDifficulty(std::int32_t difficulty) {
    UiThreadRole.Assert();
    MutexLock lock(handoff_.GameMutex());
    play_.SetDifficulty(difficulty);
}

void threadType::Tick() {
    UiThreadRole.Assert();
    if (thread_.joinable()) {
        handoff_.GrantPass();
        return;
    }
    if (handoff_.BeginFirstPass()) thread_ = std::thread([this] { Execute(); });
}

void threadType::PostKey(char key) {
    UiThreadRole.Assert();
    MutexLock lock(handoff_.GameMutex());
    play_.PostKey(key);
}

void threadType::Repaint() {
    UiThreadRole.Assert();
    MutexLock lock(handoff_.GameMutex());
    play_.Repaint();
}

std::int32_t threadType::Score() const {
    MutexLock lock(handoff_.GameMutex());
    return play_.Score();
}

std::int32_t threadType::Quota() const {
    MutexLock lock(handoff_.GameMutex());
    return play_.Quota();
}

std::int32_t threadType::InitialBricks() const {
    MutexLock lock(handoff_.GameMutex());
    return play_.InitialBricks();
}

bool threadType::Terminated() const {
    MutexLock lock(handoff_.GameMutex());
    return play_.Ended() || handoff_.Abandoned();
}

void threadType::Terminate() {
    UiThreadRole.Assert();
    handoff_.Abandon();
}

bool threadType::Idle() const {
    return handoff_.Idle();
}

void threadType::Inspect(const std::function<void(const GamePlay&)>& look) const {
    MutexLock lock(handoff_.GameMutex());
    look(play_);
}

void threadType::Execute() {
    GameThreadRole.Enter();
    handoff_.EnterGameThread();
    try {
        play_.StartGame();
        bool goesOn = play_.RunPass();
        while (goesOn && handoff_.AwaitPass()) goesOn = play_.RunPass();
        if (!goesOn) play_.EndGame();
    } catch (const GameAbandoned&) {
        // Left at a step boundary; nothing more runs.
    } catch (const std::exception& error) {
        EndWithError(error.what());
    }
    handoff_.LeaveGameThread();
}

void threadType::EndWithError(const std::string& messageUtf8) {
    try {
        play_.EndWithError(messageUtf8);
    } catch (const GameAbandoned&) {
        // Abandoned meanwhile: nothing more is shown.
    }
}

void threadType::OnUiThread(const std::function<void()>& step) {
    handoff_.GameMutex().AssertHeld();
    handoff_.RunOnUiThread(step);
}

void threadType::RaiseOnGameThread(const std::function<void()>& handler) {
    handoff_.GameMutex().AssertHeld();
    handoff_.CallUnlocked(handler);
}

}  // namespace zq
