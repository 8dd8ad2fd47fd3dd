#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <deque>
#include <functional>

#include "base/LibraryError.h"
#include "base/ui/Colors.h"
#include "base/ui/TerminationSignals.h"
#include "drills/ui/THInputBox.h"
#include "game/TGameSettings.h"
#include "game/ui/GameFrameWindow.h"
#include "game/ui/GameOverWindow.h"
#include "game/ui/PlayingArea.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

// Handles the modal boxes that open, one handler a box, in order; a box
// that opens with no handler left fails the test and is closed.
class ModalBoxes {
public:
    ModalBoxes() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr || box == handled_) return;
            handled_ = box;
            titles.push_back(box->windowTitle());
            if (auto* message = qobject_cast<QMessageBox*>(box)) texts.push_back(message->text());
            if (handlers_.empty()) {
                ADD_FAILURE() << "an unexpected box: " << box->windowTitle().toStdString();
                box->close();
                return;
            }
            const auto handler = std::move(handlers_.front());
            handlers_.pop_front();
            handler(box);
        });
        timer_.start();
    }
    void Then(std::function<void(QWidget*)> handler) { handlers_.push_back(std::move(handler)); }
    // The difficulty box, answered with `answer` and OK.
    void AnswerDifficulty(const QString& answer) {
        Then([answer](QWidget* box) {
            auto* input = qobject_cast<THInputBox*>(box);
            ASSERT_NE(input, nullptr);
            input->NumberEd->setText(answer);
            input->BnOK->click();
        });
    }
    void Answer(QMessageBox::StandardButton button, const std::function<void()>& before = {}) {
        Then([button, before](QWidget* box) {
            if (before) before();
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            message->button(button)->click();
        });
    }
    bool AllAnswered() const { return handlers_.empty(); }

    std::vector<QString> titles;
    std::vector<QString> texts;

private:
    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> handlers_;
    QWidget* handled_ = nullptr;
};

bool WaitFor(const std::function<bool()>& done, int limitMs = 10000) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > limitMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void Press(QWidget* window, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(window, &press);
}

class GameFrameWindowTest : public ::testing::Test {
protected:
    GameFrameWindowTest() {
        saved_ = GameSettings();
        GameSettings() = TGameSettings{};
        GameSettings().CellSize = 16;
        // A quick game: new words and falling steps at every pass.
        GameSettings().NewWordSpeed = 10;
        GameSettings().NewWordSpeedBy = 0;
        GameSettings().DropSpeed = 10;
        GameSettings().DropSpeedBy = 0;
        window.OnClosed = [this] { ++closings; };
    }
    ~GameFrameWindowTest() override { GameSettings() = saved_; }

    std::string WordFile(const std::string& text) {
        folder.Write("Game.txt", text);
        return folder.File("Game.txt");
    }
    template <class T>
    T Read(const std::function<T(const GamePlay&)>& look) {
        T value{};
        window.Frame().GameThread()->Inspect([&](const GamePlay& play) { value = look(play); });
        return value;
    }
    std::int32_t Hits() {
        return Read<std::int32_t>([](const GamePlay& play) { return play.Hits(); });
    }

    // The session ends by `end` (a signal, Qt's quit) once the event loop
    // runs; the loop's exit code, 1 when a watchdog had to end it.
    static int EndTheSessionBy(const std::function<void()>& end) {
        QuitOnTerminationSignals();
        QTimer::singleShot(0, end);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        return QCoreApplication::exec();
    }

    test::TempFolder folder;
    ModalBoxes boxes;
    GameFrameWindow window;
    int closings = 0;

private:
    TGameSettings saved_;
};

