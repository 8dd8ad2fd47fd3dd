#pragma once

// Stages a game in states that whole games reach only after many passes:
// words at chosen places, bricks, a score, hits and losses, a game clock.
// For the tests and benchmarks of the game's rules; the game itself never
// needs it.

#include <cstdint>
#include <memory>

#include "game/GamePlay.h"

namespace zq {

class GamePlayTestAccess {
public:
    explicit GamePlayTestAccess(GamePlay& play) : play_(play) {}

    // A word on screen, as if launched (the launch count stays).
    strikerType& AddWord(std::unique_ptr<strikerType> word) {
        play_.words_.push_back(std::move(word));
        return *play_.words_.back();
    }
    // Words leave the screen as a drop step discards them: a word being
    // typed is typed no more, and bullets flying at them are done.
    void RemoveLastWord() { play_.Discard(std::prev(play_.words_.end())); }
    void RemoveAllWords() {
        while (!play_.words_.empty()) RemoveLastWord();
    }

    cityType& City() { return play_.city_; }
    stopwatch& GameClock() { return play_.gameClock_; }
    void SetScore(std::int32_t score) { play_.score_ = score; }
    void SetHits(std::int32_t hits) { play_.hits_ = hits; }
    void SetLosses(std::int32_t losses) { play_.losses_ = losses; }
    void SetHoldNewWords(bool hold) { play_.holdNewWords_ = hold; }

private:
    GamePlay& play_;
};

}  // namespace zq
