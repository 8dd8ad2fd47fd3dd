#pragma once

#include <QDialog>

#include "game/GameOverReport.h"

class QDialogButtonBox;
class QGridLayout;
class QLabel;

namespace zq {

// The game-over view: what a game that ended by itself came to, and the
// learner's five best scores with this game marked, over the game window.
// It shows a GameOverReport and holds no rules of its own.
class GameOverWindow : public QDialog {
    Q_OBJECT
public:
    GameOverWindow(const GameOverReport& report, QWidget* parent = nullptr);

    QLabel* TitleLb = nullptr;
    QLabel* StatisticsLb = nullptr;
    QLabel* BestCaptionLb = nullptr;
    QLabel* VerdictLb = nullptr;
    QDialogButtonBox* Buttons = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddFigures(const GameOverReport& report, QGridLayout& grid);
    void AddBestGames(const GameOverReport& report, QGridLayout& grid);
};

}  // namespace zq
