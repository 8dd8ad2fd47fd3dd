#pragma once

#include <cstddef>
#include <deque>
#include <functional>

#include "speech/SpeechEngine.h"

namespace zq {

// The order in which utterances reach a voice that says one at a time:
// each after the one before has been said, except one said now, which cuts
// off the one being said and drops those waiting. Lives on the speech
// thread with its engine, which tells it when an utterance is done.
//
// Without an engine (none yet, or one that failed) nothing is said and
// nothing waits. An engine that fails is dropped: the queue tells its owner
// once and stays silent.
class SpeechQueue final : public SpeechEngine::Listener {
public:
    // News older than this is no news: the oldest waiting utterance makes
    // room for a new one (the game's words falling faster than they are said).
    static constexpr std::size_t kMostWaiting = 8;

    // The engine to speak with (not owned), or null.
    void SetEngine(SpeechEngine* engine);
    // Told, once, when the engine fails.
    void SetFailureHandler(std::function<void(SpeechProblem)> failed) { failed_ = std::move(failed); }

    void SayNow(const Utterance& utterance);
    void SayNext(const Utterance& utterance);

    // SpeechEngine::Listener.
    void SpeechDone() override;
    void SpeechFailed(SpeechProblem problem) override;

    bool Speaking() const { return speaking_; }
    std::size_t Waiting() const { return waiting_.size(); }

private:
    void SpeakNextWaiting();

    SpeechEngine* engine_ = nullptr;
    std::function<void(SpeechProblem)> failed_;
    std::deque<Utterance> waiting_;
    bool speaking_ = false;
};

}  // namespace zq
