#include "game/GameThread.h"

#include <exception>

namespace zq {

threadType::threadType(std::string wordFile, GameWindow& window, GameSurface& surface, GameSetup setup)
    : play_(std::move(wordFile), window, surface, std::move(setup)), handoff_(window) {
    play_.SetThreads(*this);
}

threadType::~threadType() {
    handoff_.Abandon();
    if (thread_.joinable()) thread_.join();
}

void threadType::SetEvents(GameEvents events) {
    auto lock = handoff_.Lock();
    play_.SetEvents(std::move(events));
}

void threadType::SetDifficulty(std::int32_t difficulty) {
    play_.SetDifficulty(difficulty);  // no game thread yet
}

void threadType::Tick() {
    if (thread_.joinable()) {
        handoff_.GrantPass();
        return;
    }
    if (handoff_.BeginFirstPass()) thread_ = std::thread([this] { Execute(); });
}

void threadType::PostKey(char key) {
    auto lock = handoff_.Lock();
    play_.PostKey(key);
}

void threadType::Repaint() {
    auto lock = handoff_.Lock();
    play_.Repaint();
}

std::int32_t threadType::Score() const {
    auto lock = handoff_.Lock();
    return play_.Score();
}

std::int32_t threadType::Quota() const {
    auto lock = handoff_.Lock();
    return play_.Quota();
}

std::int32_t threadType::InitialBricks() const {
    auto lock = handoff_.Lock();
    return play_.InitialBricks();
}

bool threadType::Terminated() const {
    auto lock = handoff_.Lock();
    return play_.Ended() || handoff_.Abandoned();
}

void threadType::Terminate() {
    handoff_.Abandon();
}

bool threadType::Idle() const {
    return handoff_.Idle();
}

void threadType::Inspect(const std::function<void(const GamePlay&)>& look) const {
    auto lock = handoff_.Lock();
    look(play_);
}

void threadType::Execute() {
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
    handoff_.RunOnUiThread(step);
}

void threadType::RaiseOnGameThread(const std::function<void()>& handler) {
    handoff_.CallUnlocked(handler);
}

}  // namespace zq
