#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "../support/TempFolder.h"
#include "GameFakes.h"
#include "GamePlayTestAccess.h"
#include "game/GamePlay.h"
#include "game/GameStatistics.h"
#include "game/IntervalTrigger.h"

namespace zq {
namespace {

using testing::FakeGameClock;
using testing::FakeGameWindow;
using testing::RecordingSurface;
using testing::ScriptedRandom;

// A surface that fails when asked to draw a letter.
class FailingSurface : public RecordingSurface {
public:
    bool fail = false;
    void DrawChar(std::int32_t x, std::int32_t y, char32_t ch, const GameFont& font,
                  TColor background) override {
        if (fail) throw std::runtime_error("no font");
        RecordingSurface::DrawChar(x, y, ch, font, background);
    }
};

// One game's rules run in place, on a playing area 200 pixels high with
// 10-pixel cells: the city (3 rows) spans y 170..200.
class GamePlayTest : public ::testing::Test {
protected:
    GamePlayTest() {
        settings.CellSize = 10;
        settings.Columns = 40;
        surface.height = 200;
    }

    // The test's thread plays both threads of the game from here on.
    GamePlay& Make(const std::string& wordFile = "alpha") ASSERT_CAPABILITY(UiThreadRole, GameThreadRole) {
        UiThreadRole.Enter();
        GameThreadRole.Enter();
        folder_.Write("Game.txt", wordFile);
        auto scripted = std::make_unique<ScriptedRandom>();
        random = scripted.get();
        random->script.assign(static_cast<std::size_t>(settings.Columns * settings.CityRows),
                              99);  // no bricks
        GameSetup setup;
        setup.settings = settings;
        setup.random = std::move(scripted);
        setup.clock = clock.Function();
        setup.groupPointer = &groupPointer;
        play_ = std::make_unique<GamePlay>(folder_.File("Game.txt"), window, surface, std::move(setup));
        play_->SetEvents(Events());
        return *play_;
    }
    GamePlay& play() { return *play_; }
    GamePlayTestAccess stage() { return GamePlayTestAccess(*play_); }

    // What the game tells: its events in `events`, its status counts in `statuses`.
    GameEvents Events() {
        GameEvents on;
        on.OnCityShoot = [this] { events.push_back("shoot"); };
        on.OnCityMissShoot = [this] { events.push_back("miss"); };
        on.OnCityHurt = [this] { events.push_back("hurt"); };
        on.OnDifficultyIncrease = [this] { events.push_back("level"); };
        on.OnNewWord = [this](const std::string& word8) { newWords.push_back(word8); };
        on.OnStatus = [this](std::int32_t bricks, std::int32_t hits, std::int32_t losses) {
            statuses.push_back({bricks, hits, losses});
        };
        on.OnWordsOnScreen = [this](const std::vector<std::string>& words) {
            wordsOnScreen.push_back(words);
        };
        return on;
    }

    // A word on screen, as if launched.
    strikerType& AddWord(const std::string& text, std::int32_t column, std::int32_t y,
                         std::int32_t speed = 2) {
        auto word = std::make_unique<strikerType>();
        word->Text = text;
        word->Len = static_cast<std::int32_t>(text.size());
        word->Column = column;
        word->X = (column - 1) * settings.CellSize;
        word->Y = y;
        word->Speed = speed;
        return stage().AddWord(std::move(word));
    }
    void Type(const std::string& keys) REQUIRES(GameThreadRole) {
        for (const char key : keys) play_->HandleKey(key);
    }