TEST_F(GameFrameWindowTest, TheWindowCoversTheScreenAboveOthersWithOnlyTheCloseBox) {
    EXPECT_EQ(window.windowTitle(), "Game");
    EXPECT_EQ(window.LbStatus->text(), "Score");
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.PbHitLost->toolTip(), "How many words get hit correctly");
    EXPECT_EQ(window.PbCityLife->toolTip(), "How many city bricks get destroyed");

    boxes.AnswerDifficulty("3");
    window.Frame().SetWordFile(WordFile("sun moon\n"));
    window.ShowAndStartGame();
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_EQ(window.frameGeometry(), screen) << "the frame included";
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "a fixed border";
    EXPECT_EQ(GameSettings().Columns, window.width() / 16);
    EXPECT_EQ(window.PlayingAreaBox->geometry(),
              QRect(0, 57, GameSettings().Columns * 16, window.height() - 57));
    EXPECT_EQ(window.Picture().Size(), window.PlayingAreaBox->size());
    EXPECT_EQ(window.PbTotalLeft->value(), 0);
    EXPECT_EQ(window.PbHitLost->value(), 100);
    EXPECT_EQ(window.PbCityLife->value(), 100);
    EXPECT_TRUE(window.TickTimer->isActive());
    EXPECT_EQ(window.TickTimer->interval(), 10);
    EXPECT_EQ(window.TickTimer->timerType(), Qt::PreciseTimer);
    EXPECT_THAT(boxes.titles, ElementsAre("Input Box"));
}

// Easy reading: the score, hits and time as large and as clear as a drill's
// status bar, the playing area below the grown panel.
TEST_F(GameFrameWindowTest, TheStatusPanelTakesTheLargePrintAndContrastPaletteOfEasyReading) {
    const int usualStatus = QFontInfo(window.LbStatus->font()).pixelSize();
    const int usualCaption = QFontInfo(window.CityLifeCaptionLb->font()).pixelSize();
    const ContrastPalette palette{.background = 0x000000, .text = 0xFFFFFF, .highlightBackground = 0x00FFFF};
    GameSettings().StatusScale = 1.5;
    GameSettings().StatusPalette = palette;
    boxes.AnswerDifficulty("3");
    window.Frame().SetWordFile(WordFile("sun moon\n"));
    window.ShowAndStartGame();

    EXPECT_GE(QFontInfo(window.LbStatus->font()).pixelSize(), usualStatus * 3 / 2);
    for (const QLabel* caption :
         {window.ProgressCaptionLb, window.InvaderLifeCaptionLb, window.CityLifeCaptionLb}) {
        SCOPED_TRACE(caption->objectName().toStdString());
        EXPECT_GE(QFontInfo(caption->font()).pixelSize(), usualCaption * 3 / 2);
        EXPECT_EQ(caption->palette().color(QPalette::WindowText), ToQColor(palette.text));
        EXPECT_GE(caption->height(), QFontMetrics(caption->font()).height()) << "not cut";
        EXPECT_LE(caption->geometry().bottom(), window.PbTotalLeft->y()) << "above the bars";
    }
    EXPECT_EQ(window.LbStatus->palette().color(QPalette::WindowText), ToQColor(palette.text));
    EXPECT_EQ(window.StatusPanel->palette().color(QPalette::Window), ToQColor(palette.background));
    // Room for two lines: a long language at a large scale factor is not cut.
    window.SetStatusText(
        "Difficult\xC3\xA9 : 10   Touch\xC3\xA9s : 1234   Perdus : 1234   Temps : 12 min 59 s   Score : "
        "123456");
    EXPECT_GE(window.LbStatus->height(), 2 * QFontMetrics(window.LbStatus->font()).lineSpacing());
    EXPECT_LE(window.LbStatus->heightForWidth(window.LbStatus->width()), window.LbStatus->height());
    EXPECT_LE(window.LbStatus->geometry().bottom(), window.ProgressCaptionLb->y());
    EXPECT_LE(window.PbTotalLeft->geometry().bottom(), window.StatusPanel->geometry().bottom());
    EXPECT_EQ(window.PlayingAreaBox->y(), window.StatusPanel->height()) << "the words fall below the panel";
    EXPECT_EQ(window.PlayingAreaBox->geometry().bottom(), window.height() - 1);
    EXPECT_EQ(window.Picture().Size(), window.PlayingAreaBox->size());

    // Easy reading switched off before the next game: the usual panel again.
    boxes.Answer(QMessageBox::Yes);
    window.close();
    GameSettings().StatusScale = 1.0;
    GameSettings().StatusPalette.reset();
    boxes.AnswerDifficulty("3");
    window.ShowAndStartGame();
    EXPECT_EQ(QFontInfo(window.LbStatus->font()).pixelSize(), usualStatus);
    EXPECT_EQ(window.LbStatus->palette().color(QPalette::WindowText), ToQColor(clNavy));
    EXPECT_NE(window.StatusPanel->palette().color(QPalette::Window), ToQColor(palette.background));
    EXPECT_EQ(window.PlayingAreaBox->y(), 57);
}

