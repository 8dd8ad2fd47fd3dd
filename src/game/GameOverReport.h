#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/GameResult.h"

namespace zq {

// One of the learner's best games.
struct BestGameEntry {
    std::int32_t score = 0;
    std::int32_t difficulty = 0;
    std::int32_t hits = 0;
    std::int32_t losses = 0;
    std::int64_t finishedAtMs = 0;  // milliseconds since 1970-01-01 UTC
    bool thisGame = false;          // the game that has just ended
};

// What keeping a game's score came to. Without a keeper (a game played
// outside a learner's run) nothing is available and nothing went wrong.
struct GameScoreBoard {
    bool available = false;           // `best` was read after the game was offered
    std::vector<BestGameEntry> best;  // highest score first, at most five
    std::string problemUtf8;          // why the score could not be kept
};

// A figure of the game: what it counts and its value.
struct GameOverFigure {
    std::string labelUtf8;
    std::string valueUtf8;
};

// What the game-over view shows, its texts translated (UTF-8): the game's
// figures and statistics, the learner's best games with this one marked,
// and a sentence on where this game stands among them.
struct GameOverReport {
    std::string titleUtf8;
    std::vector<GameOverFigure> figures;  // score, words hit, words lost, time, difficulty
    std::string statisticsUtf8;           // StatisticsLine
    std::string bestCaptionUtf8;          // empty when there is no list of best games to show
    std::vector<BestGameEntry> best;
    std::string verdictUtf8;  // empty when there is nothing to say
};

GameOverReport MakeGameOverReport(const GameResult& result, const GameScoreBoard& board);

// A game's time as minutes and seconds ("4:05"; "61:00" past the hour).
std::string GameTimeText(std::int32_t milliseconds);

}  // namespace zq
