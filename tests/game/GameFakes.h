#pragma once

// Stand-ins for what surrounds a game: a surface that records what is drawn,
// a window whose "UI thread" is whichever thread runs its posted steps, a
// scripted random source and a clock the test moves. Free of the test
// framework, so that the benchmarks use them too.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "base/stopwatch.h"
#include "game/GameRandom.h"
#include "game/GameSurface.h"
#include "game/GameWindow.h"

namespace zq::testing {

struct DrawnChar {
    std::int32_t x = 0;
    std::int32_t y = 0;
    char32_t ch = 0;
    GameFont font;
    TColor background = 0;
};

struct DrawnRect {
    GameRect rect;
    GamePen pen;
    TColor fill = 0;
};

class RecordingSurface : public GameSurface {
public:
    std::int32_t height = 480;
    std::vector<DrawnChar> chars;
    std::vector<std::pair<GameRect, TColor>> fills;
    std::vector<DrawnRect> rects;

    void DrawChar(std::int32_t x, std::int32_t y, char32_t ch, const GameFont& font,
                  TColor background) override {
        chars.push_back({x, y, ch, font, background});
    }
    void FillRect(const GameRect& rect, TColor color) override { fills.emplace_back(rect, color); }
    void DrawRect(const GameRect& rect, const GamePen& pen, TColor fill) override {
        rects.push_back({rect, pen, fill});
    }
    std::int32_t Height() const override { return height; }

    void Clear() {
        chars.clear();
        fills.clear();
        rects.clear();
    }
};

// Posted steps wait in a queue until the test's "UI thread" runs them.
class FakeGameWindow : public GameWindow {
public:
    void PostToUiThread(std::function<void()> step) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            posted_.push_back(std::move(step));
        }
        changed_.notify_all();
    }
    void SetStatusText(std::string_view utf8) override { status = utf8; }
    void InformationBox(std::string_view utf8) override { boxes.emplace_back(utf8); }

    // Runs the steps posted so far; the number run.
    int RunPosted() {
        int count = 0;
        while (true) {
            std::function<void()> step;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (posted_.empty()) return count;
                step = std::move(posted_.front());
                posted_.pop_front();
            }
            step();
            ++count;
        }
    }
    // Runs posted steps until `done` holds, waiting briefly for new ones in
    // between; false when `done` did not come within the time limit.
    bool RunPostedUntil(const std::function<bool()>& done,
                        std::chrono::milliseconds limit = std::chrono::milliseconds(10000)) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (true) {
            RunPosted();
            if (done()) return true;
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait_for(lock, std::chrono::microseconds(200), [&] { return !posted_.empty(); });
        }
    }
    // Waits until a step is posted, without running it, or until `orDone`
    // holds; false when neither came within the time limit.
    bool WaitForPosted(std::chrono::milliseconds limit, const std::function<bool()>& orDone = {}) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (true) {
            // `orDone` may ask the game, whose thread may be posting: never
            // call it with the queue locked.
            if (orDone && orDone()) return true;
            std::unique_lock<std::mutex> lock(mutex_);
            if (changed_.wait_for(lock, std::chrono::microseconds(200), [&] { return !posted_.empty(); }))
                return true;
            if (std::chrono::steady_clock::now() > deadline) return false;
        }
    }
    std::size_t PostedCount() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return posted_.size();
    }

    // Written by steps on the test's UI thread only.
    std::string status;
    std::vector<std::string> boxes;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> posted_;
};

// Answers from a script first, then from a fixed-seed generator; seeding
// from the clock changes nothing, so that every run draws the same.
class ScriptedRandom : public GameRandom {
public:
    std::deque<std::int32_t> script;
    int seeds = 0;
    int draws = 0;

    void SeedFromClock() override { ++seeds; }
    std::int32_t Below(std::int32_t range) override {
        ++draws;
        if (range <= 0) return 0;
        if (!script.empty()) {
            const std::int32_t value = script.front();
            script.pop_front();
            return value % range;
        }
        return std::uniform_int_distribution<std::int32_t>(0, range - 1)(engine_);
    }

private:
    std::mt19937 engine_{12345};
};

// A clock the test moves; read from the game thread too.
class FakeGameClock {
public:
    std::atomic<std::int64_t> now{1'000'000};
    MillisecondClock Function() {
        return [this] { return now.load(); };
    }
    void Advance(std::int64_t milliseconds) { now += milliseconds; }
};

}  // namespace zq::testing
