#include "speech/GameNarrator.h"

#include "base/CodePage.h"

namespace zq {

void GameNarrator::SpeakWith(Speaker* speaker, Voice voice, int wordsCodePage) {
    const std::lock_guard lock(mutex_);
    speaker_ = speaker;
    voice_ = std::move(voice);
    wordsCodePage_ = wordsCodePage;
}

void GameNarrator::NewWord(std::string_view word8) {
    if (word8.empty()) return;
    const std::lock_guard lock(mutex_);
    if (speaker_ != nullptr) speaker_->SayNext({ToUtf8(word8, wordsCodePage_), voice_});
}

}  // namespace zq