    TGameSettings settings;
    FakeGameClock clock;
    FakeGameWindow window;
    FailingSurface surface;
    ScriptedRandom* random = nullptr;
    std::atomic<std::int32_t> groupPointer{1};
    std::vector<std::string> events;
    std::vector<std::string> newWords;  // launched, as told
    std::vector<std::array<std::int32_t, 3>> statuses;
    std::vector<std::vector<std::string>> wordsOnScreen;  // each time they were told

private:
    test::TempFolder folder_;
    std::unique_ptr<GamePlay> play_;
};

TEST_F(GamePlayTest, CreatingAGameWritesAStatusLineOfAnUnstartedGame) {
    Make();
    EXPECT_EQ(window.status, " Difficulty: 0   Hit: 0   Lost: 0   Time: 0s  Score : 0");
    EXPECT_EQ(play().SpeedPhase(), 2);
    EXPECT_EQ(play().Source().GroupCount, 1);
    EXPECT_EQ(play().City().Base, 200);
}

TEST_F(GamePlayTest, DifficultyThreeWithTheDefaultTiming) {
    Make();
    stage().City().SetBrick(3, 1, true);
    std::vector<std::int32_t> started;
    GameEvents on = Events();
    on.OnGameStart = [&](std::int32_t quota, std::int32_t bricks) { started = {quota, bricks}; };
    play().SetEvents(on);
    play().SetDifficulty(3);
    EXPECT_EQ(play().Score(), 1600);
    EXPECT_EQ(play().Quota(), 110);
    EXPECT_EQ(play().Level(), 3);
    EXPECT_EQ(play().NewWordInterval(), 2750);
    EXPECT_EQ(play().DropInterval(), 190);
    EXPECT_EQ(play().BulletInterval(), 25);
    EXPECT_EQ(started, (std::vector<std::int32_t>{110, 1}));
    EXPECT_TRUE(events.empty()) << "setting the difficulty is no level rise";

    // When the new-word trigger fires, a word comes 35 times in 100.
    play().StartGame();
    EXPECT_FALSE(play().LaunchNewWord()) << "the check that starts the trigger";
    clock.Advance(2750);
    random->script = {35};
    EXPECT_FALSE(play().LaunchNewWord());
    clock.Advance(2750);  // the trigger restarts at the check after it fired
    EXPECT_FALSE(play().LaunchNewWord());
    clock.Advance(2750);
    random->script = {34, 0, 0, 0};
    EXPECT_TRUE(play().LaunchNewWord());
    EXPECT_EQ(play().Words().size(), 1u);
}

TEST_F(GamePlayTest, IntervalsShrinkWithTheLevel) {
    Make();
    const std::vector<std::array<std::int32_t, 3>> table = {
        {1, 3250, 230}, {3, 2750, 190}, {10, 1000, 50}, {13, 250, -10}};
    for (const auto& [level, newWord, drop] : table) {
        play().SetLevel(level);
        EXPECT_EQ(play().NewWordInterval(), newWord) << level;
        EXPECT_EQ(play().DropInterval(), drop) << level;
    }
}

TEST_F(GamePlayTest, TheLevelRisesAtHits28And56And82WithAQuotaOf110) {
    Make();
    play().SetDifficulty(3);
    std::vector<std::int32_t> rises;
    for (std::int32_t hits = 1; hits <= 110; ++hits) {
        stage().SetHits(hits);
        const std::int32_t before = play().Score();
        play().UpdateLevel();
        if (play().Level() != 3 + static_cast<std::int32_t>(rises.size())) {
            rises.push_back(hits);
            EXPECT_EQ(play().Score(), before + 300);
            EXPECT_TRUE(play().HoldNewWords());
            stage().SetHoldNewWords(false);
        }
    }
    EXPECT_EQ(rises, (std::vector<std::int32_t>{28, 56, 82}));
    EXPECT_EQ(play().Level(), 6);
    EXPECT_EQ(play().Bonus(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"level", "level", "level"}));
}

TEST_F(GamePlayTest, LossesKeepTheLevelDown) {
    Make();
    play().SetDifficulty(3);
    stage().SetHits(28);
    stage().SetLosses(2);  // 28 div 3 = 9
    play().UpdateLevel();
    EXPECT_EQ(play().Level(), 3);
    EXPECT_EQ(play().Bonus(), 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(GamePlayTest, AfterALevelRiseNewWordsWaitUntilAtMostOneWordIsLeft) {
    Make();
    AddWord("one", 1, 0);
    AddWord("two", 10, 0);
    stage().SetHoldNewWords(true);
    EXPECT_TRUE(play().NewWordsHeld());
    stage().RemoveLastWord();
    EXPECT_FALSE(play().NewWordsHeld());
    EXPECT_FALSE(play().HoldNewWords());
    AddWord("two", 10, 0);
    EXPECT_FALSE(play().NewWordsHeld()) << "released for good";
}

TEST_F(GamePlayTest, AOneLetterWordTypedScoresOneAndFiresABullet) {
    Make();
    play().SetDifficulty(3);
    strikerType& word = AddWord("x", 5, 20);
    Type("x");
    EXPECT_EQ(play().Score(), 1601);
    EXPECT_EQ(play().Hits(), 1);
    EXPECT_EQ(word.State, wsShot);
    EXPECT_FALSE(play().Targeting());
    ASSERT_EQ(play().Bullets().size(), 1u);
    EXPECT_EQ(play().Bullets().front()->Y, 201) << "just below the playing area";
    EXPECT_EQ(play().Bullets().front()->X, 40 + 5);
    EXPECT_EQ(events, (std::vector<std::string>{"shoot"}));
    EXPECT_EQ(window.status, " Difficulty: 3   Hit: 1   Lost: 0   Time: 0s  Score : 1601");
}

TEST_F(GamePlayTest, AFiveLetterWordScoresTwentyFiveShotAndCostsFifteenOnTheCity) {
    Make();
    play().SetDifficulty(3);
    strikerType& typed = AddWord("hello", 1, 20);
    Type("hell");
    EXPECT_EQ(typed.Typed, 4);
    EXPECT_EQ(play().Score(), 1600);
    Type("o");
    EXPECT_EQ(play().Score(), 1625);
    EXPECT_EQ(typed.State, wsShot);

    stage().City().SetBrick(3, 20, true);
    AddWord("brick", 18, 159);  // bottom edge one pixel above the city
    events.clear();
    play().DropStep();
    EXPECT_EQ(play().Score(), 1610);
    EXPECT_EQ(play().Losses(), 1);
    EXPECT_EQ(play().Words().size(), 1u);
    EXPECT_FALSE(play().City().HasBrick(3, 20));
    EXPECT_EQ(events, (std::vector<std::string>{"hurt"}));
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.back(), (std::array<std::int32_t, 3>{0, 1, 1}));
}

TEST_F(GamePlayTest, TheWordsStillFallingAreToldWithAStatusLineWhenTheyChange) {
    Make();
    play().SetDifficulty(3);
    wordsOnScreen.clear();
    AddWord("sun", 1, 20);
    AddWord("moon", 10, 20);
    strikerType& star = AddWord("star", 20, 20);
    Type("sun");  // shot: it no longer counts, though it stands until its bullet arrives
    ASSERT_EQ(wordsOnScreen.size(), 1u);
    EXPECT_EQ(wordsOnScreen.back(), (std::vector<std::string>{"moon", "star"}));

    Type("mo");  // being typed, still falling
    stage().City().SetBrick(3, 20, true);
    star.Y = 159;  // over a brick: the next drop step brings it down on the city
    play().DropStep();
    ASSERT_EQ(wordsOnScreen.size(), 2u);
    EXPECT_EQ(wordsOnScreen.back(), (std::vector<std::string>{"moon"}));
    Type("on");
    EXPECT_EQ(wordsOnScreen.back(), (std::vector<std::string>{}));
    const std::size_t told = wordsOnScreen.size();
    play().DropStep();
    EXPECT_EQ(wordsOnScreen.size(), told) << "no change, nothing told";
}

TEST_F(GamePlayTest, AWrongLetterMidWordLetsTheWordFallOnUntyped) {
    Make();
    play().SetDifficulty(3);
    strikerType& word = AddWord("house", 1, 20);
    AddWord("mouse", 10, 20);
    Type("ho");
    surface.Clear();
    Type("m");
    EXPECT_EQ(word.Typed, -1);
    EXPECT_EQ(word.State, wsFalling);
    EXPECT_FALSE(play().Targeting());
    EXPECT_EQ(events, (std::vector<std::string>{"miss"}));
    ASSERT_EQ(surface.chars.size(), 5u) << "the word is drawn again";
    EXPECT_EQ(surface.chars[0].font.color, settings.WordColor);
    EXPECT_EQ(play().Score(), 1600);

    Type("m");
    EXPECT_EQ(play().Target(), play().Words().back().get()) << "the next key searches afresh";

    for (const char key : {'\b', '\r', ' '}) {
        stage().RemoveAllWords();
        AddWord("mouse", 10, 20);
        Type("mo");
        events.clear();
        Type(std::string(1, key));
        EXPECT_EQ(events, (std::vector<std::string>{"miss"})) << int{key};
    }
}

TEST_F(GamePlayTest, AKeyThatStartsNoWordDoesNothingAtAll) {
    Make();
    play().SetDifficulty(3);
    AddWord("abc", 1, 20);
    surface.Clear();
    Type("z");
    EXPECT_FALSE(play().Targeting());
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(surface.chars.empty());
    EXPECT_EQ(play().Score(), 1600);

    strikerType& shot = *play().Words().front();
    shot.State = wsShot;
    Type("a");
    EXPECT_FALSE(play().Targeting()) << "a shot word is not typed again";
}

TEST_F(GamePlayTest, OfTwoWordsWithTheSameFirstLetterTheEarlierIsTaken) {
    Make();
    strikerType& first = AddWord("tea", 20, 50);
    AddWord("tip", 1, 90);
    Type("t");
    EXPECT_EQ(play().Target(), &first);
    EXPECT_EQ(first.Typed, 1);
}

TEST_F(GamePlayTest, AShotWordStandsStillAndGoesAtTheFirstDropStepAfterItsBulletArrives) {
    Make();
    play().SetDifficulty(3);
    strikerType& word = AddWord("ok", 1, 100);
    Type("ok");
    for (int step = 0; step < 3; ++step) play().DropStep();
    EXPECT_EQ(word.Y, 100);
    int bulletSteps = 0;
    while (word.State != wsGone) {
        play().BulletStep();
        ++bulletSteps;
    }
    EXPECT_EQ(bulletSteps, 17)
        << "16 rises of 6 from y 201 to y 105, below the bottom edge at 110, then the arrival";
    EXPECT_EQ(play().Words().size(), 1u);
    play().DropStep();
    EXPECT_TRUE(play().Words().empty());
    play().BulletStep();
    EXPECT_TRUE(play().Bullets().empty());
}

TEST_F(GamePlayTest, AWordThatReachesTheGroundIsLostWithoutAnEventAndGoesAtTheNextDropStep) {
    Make();
    play().SetDifficulty(3);
    strikerType& word = AddWord("deep", 1, 199);
    Type("de");
    play().DropStep();
    EXPECT_EQ(word.State, wsGone);
    EXPECT_FALSE(play().Targeting());
    EXPECT_EQ(play().Score(), 1600 - 12);
    EXPECT_EQ(play().Losses(), 1);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(play().Words().size(), 1u);
    play().DropStep();
    EXPECT_TRUE(play().Words().empty());
}

TEST_F(GamePlayTest, AWordBeingTypedThatHitsTheCityEndsTheTyping) {
    Make();
    play().SetDifficulty(3);
    stage().City().SetBrick(1, 1, true);
    AddWord("crash", 1, 159);
    Type("cr");
    play().DropStep();
    EXPECT_TRUE(play().Words().empty());
    EXPECT_FALSE(play().Targeting());
    AddWord("cat", 5, 0);
    Type("c");
    EXPECT_EQ(play().Target(), play().Words().front().get());
}

TEST_F(GamePlayTest, ABulletWhoseWordHitTheCityFirstIsDropped) {
    settings.CityRows = 3;
    surface.height = 25;  // the city reaches above the top of the playing area
    Make();
    play().SetDifficulty(3);
    stage().City().SetBrick(2, 1, true);
    AddWord("a", 1, 0);
    Type("a");
    play().DropStep();
    EXPECT_TRUE(play().Words().empty());
    ASSERT_EQ(play().Bullets().size(), 1u);
    EXPECT_TRUE(play().Bullets().front()->Done);
    play().BulletStep();
    EXPECT_TRUE(play().Bullets().empty());
}

TEST_F(GamePlayTest, WithFunSpeedAndThreeWordsEachWordMeetsTheSamePhaseEveryStep) {
    settings.FunSpeed = true;
    Make();
    strikerType& fast = AddWord("fast", 1, 0, 3);
    strikerType& slow = AddWord("slow", 10, 0, 1);
    strikerType& middle = AddWord("mid", 20, 0, 2);
    for (int step = 0; step < 6; ++step) play().DropStep();
    EXPECT_EQ(fast.Y, 6);
    EXPECT_EQ(slow.Y, 0) << "meets phase 3 at every step";
    EXPECT_EQ(middle.Y, 6) << "meets phase 1";
    EXPECT_EQ(play().SpeedPhase(), 2);

    stage().RemoveLastWord();  // two words: the phases now rotate
    for (int step = 0; step < 6; ++step) play().DropStep();
    EXPECT_EQ(fast.Y, 12);
    EXPECT_EQ(slow.Y, 2);

    settings.FunSpeed = false;
    Make();
    strikerType& steady = AddWord("steady", 1, 0, 2);
    for (int step = 0; step < 6; ++step) play().DropStep();
    EXPECT_EQ(steady.Y, 6);
    EXPECT_EQ(play().SpeedPhase(), 2);
}

TEST_F(GamePlayTest, TheFirstPassLaunchesAWordAtOnce) {
    Make("one two three");
    play().SetDifficulty(3);
    play().StartGame();
    random->script = {0, 0, 0};
    random->draws = 0;
    EXPECT_TRUE(play().RunPass());
    EXPECT_EQ(play().Words().size(), 1u);
    EXPECT_EQ(play().Launched(), 1);
    EXPECT_EQ(random->draws, 3) << "no chance roll for a new word: group roll, pick, column";
    EXPECT_EQ(newWords, std::vector<std::string>{play().Words().front()->Text})
        << "a learner who listens hears the word launched";
}

TEST_F(GamePlayTest, AScoreOfZeroEndsTheGameWithWordsStillOnScreen) {
    settings.DropSpeed = 10;  // a drop step at every pass
    settings.DropSpeedBy = 0;
    Make("one two three");
    play().SetDifficulty(3);
    play().StartGame();
    stage().City().SetBrick(3, 1, true);
    AddWord("lost", 1, 159);
    AddWord("waiting", 10, 0);
    stage().SetScore(12);
    EXPECT_FALSE(play().RunPass());
    EXPECT_EQ(play().Score(), 0);
    EXPECT_EQ(play().Losses(), 1);
    EXPECT_EQ(play().Hits(), 0);
    EXPECT_EQ(play().Words().size(), 1u) << "the waiting word counts as neither";
}

TEST_F(GamePlayTest, WhenTheWordsRunOutTheGameEndsOnceTheLastWordHasGone) {
    Make("solo");
    play().SetDifficulty(1);
    play().StartGame();
    random->script = {0, 0, 0};
    ASSERT_TRUE(play().RunPass());
    ASSERT_EQ(play().Words().size(), 1u);
    play().Words().front()->State = wsGone;
    clock.Advance(1000);
    EXPECT_TRUE(play().RunPass()) << "the drop step removes the word in this pass";
    EXPECT_TRUE(play().Words().empty());
    EXPECT_FALSE(play().RunPass());
}

TEST_F(GamePlayTest, TheQuotaLimitsTheWordsLaunched) {
    std::string words;
    for (int word = 0; word < 100; ++word) words.append(std::to_string(word)).append(" ");
    Make(words);
    play().SetDifficulty(1);
    ASSERT_EQ(play().Quota(), 70);
    play().StartGame();
    for (int pass = 0; pass < 70; ++pass) {
        ASSERT_TRUE(play().Refill()) << pass;
        stage().RemoveAllWords();
    }
    EXPECT_FALSE(play().Refill()) << "words are left, but the quota is reached";
    EXPECT_EQ(play().Launched(), 70);
    EXPECT_EQ(newWords.size(), 70u) << "every word launched is told, and only those";
}

TEST_F(GamePlayTest, TheMailboxKeepsTheLastKeyAndEscapeIsNotTyped) {
    Make();
    play().SetDifficulty(3);
    play().StartGame();
    AddWord("ab", 1, 0);
    AddWord("bc", 10, 0);
    play().PostKey('a');
    play().PostKey('b');
    play().RunPass();
    EXPECT_EQ(play().Target(), play().Words().back().get());
    EXPECT_FALSE(play().PendingKey().has_value());

    play().PostKey(GamePlay::kEscape);
    play().RunPass();
    EXPECT_TRUE(events.empty()) << "Escape is no wrong key";
    EXPECT_TRUE(play().Targeting());
}

TEST_F(GamePlayTest, AnErrorWhileHandlingAKeyIsShownAndTheKeyDropped) {
    Make();
    play().SetDifficulty(3);
    play().StartGame();
    AddWord("ab", 1, 0);
    surface.fail = true;
    play().PostKey('a');
    EXPECT_TRUE(play().RunPass());
    EXPECT_EQ(window.boxes,
              (std::vector<std::string>{"std::runtime_error--no font threadType  strikers_go2"}));
}

// The end of a game tells everything it came to.
TEST_F(GamePlayTest, TheEndOfAGameTellsTheScoreWordsTimeAndDifficulty) {
    Make();
    std::vector<GameResult> results;
    GameEvents gameEvents;
    gameEvents.OnGameOver = [&](const GameResult& result) { results.push_back(result); };
    play().SetEvents(gameEvents);
    play().SetDifficulty(4);
    stage().SetHits(50);
    stage().SetLosses(10);
    stage().GameClock().SetElapsed(120'000);
    play().ShowStatistics();
    EXPECT_TRUE(window.boxes.empty()) << "the game-over view shows the statistics";
    ASSERT_EQ(results.size(), 1u);
    const GameResult& result = results[0];
    EXPECT_EQ(result.difficulty, 4);
    EXPECT_EQ(result.score, 1000 + 200 * 4);
    EXPECT_EQ(result.hits, 50);
    EXPECT_EQ(result.losses, 10);
    EXPECT_EQ(result.timeMs, 120'000);
    EXPECT_EQ(result.statistics.accuracy, 83);
    EXPECT_EQ(result.statistics.wpm, 25);
    EXPECT_EQ(result.statistics.expectedWpm, 30);
}

TEST_F(GamePlayTest, TheStatisticsShowAccuracyAndWordsPerMinute) {
    Make();
    stage().SetHits(50);
    stage().SetLosses(10);
    stage().GameClock().SetElapsed(120'000);
    play().ShowStatistics();
    EXPECT_EQ(window.boxes, (std::vector<std::string>{"   Accuracy: 83%   WPM: 25   Expected WPM: 30"}));

    const GameStatistics none = ComputeGameStatistics(0, 0, 25);
    EXPECT_EQ(none.accuracy, 0) << "a game without a word resolved";
    EXPECT_EQ(none.wpm, 0);
    EXPECT_EQ(none.expectedWpm, 0);
}

TEST(IntervalTriggerTest, FiresOnceItsIntervalHasPassedAndRestartsAtTheNextCheck) {
    FakeGameClock clock;
    IntervalTrigger trigger(clock.Function());
    EXPECT_FALSE(trigger.Due(100)) << "the check that starts it reads 25 ms";
    clock.Advance(50);
    EXPECT_FALSE(trigger.Due(100));  // 75
    clock.Advance(30);
    EXPECT_TRUE(trigger.Due(100));  // 105
    clock.Advance(500);
    EXPECT_FALSE(trigger.Due(100)) << "however long the pause, the restarting check does not fire";

    IntervalTrigger fast(clock.Function());
    for (int check = 0; check < 3; ++check) EXPECT_TRUE(fast.Due(24)) << check;
    IntervalTrigger negative(clock.Function());
    EXPECT_TRUE(negative.Due(-10));
}

}  // namespace
}  // namespace zq
