#include "game/GameOverReport.h"

#include <algorithm>
#include <cstdio>

#include "base/Translation.h"

namespace zq {
namespace {

std::string Verdict(const GameScoreBoard& board) {
    if (!board.problemUtf8.empty()) return board.problemUtf8;
    if (!board.available) return {};
    const auto place = std::find_if(board.best.begin(), board.best.end(),
                                    [](const BestGameEntry& entry) { return entry.thisGame; });
    if (place == board.best.end()) return Tr("This game is not among your five best.");
    if (place == board.best.begin()) return Tr("A new best score!");
    return Format(Tr("This game is number %d of your five best."),
                  {std::to_string(place - board.best.begin() + 1)});
}

}  // namespace

GameOverReport MakeGameOverReport(const GameResult& result, const GameScoreBoard& board) {
    GameOverReport report;
    report.titleUtf8 = Tr("Game over");
    report.figures = {
        {Tr("Score"), std::to_string(result.score)},           {Tr("Words hit"), std::to_string(result.hits)},
        {Tr("Words lost"), std::to_string(result.losses)},     {Tr("Time"), GameTimeText(result.timeMs)},
        {Tr("Difficulty"), std::to_string(result.difficulty)},
    };
    report.statisticsUtf8 = StatisticsLine(result.statistics);
    if (board.available && !board.best.empty()) {
        report.bestCaptionUtf8 = Tr("Your five best scores");
        report.best = board.best;
    }
    report.verdictUtf8 = Verdict(board);
    return report;
}

std::string GameTimeText(std::int32_t milliseconds) {
    const std::int32_t seconds = std::max(milliseconds, 0) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

}  // namespace zq
