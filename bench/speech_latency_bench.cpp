// From a key in the course drill window to the start of its spoken name:
// the key event, the drill, the narrator, the speaker's hand-over to the
// speech thread, the speech module (Qt TextToSpeech), speech-dispatcher and
// its voice module, which writes the moment it begins to speak into the log
// of ./test's private speech service (tests/speech/private-speech-service.sh).
// The time is from just before the key to that moment, both read from the
// wall clock. Goal: under 100 ms a key, the slowest included.
//
// It needs the private service (ZQ_TEST_SPEECH_LOG and SPEECHD_ADDRESS, as
// ./test sets them); without one it skips. With one that hears nothing, the
// run fails.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextEdit>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "app/ui/SpeechModuleOutput.h"
#include "base/CodePage.h"
#include "base/ui/QtOneShotTimer.h"
#include "drills/CourseLines.h"
#include "drills/ui/CourseDrillWindow.h"
#include "speech/DrillNarrator.h"
#include "support/RunFailure.h"
#include "support/SpokenLog.h"

namespace {

using namespace zq;
using testing::SpokenLog;

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

void RunEvents() {
    QApplication::processEvents();
}

void BM_KeyToSpokenName(benchmark::State& state) {
    std::optional<SpokenLog> log = SpokenLog::OfTheTestService();
    if (!log) {
        state.SkipWithError("no private speech service (ZQ_TEST_SPEECH_LOG): run it from ./test");
        return;
    }
    bool problem = false;
    const auto speaker =
        SpeechModuleOutput::FromModulesFolder(ZQ_PROGRAM_DIR "/", [&](SpeechProblem) { problem = true; });
    // A voice that is ready, as speech is once switched on.
    log->Mark();
    speaker->SayNow({"ready", {"en", 0}});
    if (!log->WaitForHeard(1, 10000, RunEvents) || problem) {
        bench::FailTheRun();
        state.SkipWithError("the speech service heard nothing");
        return;
    }

    // The learner's keys come a second apart on the narrator's clock, so
    // that every character is named (a fast typist hears words instead).
    std::int64_t narratorNow = 0;
    const std::string line = "fjdkslafjdkslafjdkslafjdkslafjdkslafjdksla";
    CourseLines course({line, line}, 0);
    stopwatch watch;
    CourseDrillWindow window(watch);
    DrillNarrator narrator(
        *speaker, {"en", 0}, SystemCodePage(), [](unsigned char) { return 3; },
        [&narratorNow] { return narratorNow; }, &QtOneShotTimer::Make);
    window.Drill().SetTypingObserver(&narrator);
    window.Drill().Practise(course);
    window.show();
    RunEvents();

    std::vector<double> latenciesMs;
    std::size_t next = 0;
    bool onFirstLine = true;
    for (auto _ : state) {
        if (next == line.size()) {
            // The other line, not timed: no key completes this one (a line
            // typed at this pace would stop for the speed warning box).
            state.PauseTiming();
            log->Mark();
            QKeyEvent step(QEvent::KeyPress, onFirstLine ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
            QApplication::sendEvent(window.InputEdit, &step);
            log->WaitForHeard(2, 5000, RunEvents);  // the line's number and first character
            onFirstLine = !onFirstLine;
            next = 0;
            state.ResumeTiming();
        }
        log->Mark();
        narratorNow += 1000;
        const QChar ch = QChar::fromLatin1(line[next++]);
        QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        const double start = WallSeconds();
        QApplication::sendEvent(window.InputEdit, &press);
        if (!log->WaitForHeard(1, 5000, RunEvents)) {
            bench::FailTheRun();
            state.SkipWithError("a key was not heard within 5 s");
            break;
        }
        const double latency = log->Heard().front().seconds - start;
        latenciesMs.push_back(latency * 1000);
        state.SetIterationTime(std::max(latency, 0.0));
    }
    window.Drill().SetTypingObserver(nullptr);
    if (latenciesMs.empty()) return;
    std::sort(latenciesMs.begin(), latenciesMs.end());
    state.counters["median_ms"] = latenciesMs[latenciesMs.size() / 2];
    state.counters["max_ms"] = latenciesMs.back();
}
BENCHMARK(BM_KeyToSpokenName)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace
