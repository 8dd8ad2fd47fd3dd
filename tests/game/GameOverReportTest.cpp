#include "game/GameOverReport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;

GameResult Result() {
    GameResult result;
    result.difficulty = 3;
    result.score = 1745;
    result.hits = 47;
    result.losses = 6;
    result.timeMs = 245'900;
    result.statistics = {88, 11, 12};
    return result;
}

GameScoreBoard Board(std::vector<BestGameEntry> best) {
    GameScoreBoard board;
    board.available = true;
    board.best = std::move(best);
    return board;
}

TEST(GameOverReport, NamesEachFigureOfTheGameAndKeepsTheStatisticsLine) {
    const GameOverReport report = MakeGameOverReport(Result(), GameScoreBoard{});
    EXPECT_EQ(report.titleUtf8, "Game over");
    EXPECT_THAT(
        report.figures,
        ElementsAre(Field(&GameOverFigure::valueUtf8, "1745"), Field(&GameOverFigure::valueUtf8, "47"),
                    Field(&GameOverFigure::valueUtf8, "6"), Field(&GameOverFigure::valueUtf8, "4:05"),
                    Field(&GameOverFigure::valueUtf8, "3")));
    EXPECT_THAT(report.figures, ElementsAre(Field(&GameOverFigure::labelUtf8, "Score"),
                                            Field(&GameOverFigure::labelUtf8, "Words hit"),
                                            Field(&GameOverFigure::labelUtf8, "Words lost"),
                                            Field(&GameOverFigure::labelUtf8, "Time"),
                                            Field(&GameOverFigure::labelUtf8, "Difficulty")));
    EXPECT_EQ(report.statisticsUtf8, "   Accuracy: 88%   WPM: 11   Expected WPM: 12");
    // Without a keeper (a game outside a learner's run): the game alone.
    EXPECT_TRUE(report.bestCaptionUtf8.empty());
    EXPECT_TRUE(report.best.empty());
    EXPECT_TRUE(report.verdictUtf8.empty());
}

TEST(GameOverReport, SaysWhereTheGameStandsAmongTheLearnersBest) {
    const GameOverReport first = MakeGameOverReport(Result(), Board({{.score = 1745, .thisGame = true}}));
    EXPECT_EQ(first.bestCaptionUtf8, "Your five best scores");
    EXPECT_EQ(first.best.size(), 1u);
    EXPECT_EQ(first.verdictUtf8, "A new best score!");

    const GameOverReport third = MakeGameOverReport(
        Result(),
        Board({{.score = 2000}, {.score = 1800}, {.score = 1745, .thisGame = true}, {.score = 1200}}));
    EXPECT_EQ(third.verdictUtf8, "This game is number 3 of your five best.");
    EXPECT_EQ(third.best.size(), 4u);

    const GameOverReport outside = MakeGameOverReport(
        Result(),
        Board({{.score = 3000}, {.score = 2900}, {.score = 2800}, {.score = 2700}, {.score = 2600}}));
    EXPECT_EQ(outside.verdictUtf8, "This game is not among your five best.");
    EXPECT_EQ(outside.best.size(), 5u) << "the best are shown all the same";
}

TEST(GameOverReport, AScoreThatCouldNotBeKeptSaysWhyAndShowsNoList) {
    GameScoreBoard board;
    board.problemUtf8 = "The practice history cannot be used.";
    const GameOverReport report = MakeGameOverReport(Result(), board);
    EXPECT_EQ(report.verdictUtf8, "The practice history cannot be used.");
    EXPECT_TRUE(report.best.empty());
    EXPECT_TRUE(report.bestCaptionUtf8.empty());
}

TEST(GameOverReport, TimeIsMinutesAndSeconds) {
    EXPECT_EQ(GameTimeText(25), "0:00");
    EXPECT_EQ(GameTimeText(59'999), "0:59");
    EXPECT_EQ(GameTimeText(60'000), "1:00");
    EXPECT_EQ(GameTimeText(3'661'000), "61:01");
    EXPECT_EQ(GameTimeText(-5), "0:00");
}

}  // namespace
}  // namespace zq
