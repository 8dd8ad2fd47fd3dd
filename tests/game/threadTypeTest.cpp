#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "../support/TempFolder.h"
#include "GameFakes.h"
#include "game/threadType.h"

namespace zq {
namespace {

using testing::FakeGameClock;
using testing::FakeGameWindow;
using testing::RecordingSurface;
using testing::ScriptedRandom;

// A random source that fails once told to.
class FailingRandom : public ScriptedRandom {
public:
    bool fail = false;
    std::int32_t Below(std::int32_t range) override {
        if (fail) throw std::runtime_error("no more numbers");
        return ScriptedRandom::Below(range);
    }
};

// Whole games: a game thread against a fake window whose UI thread is the
// test's own thread, and a clock that moves 10 ms a tick.
class GameRig {
public:
    GameRig(const std::string& wordFilePath, const TGameSettings& settings, bool fullCity = false,
            std::unique_ptr<ScriptedRandom> random = std::make_unique<ScriptedRandom>()) {
        surface.height = 120;
        if (fullCity) random->script.assign(static_cast<std::size_t>(settings.Columns), 0);
        GameSetup setup;
        setup.settings = settings;
        setup.random = std::move(random);
        setup.clock = clock.Function();
        setup.groupPointer = &groupPointer;
        game = std::make_unique<threadType>(wordFilePath, window, surface, std::move(setup));
        events.OnCityShoot = [this] { shots += game->Score() > 0 ? 1 : 0; };  // may read the game
        events.OnCityHurt = [this] { ++hurts; };
        events.OnTerminate = [this] { ++ends; };
        game->SetEvents(events);
    }

    // One tick: the pass runs, with the steps it hands to the UI thread run
    // here, until the game thread waits for the next tick or has left.
    void Tick() {
        clock.Advance(10);
        game->Tick();
        game->Repaint();  // while the pass may be running
        ASSERT_TRUE(window.RunPostedUntil([&] { return game->Idle(); })) << "the pass does not end";
    }
    // Ticks until the game ends by itself; false when it has not after `limit` ticks.
    bool PlayUntilEnd(const std::function<void()>& beforeTick = {}, int limit = 20000) {
        for (int tick = 0; tick < limit && !game->Terminated(); ++tick) {
            if (beforeTick) beforeTick();
            Tick();
        }
        return game->Terminated();
    }

    template <class T>
    T Read(const std::function<T(const GamePlay&)>& look) const {
        T value{};
        game->Inspect([&](const GamePlay& play) { value = look(play); });
        return value;
    }

    FakeGameClock clock;
    FakeGameWindow window;
    RecordingSurface surface;
    std::atomic<std::int32_t> groupPointer{1};
    std::unique_ptr<threadType> game;
    GameEvents events;  // as connected
    int shots = 0;
    int hurts = 0;
    int ends = 0;
};

class GameThreadTest : public ::testing::Test {
protected:
    GameThreadTest() {
        settings.CellSize = 10;
        settings.Columns = 40;
    }
    std::string WordFile(const std::string& bytes) {
        folder_.Write("Game.txt", bytes);
        return folder_.File("Game.txt");
    }

