#include "speech/SpeechQueue.h"

namespace zq {

void SpeechQueue::SetEngine(SpeechEngine* engine) {
    engine_ = engine;
    speaking_ = false;
    waiting_.clear();
}

void SpeechQueue::SayNow(const Utterance& utterance) {
    if (engine_ == nullptr || utterance.text.empty()) return;
    waiting_.clear();
    speaking_ = true;
    engine_->Speak(utterance);
}

void SpeechQueue::SayNext(const Utterance& utterance) {
    if (engine_ == nullptr || utterance.text.empty()) return;
    if (waiting_.size() == kMostWaiting) waiting_.pop_front();
    waiting_.push_back(utterance);
    if (!speaking_) SpeakNextWaiting();
}

void SpeechQueue::SpeechDone() {
    speaking_ = false;
    SpeakNextWaiting();
}

void SpeechQueue::SpeechFailed(SpeechProblem problem) {
    if (engine_ == nullptr) return;
    SetEngine(nullptr);
    if (failed_) failed_(problem);
}

void SpeechQueue::SpeakNextWaiting() {
    if (engine_ == nullptr || waiting_.empty()) return;
    const Utterance next = waiting_.front();
    waiting_.pop_front();
    speaking_ = true;
    engine_->Speak(next);
}

}  // namespace zq
