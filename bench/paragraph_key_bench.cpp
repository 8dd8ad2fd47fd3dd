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

// Positions the drill as if the learner had typed all but the last
// `remaining` characters rightly: the marks, the position, the running
// stopwatch and the typed text in the input box.
void TypeAllBut(zq::ParagraphDrillWindow& window, zq::stopwatch& watch, std::int32_t remaining) {
    zq::TFmLongText& drill = window.TextDrill();
    std::int32_t pos = drill.SampleLength - remaining;
    if (drill.SampleAt(pos) == zq::kLineFeed) ++pos;  // never between CR and LF
    std::fill(drill.Marks.begin(), drill.Marks.begin() + pos, true);
    drill.Pos = pos;
    drill.Started = true;
    watch.Start();
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
    zq::ParagraphDrillWindow window(watch);
    window.show();
    QApplication::clipboard()->setText(QString::fromStdString(zq::bench::MegabyteOfText()));
    window.TextDrill().PasteText();
    TypeAllBut(window, watch, 200);
    QApplication::processEvents();

    zq::TFmLongText& drill = window.TextDrill();
    bool forward = true;
    for (auto _ : state) {
        if (forward) {
            const unsigned char next = drill.SampleAt(drill.Pos);
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
    state.counters["position"] = drill.Pos;
}
BENCHMARK(BM_KeyAtTheEndOfMegabyteText)->Unit(benchmark::kMicrosecond);

}  // namespace
