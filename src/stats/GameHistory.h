#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

class HistoryStore;

// A game that ended by itself, as the practice history keeps it. Names are
// UTF-8, as the history keeps them.
struct GameRecord {
    std::string user;
    std::string course;
    std::int64_t finishedAtMs = 0;  // milliseconds since 1970-01-01 UTC
    std::int32_t difficulty = 0;    // the difficulty chosen at the start, 1 to 10
    std::int32_t score = 0;
    std::int32_t hits = 0;
    std::int32_t losses = 0;
    std::int64_t timeMs = 0;  // the game's time
};

// A kept game, with the number the history gave it.
struct KeptGame {
    std::int64_t id = 0;
    GameRecord game;
};

// How many games the history keeps for each learner: their best.
inline constexpr std::size_t kBestGamesKept = 5;

// Offers a game to the learner's best: kept when its score is above 0 and
// the learner has fewer than kBestGamesKept games kept or one with a lower
// score, which then gives way (of two equal scores, the later goes first).
// The number the game is kept under, or 0 when it is not kept. One
// transaction. User names match without regard to ASCII case.
std::int64_t OfferGame(HistoryStore& store, const GameRecord& game);

// The learner's kept games, highest score first (the earlier first among
// equal scores).
std::vector<KeptGame> BestGames(HistoryStore& store, std::string_view user);

}  // namespace zq