// The leftmost lit column of the rows [top, bottom) of a picture, or -1.
int LeftmostInk(const QImage& picture, int top, int bottom, QRgb background) {
    for (int x = 0; x < picture.width(); ++x)
        for (int y = top; y < std::min(bottom, picture.height()); ++y)
            if (picture.pixel(x, y) != background) return x;
    return -1;
}

// The status line's text begins with a space; wrapped, its second line
// starts where its first does, not a space further left.
TEST_F(GameFrameWindowTest, AWrappedStatusLineStartsItsSecondLineUnderItsFirst) {
    const ContrastPalette palette{.background = 0x000000, .text = 0xFFFFFF, .highlightBackground = 0x00FFFF};
    GameSettings().StatusScale = 2.0;
    GameSettings().StatusPalette = palette;
    boxes.AnswerDifficulty("3");
    window.Frame().SetWordFile(WordFile("sun moon\n"));
    window.ShowAndStartGame();
    window.SetStatusText(
        " Difficult\xC3\xA9 : 10   Touch\xC3\xA9s : 1234   Perdus : 1234   Temps : 759s   Score : 123456");
    QApplication::processEvents();

    const QImage picture = window.LbStatus->grab().toImage();
    const int line = QFontMetrics(window.LbStatus->font()).lineSpacing();
    const QRgb background = picture.pixel(picture.width() - 1, 0);
    const int firstLine = LeftmostInk(picture, 0, line, background);
    const int secondLine = LeftmostInk(picture, line, 2 * line, background);
    ASSERT_GE(firstLine, 0);
    ASSERT_GE(secondLine, 0) << "the text wraps";
    EXPECT_GT(firstLine, 0) << "the leading space still shows";
    EXPECT_NEAR(secondLine, firstLine, 2);
    EXPECT_LE(window.LbStatus->heightForWidth(window.LbStatus->width()), window.LbStatus->height())
        << "both lines whole";
}

TEST_F(GameFrameWindowTest, TheBarsShowTheSharesInTheirBlendedColors) {
    window.Frame().GameStarted(110, 300);
    window.Frame().StatusChanged(300, 55, 0);
    EXPECT_EQ(window.PbTotalLeft->value(), 50);
    EXPECT_EQ(window.PbHitLost->value(), 50);
    EXPECT_EQ(window.PbCityLife->value(), 100);
    EXPECT_EQ(window.PbHitLost->palette().color(QPalette::Highlight), ToQColor(6579355));
    EXPECT_EQ(window.PbCityLife->palette().color(QPalette::Highlight), ToQColor(51255));
    window.Frame().GameStarted(110, 300);
    EXPECT_EQ(window.PbTotalLeft->value(), 0);
    EXPECT_EQ(window.PbHitLost->value(), 100);
}

