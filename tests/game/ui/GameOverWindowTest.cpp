#include "game/ui/GameOverWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zq {
namespace {

GameOverReport Report(bool withBest) {
    GameResult result;
    result.difficulty = 4;
    result.score = 1745;
    result.hits = 47;
    result.losses = 6;
    result.timeMs = 245'900;
    result.statistics = {88, 11, 12};
    GameScoreBoard board;
    if (withBest) {
        board.available = true;
        board.best = {{.score = 2300, .difficulty = 5, .hits = 70, .losses = 2},
                      {.score = 1745, .difficulty = 4, .hits = 47, .losses = 6, .thisGame = true},
                      {.score = 900, .difficulty = 2, .hits = 30, .losses = 9}};
    }
    return MakeGameOverReport(result, board);
}

// The labels of the window whose text is `text`.
QList<QLabel*> LabelsReading(const QWidget& window, const QString& text) {
    QList<QLabel*> found;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text) found.push_back(label);
    return found;
}

TEST(GameOverWindowTest, ShowsEveryFigureNamedForWhatItCountsAndMarksThisGameAmongTheBest) {
    GameOverWindow window(Report(true));
    window.show();
    EXPECT_EQ(window.windowTitle(), "Game over");
    for (const char* name : {"Score", "Words hit", "Words lost", "Time", "Difficulty"})
        EXPECT_FALSE(LabelsReading(window, name).isEmpty()) << name;
    // The figure's value is read out under the name of what it counts.
    const QList<QLabel*> time = LabelsReading(window, "4:05");
    ASSERT_EQ(time.size(), 1);
    EXPECT_EQ(time[0]->accessibleName(), "Time");
    EXPECT_EQ(window.StatisticsLb->text(), "Accuracy: 88%   WPM: 11   Expected WPM: 12");

    ASSERT_NE(window.BestCaptionLb, nullptr);
    EXPECT_EQ(window.BestCaptionLb->text(), "Your five best scores");
    const QList<QLabel*> second = LabelsReading(window, "2.");
    ASSERT_EQ(second.size(), 1);
    EXPECT_TRUE(second[0]->font().bold()) << "the game that has just ended stands out";
    EXPECT_FALSE(LabelsReading(window, "1.").at(0)->font().bold());
    EXPECT_FALSE(LabelsReading(window, "2300").isEmpty());
    ASSERT_NE(window.VerdictLb, nullptr);
    EXPECT_EQ(window.VerdictLb->text(), "This game is number 2 of your five best.");
}

TEST(GameOverWindowTest, AGameWithoutAHistoryShowsTheGameAlone) {
    GameOverWindow window(Report(false));
    EXPECT_EQ(window.BestCaptionLb, nullptr);
    EXPECT_EQ(window.VerdictLb, nullptr);
    EXPECT_TRUE(LabelsReading(window, "1.").isEmpty());
}

// One Enter closes it, as the box it takes the place of.
TEST(GameOverWindowTest, EnterClosesTheView) {
    GameOverWindow window(Report(true));
    window.show();
    EXPECT_TRUE(window.Buttons->button(QDialogButtonBox::Ok)->isDefault());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zq
