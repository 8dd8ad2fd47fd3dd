#pragma once

#include <mutex>
#include <string_view>

#include "base/CodePage.h"
#include "speech/Speaker.h"

namespace zq {

// What the game says to a learner who listens: every new word as it starts
// to fall, in turn, so that each word is heard whole.
//
// The owner sets the speaker and voice on the user-interface thread between
// games; the game's own thread tells of the words. The two may meet (a game
// left a moment ago may still launch a word), so they share a lock.
class GameNarrator {
public:
    // Speaks with `speaker` (not owned; it outlives the narrator) in
    // `voice`, the words being text of `wordsCodePage` (the course's); with
    // no speaker, says nothing.
    void SpeakWith(Speaker* speaker, Voice voice, int wordsCodePage = SystemCodePage());

    // A word (8-bit text of the words' code page) was launched.
    void NewWord(std::string_view word8);

private:
    std::mutex mutex_;
    Speaker* speaker_ = nullptr;
    Voice voice_;
    int wordsCodePage_ = SystemCodePage();
};

}  // namespace zq
