// One tick of the game window with 50 words on screen, from the tick to the
// changed pixels shown: the game thread's pass, the drop and bullet steps it
// hands to the user-interface thread, the status line and the bars, and the
// paint of what changed. A typist types along, so that bullets fly and
// words are shot. Goal: under 2 ms, so that no 10 ms tick is lost.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <random>

#include "../tests/game/GameFakes.h"
#include "drills/ui/THInputBox.h"
#include "game/TGameSettings.h"
#include "game/ui/GameFrameWindow.h"
#include "game/ui/PlayingArea.h"
#include "support/TempFolder.h"

namespace {

using namespace zq;
using zq::testing::FakeGameClock;

constexpr std::size_t kWordsOnScreen = 50;

// Sixty groups of words of four to eight letters.
std::string ManyWords() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::uniform_int_distribution<int> length(4, 8);
    std::string text;
    for (int group = 0; group < 60; ++group) {
        for (int word = 0; word < 40; ++word) {
            for (int i = length(random); i > 0; --i) text += static_cast<char>(letter(random));
            text += ' ';
        }
        text += "\n\n";
    }
    return text;
}

// Answers the difficulty question with 10 whenever it opens, and closes the
// statistics of a game that ends.
class BoxAnswerer {
public:
    BoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<THInputBox*>(modal)) {
                box->NumberEd->setText(QStringLiteral("10"));
                box->BnOK->click();
            } else if (auto* message = qobject_cast<QMessageBox*>(modal)) {
                message->accept();
            }
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

// Counts the paints of the playing area.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The key a quick typist presses next.
std::optional<char> NextKey(const GamePlay& play) {
    if (const strikerType* target = play.Target())
        return target->Text[static_cast<std::size_t>(target->Typed)];
    for (const auto& word : play.Words())
        if (word->State == wsFalling) return word->Text[0];
    return std::nullopt;
}

void BM_GameWindowTick(benchmark::State& state) {
    const test::TempFolder folder;
    const std::string wordFile = folder.Write("words.txt", ManyWords());

    TGameSettings& settings = GameSettings();
    settings = TGameSettings{};
    settings.CellSize = 16;
    settings.WordFontName = "DejaVu Sans Mono";
    settings.NewWordSpeed = 1000;  // a new word every second of the game's clock
    settings.NewWordSpeedBy = 0;
    settings.DropSpeed = 10;  // and a falling step at every tick
    settings.DropSpeedBy = 0;

    FakeGameClock clock;
    BoxAnswerer answerer;
    GameFrameWindow window;
    PaintCounter counter;
    window.PlayingAreaBox->installEventFilter(&counter);
    TgameFrame& frame = window.Frame();
    frame.SetWordFile(wordFile);
    frame.SetSetupMaker([&clock] {
        GameSetup setup;
        setup.clock = clock.Function();
        return setup;
    });

    const auto wordsOnScreen = [&] {
        std::size_t words = 0;
        frame.GameThread()->Inspect([&](const GamePlay& play) { words = play.Words().size(); });
        return words;
    };
    const auto tick = [&] {
        window.Tick();
        while (!frame.GameIdle()) QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::processEvents(QEventLoop::AllEvents);  // the paint of what changed
    };
    // A game with 50 words on screen; the game's clock runs fast meanwhile.
    const auto fillScreen = [&] {
        if (!frame.GameThread() || frame.GameThread()->Terminated()) {
            window.ShowAndStartGame();
            window.SetTickTimerEnabled(false);  // the benchmark ticks
        }
        while (wordsOnScreen() < kWordsOnScreen && !frame.GameThread()->Terminated()) {
            clock.Advance(1100);
            tick();
        }
    };

    fillScreen();
    std::int64_t ticks = 0;
    std::size_t words = 0;
    const int paintsBefore = counter.paints;
    for (auto _ : state) {
        clock.Advance(10);
        std::optional<char> key;
        frame.GameThread()->Inspect([&](const GamePlay& play) { key = NextKey(play); });
        if (key && ticks % 4 == 0) frame.FormKeyPress(*key);  // a key every 40 ms: 300 a minute
        tick();
        ++ticks;
        words += wordsOnScreen();
        if (wordsOnScreen() < kWordsOnScreen - 5 || frame.GameThread()->Terminated()) {
            state.PauseTiming();
            fillScreen();
            state.ResumeTiming();
        }
    }
    state.counters["words"] = ticks > 0 ? static_cast<double>(words) / static_cast<double>(ticks) : 0;
    state.counters["paints_per_tick"] =
        ticks > 0 ? static_cast<double>(counter.paints - paintsBefore) / static_cast<double>(ticks) : 0;
    window.SetTickTimerEnabled(false);
}
BENCHMARK(BM_GameWindowTick)->Unit(benchmark::kMicrosecond);

}  // namespace
