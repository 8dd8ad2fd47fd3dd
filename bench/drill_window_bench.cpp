// From a key event to the updated course drill window: the typed character
// in its colour, the next sample character highlighted, its key lit on the
// on-screen keyboard and its finger pointed at, on a 60-character line.
// Goal: under 1 ms a key.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTextEdit>
#include <memory>

#include "course/Course.h"
#include "drills/CourseLines.h"
#include "drills/ui/CourseDrillWindow.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindowSet.h"

namespace {

using namespace zq;

void BM_CourseWindowKey(benchmark::State& state) {
    const QByteArray line = "Practice makes the fingers find their keys without a glance.";  // 60 characters
    CourseLines course({line.toStdString(), line.toStdString()}, 0);

    TDataMod store;
    GuidanceWindowSet guidance(store);
    guidance.Create(true);  // the windows' own default
    const std::string layout = Course(ZQ_PROGRAM_DIR "/", "English").LayoutPath();
    if (QFile::exists(QString::fromStdString(layout))) {
        guidance.PrepareGuidance(layout);
    } else {
        state.SetLabel("no keyboard template built: keyboard without keys");
    }

    stopwatch watch;
    CourseDrillWindow window(watch, guidance.Guidance());
    window.Drill().SetHighLight(true);
    window.Drill().Practise(course);
    window.show();
    QApplication::processEvents();

    // After the last character an arrow key moves between the two lines
    // instead of completing one: a completed line at this speed would stop
    // for the speed warning box.
    qsizetype next = 0;
    bool onFirstLine = true;
    for (auto _ : state) {
        if (next < line.size()) {
            const QChar ch = QChar::fromLatin1(line[next]);
            const int key = ch == u' ' ? int{Qt::Key_Space} : int{ch.toUpper().unicode()};
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(window.InputEdit, &press);
            ++next;
        } else {
            QKeyEvent step(QEvent::KeyPress, onFirstLine ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
            QApplication::sendEvent(window.InputEdit, &step);
            onFirstLine = !onFirstLine;
            next = 0;
        }
        QApplication::processEvents();  // the repaint of the changed windows
    }
    state.SetItemsProcessed(state.iterations());
    window.hide();
}
BENCHMARK(BM_CourseWindowKey)->Unit(benchmark::kMicrosecond);

}  // namespace
