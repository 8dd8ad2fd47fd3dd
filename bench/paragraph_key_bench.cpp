// One key at the end of a text of one megabyte in the paragraph drill window:
// the key event, the judging, the coloured character in the input box, the
// highlight of the next character in the sample box and the scrolling that
// keeps it in view, and the window's repaint. Keys alternate between the
// right character and Backspace, so the position stays at the end. Goal:
// under 2 ms per key.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTextEdit>

#include "ParagraphBenchText.h"
#include "base/CodePage.h"
#include "drills/ui/ParagraphDrillWindow.h"

namespace {

// The paragraph drill, with a learner who can fast-forward: while they do,
// the drill judges every key but asks the window for no highlight, colour or
// return indicator; typing a megabyte through the window would take minutes.
class FastForwardText : public zq::TFmLongText {
public:
    using TFmLongText::TFmLongText;
    bool fastForward = false;

    bool WantHighlight() override { return !fastForward && TFmLongText::WantHighlight(); }
    void ShowNextKey(unsigned char ch) override {
        if (!fastForward) TFmLongText::ShowNextKey(ch);
    }
    void MarkRight() override {
        if (!fastForward) TFmLongText::MarkRight();
    }
};

class FastForwardWindow : public zq::ParagraphDrillWindow {
public:
    explicit FastForwardWindow(zq::stopwatch& watch) : ParagraphDrillWindow(watch) {
        auto drill = std::make_unique<FastForwardText>(*this, *this, watch);
        text_ = drill.get();
        AttachDrill(std::move(drill));
    }
    FastForwardText& Text() { return *text_; }

private:
    FastForwardText* text_;
};

// Types all but the last `remaining` characters rightly, fast, before the
// window is shown: the drill judges every key, and the input box receives
// the typed text at once.
void TypeAllBut(FastForwardWindow& window, std::int32_t remaining) {
    FastForwardText& drill = window.Text();
    drill.fastForward = true;
    while (drill.Pos() < drill.SampleLength() - remaining) {
        unsigned char key = drill.SampleAt(drill.Pos());
        drill.InputEditKeyPress(key);
    }
    drill.fastForward = false;
    const std::int32_t pos = drill.Pos();
    QString typed =
        QString::fromStdString(zq::ToUtf8(drill.Sample().substr(0, static_cast<std::size_t>(pos - 1))));
    typed.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    window.InputEdit->setPlainText(typed);
    window.InputEdit->moveCursor(QTextCursor::End);
}

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

void BM_KeyAtTheEndOfMegabyteText(benchmark::State& state) {
    zq::stopwatch watch;
    FastForwardWindow window(watch);
    QApplication::clipboard()->setText(QString::fromStdString(zq::bench::MegabyteOfText()));
    window.TextDrill().PasteText();
    TypeAllBut(window, 200);
    window.show();
    QApplication::processEvents();

    zq::TFmLongText& drill = window.TextDrill();
    bool forward = true;
    for (auto _ : state) {
        if (forward) {
            const unsigned char next = drill.SampleAt(drill.Pos());
            if (next == zq::kCarriageReturn)
                SendKey(window.InputEdit, Qt::Key_Return, QStringLiteral("\r"));
            else
                SendKey(window.InputEdit, Qt::Key_A, QString(QChar(next)));
        } else {
            SendKey(window.InputEdit, Qt::Key_Backspace, QStringLiteral("\b"));
        }
        forward = !forward;
        QApplication::processEvents();
    }
    state.counters["position"] = drill.Pos();
}
BENCHMARK(BM_KeyAtTheEndOfMegabyteText)->Unit(benchmark::kMicrosecond);

}  // namespace
