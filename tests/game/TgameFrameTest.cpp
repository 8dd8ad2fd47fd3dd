#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <optional>

#include "../support/TempFolder.h"
#include "GameFakes.h"
#include "base/LibraryError.h"
#include "game/TGameSettings.h"
#include "game/TgameFrame.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using testing::FakeGameClock;
using testing::FakeGameWindow;
using testing::RecordingSurface;
using testing::ScriptedRandom;

// The game window as its logic sees it: records what it is told and answers
// the boxes from a script.
class FakeFrameView : public GameFrameView {
public:
    void CoverScreen() override { log.push_back("CoverScreen"); }
    std::int32_t ClientWidth() const override { return clientWidth; }
    void SetPlayingAreaWidth(std::int32_t width) override { areaWidth = width; }
    void SetWindowColor(TColor color) override { windowColor = color; }
    void SetPlayingAreaFontName(const std::string& name8) override { areaFont = name8; }
    void SetStatusLook(double scale, const std::optional<ContrastPalette>& palette) override {
        log.push_back("SetStatusLook");
        statusScale = scale;
        statusPalette = palette;
    }
    void ClearPlayingArea() override { log.push_back("ClearPlayingArea"); }
    void SetBarPosition(GameBar bar, std::int32_t position) override { positions[bar] = position; }
    void SetBarColor(GameBar bar, TColor color) override { colors[bar] = color; }
    void PaintStatusNow() override { ++statusPaints; }
    void ShowWordsOnScreen(const std::vector<std::string>& words8) override { wordsOnScreen = words8; }
    void SetTickTimerEnabled(bool enabled) override { ticking = enabled; }
    std::string AskNumber(std::string_view caption, std::string_view prompt,
                          std::string_view value) override {
        log.push_back("AskNumber " + std::string(caption) + " / " + std::string(prompt) + " / " +
                      std::string(value));
        const std::string answer = answers.empty() ? std::string(value) : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    bool ConfirmBox(std::string_view text) override {
        log.push_back("Confirm " + std::string(text));
        return confirm;
    }
    void InformationBox(std::string_view text) override { log.push_back("Information " + std::string(text)); }
    void ShowGameOver(const GameOverReport& report) override {
        log.push_back("GameOver " + report.titleUtf8);
        reports.push_back(report);
    }
    void CloseWindow() override { log.push_back("CloseWindow"); }

    std::vector<std::string> log;
    std::int32_t clientWidth = 1000;
    std::int32_t areaWidth = 0;
    TColor windowColor = 0;
    std::string areaFont;
    double statusScale = 0;  // none given
    std::optional<ContrastPalette> statusPalette;
    std::map<GameBar, std::int32_t> positions;
    std::map<GameBar, TColor> colors;
    int statusPaints = 0;
    std::vector<std::string> wordsOnScreen;
    bool ticking = false;
    std::deque<std::string> answers;
    bool confirm = false;
    std::vector<GameOverReport> reports;
};

class GameFrameTest : public ::testing::Test {
protected:
    GameFrameTest() {
        saved_ = GameSettings();
        GameSettings() = TGameSettings{};
        GameSettings().CellSize = 10;
        surface.height = 100;
        frame.SetSetupMaker([this] {
            GameSetup setup;
            setup.random = std::make_unique<ScriptedRandom>();
            setup.clock = clock.Function();
            setup.groupPointer = &groupPointer;
            return setup;
        });
        folder_.Write("Game.txt", "sun moon star\nsky rain\n");
        frame.SetWordFile(folder_.File("Game.txt"));
    }
    ~GameFrameTest() override { GameSettings() = saved_; }

    // The window is shown and a game started in it.
    void StartGame() {
        frame.FormShow();
        frame.NewGame();
    }
    // One tick, with the steps the pass hands to the UI thread run here.
    void Tick() {
        clock.Advance(10);
        frame.Tick();
        ASSERT_TRUE(window.RunPostedUntil([&] { return frame.GameIdle(); }));
    }
    // Ticks until the game has ended by itself (its words fall to the ground).
    void PlayToTheEnd() {
        for (int tick = 0; tick < 20000 && !frame.GameThread()->Terminated(); ++tick) Tick();
        ASSERT_TRUE(frame.GameThread()->Terminated()) << "the words fall to the ground and the game ends";
    }
    std::string LastLog() const { return view.log.empty() ? "" : view.log.back(); }
    // The course's word file, now holding `text`; its path.
    std::string RewriteWordFile(const std::string& text) { return folder_.Write("Game.txt", text); }