TEST_F(GameFrameWindowTest, TypedKeysAndComposedCharactersReachTheGame) {
    boxes.AnswerDifficulty("1");
    window.Frame().SetWordFile(WordFile("x\n\n\xC3\xA9\n\ntab\n"));  // "é" in UTF-8
    std::atomic<int> misses = 0;                                     // raised on the game thread
    GameSoundEvents sounds;
    sounds.OnCityMissShoot = [&misses] { ++misses; };
    window.Frame().SetSoundEvents(sounds);
    window.ShowAndStartGame();
    const auto onScreen = [&](char first) {
        return Read<bool>([first](const GamePlay& play) {
            for (const auto& word : play.Words())
                if (word->Text[0] == first && word->State == wsFalling) return true;
            return false;
        });
    };
    ASSERT_TRUE(WaitFor([&] { return onScreen('x') && onScreen('\xE9') && onScreen('t'); }));

    Press(&window, Qt::Key_X, "x");
    ASSERT_TRUE(WaitFor([&] { return Hits() == 1; }));
    // A dead key's character arrives from the input method.
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("\xC3\xA9"));
    QApplication::sendEvent(&window, &composed);
    ASSERT_TRUE(WaitFor([&] { return Hits() == 2; }));
    // A character the code page lacks is no key at all; Tab is a wrong key,
    // not a move to another control.
    Press(&window, Qt::Key_T, "t");
    ASSERT_TRUE(WaitFor([&] {
        return Read<bool>(
            [](const GamePlay& play) { return play.Targeting() && play.Target()->Text == "tab"; });
    }));
    Press(&window, 0, QString::fromUtf8("\xE2\x98\x83"));
    Press(&window, Qt::Key_Tab, "\t");
    ASSERT_TRUE(WaitFor([&] { return misses == 1; }));
    EXPECT_EQ(Hits(), 2);
}

TEST_F(GameFrameWindowTest, EscapeAsksAndHoldsTheTicksNoGoesOnYesOffersTheScoreAndHides) {
    boxes.AnswerDifficulty("3");
    window.Frame().SetWordFile(WordFile("sun moon star sky rain\n"));
    window.ShowAndStartGame();
    ASSERT_TRUE(WaitFor([&] { return window.Ticks().ticks > 5; }));

    bool tickingDuringQuestion = true;
    boxes.Answer(QMessageBox::No, [&] { tickingDuringQuestion = window.TickTimer->isActive(); });
    Press(&window, Qt::Key_Escape);
    EXPECT_FALSE(tickingDuringQuestion);
    EXPECT_TRUE(window.TickTimer->isActive());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(closings, 0);

    // The close box asks the same.
    boxes.Answer(QMessageBox::Yes, [&] { tickingDuringQuestion = window.TickTimer->isActive(); });
    window.close();
    EXPECT_FALSE(tickingDuringQuestion);
    EXPECT_THAT(boxes.texts, ElementsAre("Do you want to exit?", "Do you want to exit?"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(window.TickTimer->isActive());
    EXPECT_TRUE(window.Frame().GameThread()->Terminated());
    const std::int32_t score = window.Frame().GameThread()->Score();
    EXPECT_EQ(window.Frame().Scores().Entries().back(), FormatScore(score));
    EXPECT_GT(score, 0);
}

// The session ends (a logout, a shutdown) while a game runs: nobody is there
// to answer a question, so the game ends at once, its score kept as when
// the learner leaves it, and the program's event loop ends.
TEST_F(GameFrameWindowTest, TheEndOfTheSessionEndsTheGameWithoutAQuestionAndKeepsItsScore) {
    boxes.AnswerDifficulty("3");
    window.Frame().SetWordFile(WordFile("sun moon star sky rain\n"));
    window.ShowAndStartGame();
    ASSERT_TRUE(WaitFor([&] { return window.Ticks().ticks > 5; }));

    EXPECT_EQ(EndTheSessionBy([] { std::raise(SIGTERM); }), 0) << "the program waited for an answer";
    EXPECT_TRUE(boxes.texts.empty()) << "no question, no table of scores";
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.Frame().GameThread()->Terminated());
    EXPECT_EQ(window.Frame().Scores().Entries().back(), FormatScore(window.Frame().GameThread()->Score()));
}

// The desktop session's end reaches the program as Qt's quit rather than
// a signal: the game ends as it does for a signal.
TEST_F(GameFrameWindowTest, QtsQuitAtTheEndOfTheSessionEndsTheGameWithoutAQuestion) {
    boxes.AnswerDifficulty("3");
    window.Frame().SetWordFile(WordFile("sun moon star sky rain\n"));
    window.ShowAndStartGame();
    ASSERT_TRUE(WaitFor([&] { return window.Ticks().ticks > 5; }));

    EXPECT_EQ(EndTheSessionBy([] { QCoreApplication::quit(); }), 0) << "the program waited for an answer";
    EXPECT_TRUE(boxes.texts.empty()) << "no question, no table of scores";
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.Frame().GameThread()->Terminated());
}

