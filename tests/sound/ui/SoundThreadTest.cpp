#include "sound/ui/SoundThread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "SoundTestSupport.h"

namespace zq {
namespace {

// What the inner output saw, kept beyond its life.
struct OutputLog {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> played;
    std::thread::id madeOn, playedOn, destroyedOn;
    bool blocked = false;  // Play waits until `blocked` is false again
    int playMs = 0;        // how long each Play takes
    int entered = 0;       // Play calls begun

    size_t PlayedCount() {
        const std::lock_guard lock(mutex);
        return played.size();
    }
    bool WaitUntilEntered(int calls) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(5), [&] { return entered == calls; });
    }
    void Unblock() {
        const std::lock_guard lock(mutex);
        blocked = false;
        changed.notify_all();
    }
};

class LoggingOutput : public SoundOutput {
public:
    explicit LoggingOutput(std::shared_ptr<OutputLog> log) : log_(std::move(log)) {
        log_->madeOn = std::this_thread::get_id();
    }
    ~LoggingOutput() override { log_->destroyedOn = std::this_thread::get_id(); }

    void Play(const std::string& path8) override {
        std::unique_lock lock(log_->mutex);
        ++log_->entered;
        log_->changed.notify_all();
        log_->changed.wait(lock, [this] { return !log_->blocked; });
        log_->played.push_back(path8);
        log_->playedOn = std::this_thread::get_id();
        lock.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(log_->playMs));
    }

private:
    std::shared_ptr<OutputLog> log_;
};

SoundThread::OutputFactory LoggingTo(const std::shared_ptr<OutputLog>& log) {
    return [log] { return std::make_unique<LoggingOutput>(log); };
}

TEST(SoundThread, PlayReturnsAtOnceAndTheCuePlaysOnTheSoundThread) {
    auto log = std::make_shared<OutputLog>();
    log->blocked = true;  // a sound system that takes its time
    {
        SoundThread output(LoggingTo(log));
        output.Play("/m/ok.wav");  // would wait here for ever if it waited for the sound system
        EXPECT_EQ(log->PlayedCount(), 0u);
        log->Unblock();
        ASSERT_TRUE(testing::RunEventsUntil([&] { return log->PlayedCount() == 1; }));
    }
    EXPECT_EQ(log->played, std::vector<std::string>{"/m/ok.wav"});
    EXPECT_NE(log->playedOn, std::this_thread::get_id());
    EXPECT_EQ(log->madeOn, log->playedOn);
    EXPECT_EQ(log->destroyedOn, log->playedOn);
}

TEST(SoundThread, CuesOfTwoThreadsArriveInTheOrderTheyWerePlayedTheNewestLast) {
    auto log = std::make_shared<OutputLog>();
    log->playMs = 1;  // slower than the cues come: some are skipped
    constexpr int kCues = 400;
    {
        SoundThread output(LoggingTo(log));
        std::mutex raising;
        int next = 0;
        auto raise = [&] {
            for (;;) {
                const std::lock_guard lock(raising);
                if (next == kCues) return;
                output.Play(std::to_string(next++));
            }
        };
        std::thread game(raise);
        raise();
        game.join();
        ASSERT_TRUE(testing::RunEventsUntil([&] {
            const std::lock_guard lock(log->mutex);
            return !log->played.empty() && log->played.back() == std::to_string(kCues - 1);
        }));
    }
    std::vector<int> arrived;
    for (const std::string& cue : log->played) arrived.push_back(std::stoi(cue));
    EXPECT_TRUE(std::is_sorted(arrived.begin(), arrived.end()) &&
                std::adjacent_find(arrived.begin(), arrived.end()) == arrived.end())
        << ::testing::PrintToString(arrived);
    EXPECT_EQ(arrived.back(), kCues - 1);
}

TEST(SoundThread, ASoundSystemThatNeverAnswersDoesNotHoldUpTheEnd) {
    auto log = std::make_shared<OutputLog>();
    log->blocked = true;
    {
        SoundThread output(LoggingTo(log));
        output.Play("/m/ok.wav");
        ASSERT_TRUE(log->WaitUntilEntered(1));
        output.Play("/m/err.wav");  // waits behind the stuck one
    }                               // returns although the sound thread is still stuck in Play
    EXPECT_EQ(log->PlayedCount(), 0u);
    log->Unblock();  // lets the abandoned thread finish
    EXPECT_TRUE(testing::RunEventsUntil([&] { return log->destroyedOn != std::thread::id(); }));
    // Woken up after the end, it played no cue that was still waiting.
    EXPECT_EQ(log->played, std::vector<std::string>{"/m/ok.wav"});
}

// A global object of a library that the sound thread is inside, as the
// sound server's main loop is: destroyed while in use, it aborts.
struct LibraryInUse {
    std::atomic<bool> inUse = false;
    ~LibraryInUse() {
        if (!inUse) return;
        std::fputs("a library's global object was destroyed while the sound thread used it\n", stderr);
        std::abort();
    }
};

class OutputStuckInLibrary : public SoundOutput {
public:
    explicit OutputStuckInLibrary(LibraryInUse& library) : library_(library) {}
    void Play(const std::string&) override {
        library_.inUse = true;
        for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
    }

private:
    LibraryInUse& library_;
};

TEST(SoundThreadDeathTest, AfterLeavingAStuckThreadTheProcessEndsWithItsStatusAndDestroysNothingItUses) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            static LibraryInUse library;  // destroyed by exit(), unless the end skips it
            {
                SoundThread output([] { return std::make_unique<OutputStuckInLibrary>(library); });
                output.Play("/m/ok.wav");
                while (!library.inUse) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            std::fputs("left behind\n", stderr);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "left behind");
}

}  // namespace
}  // namespace zq
