#pragma once

#include <QDialog>
#include <QFont>
#include <optional>
#include <vector>

#include "base/ContrastPalette.h"
#include "game/GameOverReport.h"

class QDialogButtonBox;
class QGridLayout;
class QLabel;

namespace zq {

// How the view looks: as the game's status (Easy reading: larger print, a
// contrast palette).
struct GameOverLook {
    double scale = 1.0;                      // times the usual size of its texts
    std::optional<ContrastPalette> palette;  // none: the desktop's colours
};

// The game-over view: what a game that ended by itself came to, and the
// learner's five best scores with this game marked, over the game window.
// It shows a GameOverReport and holds no rules of its own.
class GameOverWindow : public QDialog {
    Q_OBJECT
public:
    GameOverWindow(const GameOverReport& report, const GameOverLook& look = {}, QWidget* parent = nullptr);

    QLabel* TitleLb = nullptr;
    QLabel* StatisticsLb = nullptr;
    QLabel* BestCaptionLb = nullptr;
    QLabel* VerdictLb = nullptr;
    QDialogButtonBox* Buttons = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddLabel(QGridLayout& grid, const QString& text, int row, int column, bool bold,
                     Qt::Alignment alignment = Qt::AlignLeft);
    QLabel* Heading(const QString& text, double size);
    void ApplyScale(double scale);
    void FitScale(double scale);
    void AddFigures(const GameOverReport& report, QGridLayout& grid);
    void AddBestGames(const GameOverReport& report, QGridLayout& grid);

    // A text with an emphasis of its own: `size` times the view's print.
    struct StyledText {
        QLabel* label;
        double size;
        bool bold;
    };
    QFont baseFont_;  // the desktop's, before any scale
    std::vector<StyledText> styled_;
};

}  // namespace zq
