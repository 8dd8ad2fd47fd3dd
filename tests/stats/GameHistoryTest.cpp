#include "stats/GameHistory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/HistoryStore.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using testing::TypedLine;

GameRecord Game(const std::string& user, std::int32_t score, std::int64_t finishedAtMs = 1'710'000'000'000) {
    GameRecord game;
    game.user = user;
    game.course = "Fran\u00E7ais";
    game.finishedAtMs = finishedAtMs;
    game.difficulty = 4;
    game.score = score;
    game.hits = 61;
    game.losses = 9;
    game.timeMs = 302'500;
    return game;
}

std::vector<std::int32_t> Scores(const std::vector<KeptGame>& games) {
    std::vector<std::int32_t> scores;
    for (const KeptGame& kept : games) scores.push_back(kept.game.score);
    return scores;
}

class GameHistoryTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    HistoryStore store{folder.File("zqstats.db")};
};

TEST_F(GameHistoryTest, AGameIsKeptWithEveryFigureAndReadBackByTheUserInAnyCase) {
    const std::int64_t id = OfferGame(store, Game("\u00C9lodie", 2140));
    EXPECT_GT(id, 0);
    const std::vector<KeptGame> best = BestGames(store, "\u00E9lodie");
    EXPECT_TRUE(best.empty()) << "only ASCII letters match without regard to case";
    const std::vector<KeptGame> kept = BestGames(store, "\u00C9lodIE");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].id, id);
    EXPECT_EQ(kept[0].game.user, "\u00C9lodie");
    EXPECT_EQ(kept[0].game.course, "Fran\u00E7ais");
    EXPECT_EQ(kept[0].game.finishedAtMs, 1'710'000'000'000);
    EXPECT_EQ(kept[0].game.difficulty, 4);
    EXPECT_EQ(kept[0].game.score, 2140);
    EXPECT_EQ(kept[0].game.hits, 61);
    EXPECT_EQ(kept[0].game.losses, 9);
    EXPECT_EQ(kept[0].game.timeMs, 302'500);
}

TEST_F(GameHistoryTest, OnlyTheFiveBestOfEachLearnerStayHighestFirst) {
    for (const std::int32_t score : {1500, 1900, 1700, 1600, 1800})
        EXPECT_GT(OfferGame(store, Game("Ann", score)), 0);
    OfferGame(store, Game("Bob", 900));
    EXPECT_THAT(Scores(BestGames(store, "ann")), ElementsAre(1900, 1800, 1700, 1600, 1500));

    EXPECT_EQ(OfferGame(store, Game("Ann", 1500)), 0) << "no better than the lowest kept";
    EXPECT_EQ(OfferGame(store, Game("Ann", 1200)), 0);
    const std::int64_t better = OfferGame(store, Game("Ann", 1750));
    EXPECT_GT(better, 0);
    EXPECT_THAT(Scores(BestGames(store, "Ann")), ElementsAre(1900, 1800, 1750, 1700, 1600));
    EXPECT_EQ(BestGames(store, "Ann")[2].id, better);
    EXPECT_THAT(Scores(BestGames(store, "Bob")), ElementsAre(900)) << "each learner has their own";
    EXPECT_EQ(store.Database().QueryInteger("SELECT count(*) FROM game_score"), 6) << "nothing else is kept";
}

TEST_F(GameHistoryTest, OfEqualScoresTheEarlierStaysFirstAndAScoreOfZeroOrLessIsNotKept) {
    const std::int64_t first = OfferGame(store, Game("Ann", 1600));
    const std::int64_t second = OfferGame(store, Game("Ann", 1600));
    EXPECT_THAT(BestGames(store, "Ann"),
                ElementsAre(Field(&KeptGame::id, first), Field(&KeptGame::id, second)));
    EXPECT_EQ(OfferGame(store, Game("Cleo", 0)), 0);
    EXPECT_EQ(OfferGame(store, Game("Cleo", -15)), 0);
    EXPECT_TRUE(BestGames(store, "Cleo").empty());
}

TEST_F(GameHistoryTest, ErasingAUserErasesTheirGamesAndLeavesTheOthers) {
    OfferGame(store, Game("Ann", 1600));
    OfferGame(store, Game("Bob", 1700));
    store.AddLine(TypedLine("Ann", 19'800, U"asdf"));
    store.EraseUser("ANN");
    EXPECT_TRUE(BestGames(store, "Ann").empty());
    EXPECT_THAT(Scores(BestGames(store, "Bob")), ElementsAre(1700));
}

}  // namespace
}  // namespace zq
