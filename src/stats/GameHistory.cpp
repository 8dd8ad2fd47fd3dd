#include "stats/GameHistory.h"

#include "base/AsciiText.h"
#include "stats/HistoryStore.h"

namespace zq {

std::int64_t OfferGame(HistoryStore& store, const GameRecord& game) {
    if (game.score <= 0) return 0;
    SqliteDatabase& db = store.Database();
    const std::string userKey = AsciiLower(game.user);
    SqliteTransaction transaction(db);
    db.Prepare(
          "INSERT INTO game_score (user_key, user_name, course, finished_at, difficulty, score, hits, "
          "losses, "
          "time_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .BindText(1, userKey)
        .BindText(2, game.user)
        .BindText(3, game.course)
        .Bind(4, game.finishedAtMs)
        .Bind(5, game.difficulty)
        .Bind(6, game.score)
        .Bind(7, game.hits)
        .Bind(8, game.losses)
        .Bind(9, game.timeMs)
        .Run();
    const std::int64_t id = db.LastInsertRowId();
    // Only the best stay; the new game is the latest, so it gives way to an
    // equal score kept before it.
    db.Prepare(
          "DELETE FROM game_score WHERE user_key = ?1 AND id NOT IN "
          "(SELECT id FROM game_score WHERE user_key = ?1 ORDER BY score DESC, id LIMIT ?2)")
        .BindText(1, userKey)
        .Bind(2, static_cast<std::int64_t>(kBestGamesKept))
        .Run();
    const bool kept =
        db.QueryInteger("SELECT count(*) FROM game_score WHERE id = " + std::to_string(id)) == 1;
    transaction.Commit();
    return kept ? id : 0;
}

std::vector<KeptGame> BestGames(HistoryStore& store, std::string_view user) {
    SqliteStatement query = store.Database().Prepare(
        "SELECT id, user_name, course, finished_at, difficulty, score, hits, losses, time_ms FROM game_score "
        "WHERE user_key = ? ORDER BY score DESC, id LIMIT ?");
    query.BindText(1, AsciiLower(user)).Bind(2, static_cast<std::int64_t>(kBestGamesKept));
    std::vector<KeptGame> games;
    while (query.Step()) {
        KeptGame kept;
        kept.id = query.Integer(0);
        kept.game.user = query.Bytes(1);
        kept.game.course = query.Bytes(2);
        kept.game.finishedAtMs = query.Integer(3);
        kept.game.difficulty = static_cast<std::int32_t>(query.Integer(4));
        kept.game.score = static_cast<std::int32_t>(query.Integer(5));
        kept.game.hits = static_cast<std::int32_t>(query.Integer(6));
        kept.game.losses = static_cast<std::int32_t>(query.Integer(7));
        kept.game.timeMs = query.Integer(8);
        games.push_back(std::move(kept));
    }
    return games;
}

}  // namespace zq
