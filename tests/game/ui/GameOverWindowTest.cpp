#include "game/ui/GameOverWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "base/ui/Colors.h"

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

// Easy reading: the view is as large and as clear as the game's status.
TEST(GameOverWindowTest, EasyReadingShowsEveryTextInLargePrintAndTheContrastPalette) {
    const ContrastPalette palette{.background = 0x000000, .text = 0xFFFFFF, .highlightBackground = 0x00FFFF};
    GameOverWindow usual(Report(true));
    GameOverWindow large(Report(true), GameOverLook{.scale = 1.4, .palette = palette});  // fits the screen
    const QList<QLabel*> usualLabels = usual.findChildren<QLabel*>();
    const QList<QLabel*> largeLabels = large.findChildren<QLabel*>();
    ASSERT_EQ(usualLabels.size(), largeLabels.size());
    for (qsizetype i = 0; i < largeLabels.size(); ++i) {
        SCOPED_TRACE(largeLabels[i]->text().toStdString());
        EXPECT_GE(QFontInfo(largeLabels[i]->font()).pixelSize(),
                  QFontInfo(usualLabels[i]->font()).pixelSize() * 1.4 - 1);
        EXPECT_EQ(largeLabels[i]->palette().color(QPalette::WindowText), ToQColor(palette.text));
    }
    EXPECT_EQ(large.palette().color(QPalette::Window), ToQColor(palette.background));
    EXPECT_TRUE(large.autoFillBackground());
}

// Easy reading's print on a screen that is enlarged already: the view
// shrinks its print to fit the screen rather than push OK off it.
TEST(GameOverWindowTest, ItsPrintNeverMakesItLargerThanTheScreen) {
    GameOverWindow usual(Report(true));
    GameOverWindow large(Report(true), GameOverLook{.scale = 12.0, .palette = std::nullopt});
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(large.sizeHint().width(), screen.width());
    EXPECT_LE(large.sizeHint().height(), screen.height());
    EXPECT_GT(QFontInfo(large.TitleLb->font()).pixelSize(), QFontInfo(usual.TitleLb->font()).pixelSize())
        << "as large as fits";
}

void Press(QWidget& widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                    key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

// The keys the player is still typing as the last word falls do not close
// the view before it is read, nor does Space later; one Enter does, as the
// box it takes the place of.
TEST(GameOverWindowTest, KeysTypedAsTheGameEndsLeaveItOpenThenOneEnterClosesIt) {
    GameOverWindow window(Report(true));
    window.show();
    QPushButton& ok = *window.Buttons->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(ok.isDefault());
    Press(ok, Qt::Key_Space);
    Press(window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());

    QElapsedTimer waited;
    waited.start();
    while (!ok.isEnabled() && waited.elapsed() < 10'000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(ok.isEnabled()) << "the view answers after a moment";
    Press(ok, Qt::Key_Space);
    EXPECT_TRUE(window.isVisible()) << "not to Space, which players type between words";
    Press(window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zq