    FakeFrameView view;
    FakeGameWindow window;
    RecordingSurface surface;
    FakeGameClock clock;
    std::atomic<std::int32_t> groupPointer{1};
    TgameFrame frame{view, window, surface};

private:
    TGameSettings saved_;
    test::TempFolder folder_;
};

TEST_F(GameFrameTest, ShowingSetsTheColumnsFromTheWindowWidthAndTheColors) {
    EXPECT_THAT(frame.Scores().Entries(), ElementsAre("000000", "000000", "000000", "000000", "000000"));
    EXPECT_FALSE(frame.ShowScores());
    GameSettings().BackColor = clNavy;
    frame.SetFontName("Game Mono");
    view.clientWidth = 1005;
    frame.FormShow();
    EXPECT_EQ(GameSettings().Columns, 100);
    EXPECT_EQ(GameSettings().CityRows, 3);
    EXPECT_EQ(view.areaWidth, 1000);
    EXPECT_EQ(view.windowColor, clNavy);
    EXPECT_EQ(GameSettings().WordFontName, "Game Mono");
    EXPECT_EQ(view.areaFont, "Game Mono");

    EXPECT_EQ(view.statusScale, 1.0);
    EXPECT_FALSE(view.statusPalette.has_value());

    // A profile whose game font has no size still gets cells to play in.
    GameSettings().CellSize = 0;
    frame.FormShow();
    EXPECT_EQ(GameSettings().CellSize, TGameSettings{}.CellSize);
    EXPECT_EQ(GameSettings().Columns, 1005 / TGameSettings{}.CellSize);
}

// The panel's height decides where the playing area, and the city, begin.
TEST_F(GameFrameTest, ShowingGivesTheStatusPanelItsLookBeforeTheWindowTakesItsSize) {
    const ContrastPalette palette{.background = 0, .text = 0xFFFFFF, .highlightBackground = 0x00FFFF};
    GameSettings().StatusScale = 1.5;
    GameSettings().StatusPalette = palette;
    frame.FormShow();
    EXPECT_EQ(view.statusScale, 1.5);
    EXPECT_EQ(view.statusPalette, palette);
    EXPECT_THAT(view.log, ElementsAre("SetStatusLook", "CoverScreen"));
}

TEST_F(GameFrameTest, ANewGameDrawsItsCityAsksForTheDifficultyAndTicks) {
    view.answers = {"10"};
    StartGame();
    ASSERT_NE(frame.GameThread(), nullptr);
    EXPECT_THAT(view.log, ElementsAre("SetStatusLook", "CoverScreen", "ClearPlayingArea",
                                      "AskNumber Input Box / Set difficulty (1-10). / 3"));
    EXPECT_FALSE(surface.fills.empty()) << "the city is drawn before the question";
    EXPECT_TRUE(view.ticking);
    EXPECT_EQ(frame.GameThread()->Quota(), 50 + 20 * 10);
    EXPECT_GT(frame.GameThread()->InitialBricks(), 0);
    EXPECT_EQ(view.positions[GameBar::Progress], 0);
    EXPECT_EQ(view.positions[GameBar::InvaderLife], 100);
    EXPECT_EQ(view.positions[GameBar::CityLife], 100);

    // The first drop step's status line reaches the bars.
    for (int tick = 0; tick < 100 && view.statusPaints == 0; ++tick) Tick();
    EXPECT_GE(view.statusPaints, 1);
    EXPECT_EQ(view.colors[GameBar::CityLife], 51255);
    EXPECT_EQ(view.colors[GameBar::InvaderLife], 13158455);
}

TEST_F(GameFrameTest, AnAnswerOutsideOneToTenGivesDifficultyThree) {
    for (const char* answer : {"0", "11", "", "7"}) {
        view.answers = {answer};
        StartGame();
        const std::int32_t expected = std::string(answer) == "7" ? 7 : 3;
        EXPECT_EQ(frame.GameThread()->Quota(), 50 + 20 * expected) << answer;
    }
}

TEST_F(GameFrameTest, KeysGoToTheGameAndEscapeClosesTheWindow) {
    frame.FormKeyPress('s');  // no game: ignored
    EXPECT_TRUE(view.log.empty());
    StartGame();
    Tick();  // launches "sun", "moon" or "star"... or "sky", "rain": all first letters differ
    const char first = [&] {
        char letter = 0;
        frame.GameThread()->Inspect([&](const GamePlay& play) { letter = play.Words().front()->Text[0]; });
        return letter;
    }();
    frame.FormKeyPress(first);
    Tick();
    bool targeting = false;
    frame.GameThread()->Inspect([&](const GamePlay& play) { targeting = play.Targeting(); });
    EXPECT_TRUE(targeting);
    frame.FormKeyPress(27);
    EXPECT_EQ(LastLog(), "CloseWindow");
}

TEST_F(GameFrameTest, YesOffersTheScoreAbandonsTheGameAndHides) {
    view.answers = {"3"};
    StartGame();
    Tick();
    view.confirm = true;
    CloseAction action = CloseAction::Hide;
    frame.FormClose(action);
    EXPECT_EQ(action, CloseAction::Hide);
    EXPECT_FALSE(view.ticking);
    EXPECT_TRUE(frame.GameThread()->Terminated());
    EXPECT_THAT(frame.Scores().Entries(), ElementsAre("000000", "000000", "000000", "000000", "001600"));
    EXPECT_TRUE(window.boxes.empty()) << "an abandoned game shows no statistics";

    // Closing once more (the window is already hidden) offers nothing again.
    frame.FormClose(action);
    EXPECT_THAT(frame.Scores().Entries(), ElementsAre("000000", "000000", "000000", "000000", "001600"));
}

TEST_F(GameFrameTest, AnEndedGameClosesWithoutAQuestionAndShowsTheScoresWhenAsked) {
    frame.SetShowScores(true);
    frame.AddScore(2500);
    view.answers = {"1"};
    StartGame();
    PlayToTheEnd();
    EXPECT_FALSE(view.ticking) << "ThreadEnded stops the ticks";
    ASSERT_EQ(view.reports.size(), 1u) << "the game-over view, with the statistics";

    const std::int32_t score = frame.GameThread()->Score();
    view.log.clear();
    CloseAction action = CloseAction::Hide;
    frame.FormClose(action);
    EXPECT_EQ(action, CloseAction::Hide);
    ASSERT_EQ(view.log.size(), 1u);
    EXPECT_EQ(view.log[0],
              "Information Your game scores:\n002500\n" + FormatScore(score) + "\n000000\n000000\n000000\n");
}

// A game that ends by itself shows what it came to, in place of the bare
// box of statistics: its keeper has the result first, and the view shows
// the learner's best games the keeper answers with.
TEST_F(GameFrameTest, AnEndedGameIsKeptAndItsGameOverViewShowsItAmongTheBest) {
    std::vector<GameResult> kept;
    frame.SetScoreKeeper([&](const GameResult& result) {
        kept.push_back(result);
        GameScoreBoard board;
        board.available = true;
        board.best = {{.score = 9000, .difficulty = 8},
                      {.score = result.score, .difficulty = 2, .thisGame = true}};
        return board;
    });
    view.answers = {"2"};
    StartGame();
    PlayToTheEnd();
    EXPECT_TRUE(window.boxes.empty()) << "no bare box of statistics";
    ASSERT_EQ(kept.size(), 1u);
    std::int32_t score = 0, hits = 0, losses = 0;
    frame.GameThread()->Inspect([&](const GamePlay& play) {
        score = play.Score();
        hits = play.Hits();
        losses = play.Losses();
    });
    EXPECT_EQ(kept[0].score, score);
    EXPECT_EQ(kept[0].hits, hits);
    EXPECT_EQ(kept[0].losses, losses);
    EXPECT_GT(kept[0].losses, 0) << "the words fell to the ground";
    EXPECT_EQ(kept[0].difficulty, 2);
    EXPECT_GE(kept[0].timeMs, 25);

    ASSERT_EQ(view.reports.size(), 1u);
    const GameOverReport& report = view.reports[0];
    EXPECT_EQ(report.figures[0].valueUtf8, std::to_string(score));
    EXPECT_EQ(report.figures[2].valueUtf8, std::to_string(losses));
    EXPECT_EQ(report.statisticsUtf8, StatisticsLine(kept[0].statistics));
    ASSERT_EQ(report.best.size(), 2u);
    EXPECT_TRUE(report.best[1].thisGame);
    EXPECT_EQ(report.verdictUtf8, "This game is number 2 of your five best.");

    // Leaving after the view: no question, and the run's table has the score.
    CloseAction action = CloseAction::Hide;
    frame.FormClose(action);
    EXPECT_EQ(action, CloseAction::Hide);
    EXPECT_EQ(frame.Scores().Entries().back(), FormatScore(score));
}

// A word file without words ends the game at once, before any word fell:
// nothing was played, so nothing is kept as a score, and the player learns
// why the game ended.
TEST_F(GameFrameTest, AGameOfAWordFileWithoutWordsIsNotKeptAndSaysWhy) {
    std::vector<GameResult> kept;
    frame.SetScoreKeeper([&](const GameResult& result) {
        kept.push_back(result);
        return GameScoreBoard{};
    });
    const std::string path = RewriteWordFile("\n   \n\n");
    view.answers = {"3"};
    StartGame();
    PlayToTheEnd();
    EXPECT_TRUE(kept.empty()) << "kept as a game";
    EXPECT_TRUE(view.reports.empty()) << "a game-over view of a game that never was";
    ASSERT_FALSE(view.log.empty());
    EXPECT_EQ(view.log.back(), "Information The file " + path +
                                   " holds no words: no word could fall, and this game is not kept.");
}

TEST_F(GameFrameTest, AWordFileThatCannotBeReadLeavesTheWindowWithoutAGame) {
    StartGame();
    ASSERT_NE(frame.GameThread(), nullptr);
    frame.SetWordFile("/nonexistent/Game.txt");
    EXPECT_THROW(frame.NewGame(), LibraryError);
    EXPECT_EQ(frame.GameThread(), nullptr) << "not even the game before";
    EXPECT_FALSE(view.ticking);
    frame.FormKeyPress('s');
    frame.Tick();
    view.log.clear();
    CloseAction action = CloseAction::Hide;
    frame.FormClose(action);
    EXPECT_EQ(action, CloseAction::Hide);
    EXPECT_TRUE(view.log.empty()) << "no question, no scores";
    EXPECT_THAT(frame.Scores().Entries(), ElementsAre("000000", "000000", "000000", "000000", "000000"));
}

}  // namespace
}  // namespace zq