    TGameSettings settings;

private:
    test::TempFolder folder_;
};

// The key a quick typist presses next: the next letter of the word being
// typed, else the first letter of the first falling word.
std::optional<char> NextKey(const GamePlay& play) {
    if (const strikerType* target = play.Target())
        return target->Text[static_cast<std::size_t>(target->Typed)];
    for (const auto& word : play.Words())
        if (word->State == wsFalling) return word->Text[0];
    return std::nullopt;
}

TEST_F(GameThreadTest, APlayerWhoTypesEveryWordWins) {
    GameRig rig(WordFile("sun moon star\nsky rain\n\nx cloud wind\n\nsnow ice fog hail"), settings, true);
    const std::int32_t points = 5 * (3 + 4 + 4 + 3 + 4) + 1 + 5 * (5 + 4) + 5 * (4 + 3 + 3 + 4);
    rig.game->SetDifficulty(1);
    const std::int32_t bricks =
        rig.Read<std::int32_t>([](const GamePlay& play) { return play.City().CountBricks(); });
    const bool ended = rig.PlayUntilEnd([&] {
        const auto key = rig.Read<std::optional<char>>(NextKey);
        if (key) rig.game->PostKey(*key);
    });
    ASSERT_TRUE(ended);
    EXPECT_EQ(rig.Read<std::int32_t>([](const GamePlay& play) { return play.Hits(); }), 12);
    EXPECT_EQ(rig.Read<std::int32_t>([](const GamePlay& play) { return play.Losses(); }), 0);
    EXPECT_EQ(rig.Read<std::int32_t>([](const GamePlay& play) { return play.City().CountBricks(); }), bricks);
    EXPECT_EQ(rig.game->Score(), 1200 + points);
    EXPECT_EQ(rig.shots, 12);
    EXPECT_EQ(rig.ends, 1);
    ASSERT_EQ(rig.window.boxes.size(), 1u);
    EXPECT_EQ(rig.window.boxes[0].rfind("   Accuracy: 100%   WPM: ", 0), 0u) << rig.window.boxes[0];

    // An ended game makes no further pass.
    rig.Tick();
    EXPECT_EQ(rig.window.PostedCount(), 0u);
    EXPECT_EQ(rig.ends, 1);
}

TEST_F(GameThreadTest, APlayerWhoTypesNothingLosesTheCity) {
    settings.DropSpeed = 10;  // a drop step at every pass
    settings.DropSpeedBy = 0;
    settings.NewWordSpeed = 100;
    settings.NewWordSpeedBy = 0;
    std::string words;
    for (char first = 'a'; first < 'a' + 26; ++first) words += std::string(10, first) + ' ';
    words += "\n\n";
    for (char first = 'A'; first < 'A' + 26; ++first) words += std::string(10, first) + ' ';
    GameRig rig(WordFile(words), settings, true);
    rig.game->SetDifficulty(1);
    ASSERT_TRUE(rig.PlayUntilEnd());
    EXPECT_LE(rig.game->Score(), 0) << "1200 points are gone after 40 words";
    EXPECT_EQ(rig.Read<std::int32_t>([](const GamePlay& play) { return play.Hits(); }), 0);
    EXPECT_EQ(rig.Read<std::int32_t>([](const GamePlay& play) { return play.Losses(); }), 40);
    EXPECT_GT(rig.hurts, 10) << "words that found no brick left under them sank to the ground";
    EXPECT_FALSE(rig.Read<bool>([](const GamePlay& play) { return play.Words().empty(); }))
        << "the words still falling count as neither";
    EXPECT_LT(rig.Read<std::int32_t>([](const GamePlay& play) { return play.City().CountBricks(); }), 120);
    EXPECT_EQ(rig.window.boxes.back().rfind("   Accuracy: 0%", 0), 0u) << rig.window.boxes.back();
    EXPECT_EQ(rig.ends, 1);
}

TEST_F(GameThreadTest, AGameAbandonedWhileItWaitsForATickLeavesWithoutStatistics) {
    GameRig rig(WordFile("one two three"), settings);
    rig.game->SetDifficulty(3);
    for (int tick = 0; tick < 5; ++tick) rig.Tick();
    rig.game->Terminate();
    EXPECT_TRUE(rig.game->Terminated());
    EXPECT_TRUE(rig.window.RunPostedUntil([&] { return rig.game->Idle(); }));
    rig.Tick();
    rig.game.reset();
    EXPECT_TRUE(rig.window.boxes.empty());
    EXPECT_EQ(rig.ends, 0);
}

TEST_F(GameThreadTest, AGameAbandonedWhileItWaitsForTheUiThreadDropsTheStep) {
    settings.DropSpeed = 10;  // the first pass hands a drop step to the UI thread
    settings.DropSpeedBy = 0;
    GameRig rig(WordFile("one two three"), settings);
    rig.game->SetDifficulty(3);
    rig.clock.Advance(10);
    rig.game->Tick();
    ASSERT_TRUE(rig.window.WaitForPosted(std::chrono::seconds(10)));
    const std::string status = rig.window.status;
    rig.game->Terminate();
    rig.game.reset();  // waits for the game thread
    EXPECT_EQ(rig.window.PostedCount(), 1u);
    rig.surface.Clear();
    rig.window.RunPosted();  // the step of the abandoned game does nothing
    EXPECT_EQ(rig.window.status, status);
    EXPECT_TRUE(rig.surface.chars.empty());
    EXPECT_TRUE(rig.window.boxes.empty());
}

TEST_F(GameThreadTest, AGameAbandonedFromInsideAStepFinishesTheStepAndLeaves) {
    settings.DropSpeed = 10;  // a drop step and a status line at every pass
    settings.DropSpeedBy = 0;
    GameRig rig(WordFile("one two three"), settings);
    int statuses = 0;
    GameEvents events = rig.events;
    events.OnStatus = [&](std::int32_t, std::int32_t, std::int32_t) {
        // Like the exit question answered while the window handles pending events.
        if (++statuses == 1) rig.game->Terminate();
    };
    rig.game->SetEvents(events);
    rig.game->SetDifficulty(3);
    rig.Tick();
    EXPECT_EQ(statuses, 1);
    EXPECT_TRUE(rig.game->Idle());
    rig.Tick();
    EXPECT_EQ(statuses, 1);
    rig.game.reset();
    EXPECT_TRUE(rig.window.boxes.empty());
}

TEST_F(GameThreadTest, TicksThatComeDuringAPassAreDropped) {
    GameRig rig(WordFile("one two three"), settings);
    rig.game->SetDifficulty(10);
    rig.clock.Advance(10);
    rig.game->Tick();
    for (int tick = 0; tick < 5; ++tick) rig.game->Tick();
    ASSERT_TRUE(rig.window.RunPostedUntil([&] { return rig.game->Idle(); }));
    EXPECT_FALSE(rig.window.RunPostedUntil([&] { return rig.window.PostedCount() > 0; },
                                           std::chrono::milliseconds(50)))
        << "no pass waits for its turn";
}

TEST_F(GameThreadTest, AGameNeverTickedOrAbandonedBeforeItsFirstTickNeverStarts) {
    {
        GameRig untouched(WordFile("one"), settings);
        untouched.game->SetDifficulty(3);
    }
    GameRig rig(WordFile("one"), settings);
    rig.game->SetDifficulty(3);
    rig.game->Terminate();
    rig.game->Tick();
    EXPECT_TRUE(rig.game->Idle());
    EXPECT_EQ(rig.window.PostedCount(), 0u);
}

TEST_F(GameThreadTest, AnErrorOnTheGameThreadIsShownOnTheUiThread) {
    auto random = std::make_unique<FailingRandom>();
    FailingRandom& failing = *random;
    GameRig rig(WordFile("one two"), settings, false, std::move(random));
    rig.game->SetDifficulty(3);
    failing.fail = true;
    ASSERT_TRUE(rig.PlayUntilEnd({}, 10));
    ASSERT_EQ(rig.window.boxes.size(), 2u);
    EXPECT_EQ(rig.window.boxes[0], "no more numbers StrikerSource available");
    EXPECT_EQ(rig.window.boxes[1], "   Accuracy: 0%   WPM: 0   Expected WPM: 0");
}

TEST_F(GameThreadTest, EscapeInTheMiddleOfAPassAbandonsWithoutADeadlock) {
    settings.DropSpeed = 10;  // every pass hands steps to the UI thread
    settings.DropSpeedBy = 0;
    const std::string path = WordFile("alpha beta gamma\n\ndelta epsilon");
    std::mt19937 timing(20240611);
    for (int game = 0; game < 1000; ++game) {
        GameRig rig(path, settings);
        rig.game->SetDifficulty(5);
        const int ticks = std::uniform_int_distribution<int>(0, 3)(timing);
        for (int tick = 0; tick < ticks; ++tick) rig.Tick();
        rig.clock.Advance(10);
        rig.game->Tick();
        rig.game->PostKey('a');
        // Escape at a random moment of the pass: after some of its steps have
        // run, or after a short random wait.
        const int steps = std::uniform_int_distribution<int>(0, 2)(timing);
        const auto idle = [&] { return rig.game->Idle(); };
        for (int step = 0; step < steps && rig.window.WaitForPosted(std::chrono::seconds(10), idle); ++step)
            rig.window.RunPosted();
        const auto wait = std::chrono::microseconds(std::uniform_int_distribution<int>(0, 300)(timing));
        const auto until = std::chrono::steady_clock::now() + wait;
        while (std::chrono::steady_clock::now() < until) std::this_thread::yield();
        rig.game->Score();  // the window offers the score to its table
        rig.game->Terminate();
        rig.game.reset();
        const std::size_t boxes = rig.window.boxes.size();
        rig.surface.Clear();
        rig.window.RunPosted();
        ASSERT_TRUE(rig.surface.chars.empty() && rig.surface.rects.empty()) << "game " << game;
        ASSERT_EQ(rig.window.boxes.size(), boxes) << "game " << game;
        ASSERT_EQ(rig.ends, 0) << "game " << game;
    }
}

}  // namespace
}  // namespace zq