TEST_F(GameFrameWindowTest, AWordFileThatCannotBeReadLeavesTheWindowOpenWithoutAGame) {
    window.Frame().SetWordFile(folder.File("missing.txt"));
    boxes.Then([&](QWidget* box) {
        EXPECT_EQ(box->parentWidget(), &window) << "over the game window, which stays above others";
        qobject_cast<QMessageBox*>(box)->accept();
    });
    window.ShowAndStartGame();
    const std::string missing = "File not found\n\nCannot open file \"" + folder.File("missing.txt") +
                                "\". No such file or directory";
    EXPECT_THAT(boxes.texts, ElementsAre(QString::fromStdString(missing)));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Frame().GameThread(), nullptr);
    EXPECT_FALSE(window.TickTimer->isActive());
    Press(&window, Qt::Key_S, "s");
    Press(&window, Qt::Key_Escape);  // no question: the box handler would fail the test
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closings, 1);
    EXPECT_THAT(window.Frame().Scores().Entries(),
                ElementsAre("000000", "000000", "000000", "000000", "000000"));
}

TEST_F(GameFrameWindowTest, ASecondGameAsksAgainAndBuildsANewCityOnACleanPicture) {
    window.Frame().SetWordFile(WordFile("sun moon star sky rain\n"));
    boxes.AnswerDifficulty("5");
    window.ShowAndStartGame();
    ASSERT_TRUE(WaitFor([&] { return window.Ticks().ticks > 5; }));
    boxes.Answer(QMessageBox::Yes);
    Press(&window, Qt::Key_Escape);
    ASSERT_FALSE(window.isVisible());

    boxes.Then([&](QWidget* box) {
        // While the question is open the new city already stands, on a
        // picture that holds nothing of the game before.
        const QImage& picture = window.Picture().Picture();
        const QRgb brick = ToQColor(BrickColor).rgb();
        int bricks = 0;
        for (int x = 0; x < picture.width(); ++x) bricks += picture.pixel(x, picture.height() - 1) == brick;
        EXPECT_GT(bricks, 0);
        auto* input = qobject_cast<THInputBox*>(box);
        ASSERT_NE(input, nullptr);
        input->NumberEd->setText("8");
        input->BnOK->click();
    });
    EXPECT_TRUE(window.Frame().GameThread()->Terminated());
    window.ShowAndStartGame();
    EXPECT_FALSE(window.Frame().GameThread()->Terminated());
    EXPECT_EQ(window.Frame().GameThread()->Quota(), 50 + 20 * 8);
    EXPECT_TRUE(window.TickTimer->isActive());
    EXPECT_THAT(boxes.titles,
                ElementsAre("Input Box", QGuiApplication::applicationDisplayName(), "Input Box"));
    EXPECT_TRUE(boxes.AllAnswered());
}

TEST_F(GameFrameWindowTest, AGameThatEndsStopsTheTicksAndClosesWithoutAQuestion) {
    window.Frame().SetWordFile(WordFile("x\n"));
    boxes.AnswerDifficulty("3");
    boxes.Then([](QWidget* box) {  // what the game came to
        auto* gameOver = qobject_cast<GameOverWindow*>(box);
        ASSERT_NE(gameOver, nullptr);
        gameOver->accept();
    });
    window.ShowAndStartGame();
    Press(&window, Qt::Key_X, "x");
    ASSERT_TRUE(WaitFor([&] { return window.Frame().GameThread()->Terminated(); }));
    ASSERT_TRUE(WaitFor([&] { return !window.TickTimer->isActive(); }));
    EXPECT_EQ(boxes.titles.size(), 2u);  // the difficulty and the game's end, no question
    EXPECT_TRUE(boxes.texts.empty());
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.Frame().Scores().Entries().back(), "001601");
}

}  // namespace
}  // namespace zq
