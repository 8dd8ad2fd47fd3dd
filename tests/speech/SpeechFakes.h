#pragma once

// Stand-ins for what speech speaks through: a speaker that writes down what
// it is told, and timers the test fires by hand.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/OneShotTimer.h"
#include "speech/Speaker.h"

namespace zq::testing {

// What was said, and how.
struct Said {
    std::string text;
    Voice voice;
    bool now = false;  // SayNow: it cut off what was being said
};

class RecordingSpeaker : public Speaker {
public:
    void SayNow(const Utterance& utterance) override {
        said.push_back({utterance.text, utterance.voice, true});
    }
    void SayNext(const Utterance& utterance) override {
        said.push_back({utterance.text, utterance.voice, false});
    }

    // The texts said, in order; "!" in front of those said now.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Said& each : said) texts.push_back((each.now ? "!" : "") + each.text);
        return texts;
    }
    // The texts said since the last call.
    std::vector<std::string> TakeTexts() {
        std::vector<std::string> texts = Texts();
        said.clear();
        return texts;
    }

    std::vector<Said> said;
};

// A timer that runs until the test fires it.
class ManualTimer : public OneShotTimer {
public:
    explicit ManualTimer(std::function<void()> timeout) : timeout_(std::move(timeout)) {}
    void Start(int milliseconds) override {
        running = true;
        startedWith = milliseconds;
    }
    void Stop() override { running = false; }
    // Its time has passed: it calls its handler when it runs.
    void Fire() {
        if (!running) return;
        running = false;
        timeout_();
    }

    bool running = false;
    int startedWith = 0;

private:
    std::function<void()> timeout_;
};

// Makes manual timers and keeps track of them (the timers belong to whoever
// asked for them; the list holds only what the test needs to fire them).
struct ManualTimers {
    std::vector<ManualTimer*> made;

    OneShotTimerFactory Factory() {
        return [this](std::function<void()> timeout) {
            auto timer = std::make_unique<ManualTimer>(std::move(timeout));
            made.push_back(timer.get());
            return timer;
        };
    }
    ManualTimer& Last() { return *made.back(); }
};

}  // namespace zq::testing
