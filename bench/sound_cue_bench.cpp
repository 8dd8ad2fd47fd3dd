// A sound cue on the user-interface thread: PlayCue of the program's player
// for a cue already loaded, one key press at a time. Goal: under 100 us a
// call, so that a key press never waits for sound.
//
// For comparison, what starting a QSoundEffect costs the thread that does it
// (the sound thread, in the program): a round trip to the sound server.
//
// Plays through the default sound server (PULSE_SERVER), like the program.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "sound/MediaSettings.h"
#include "sound/TWavePlayer.h"
#include "sound/ui/QtSoundOutput.h"
#include "sound/ui/SoundEffectOutput.h"

namespace {

using namespace zq;

// Keys at 600 a minute come 100 ms apart; a few milliseconds between calls
// are enough for the sound thread to have started the cue before.
constexpr auto kBetweenKeys = std::chrono::milliseconds(5);

void RunEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

std::string ShippedCue(benchmark::State& state) {
    const std::string cue = ReadMediaSettings(ZQ_PROGRAM_DIR "/").WordOk;
    if (!QFile::exists(QString::fromStdString(cue))) state.SkipWithError("no cue in the program folder");
    return cue;
}

// Times one call per iteration, with the pause between keys outside the
// timing. The mean suffers from the scheduler on a busy machine (the woken
// sound thread may take the processor from the caller for a while), so the
// median and the 90th percentile are reported too.
template <typename Call>
void TimeKeyPresses(benchmark::State& state, Call call) {
    std::vector<double> microseconds;
    for (auto _ : state) {
        std::this_thread::sleep_for(kBetweenKeys);
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        call();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        microseconds.push_back(took.count() * 1e6);
    }
    std::sort(microseconds.begin(), microseconds.end());
    state.counters["median_us"] = microseconds[microseconds.size() / 2];
    state.counters["p90_us"] = microseconds[microseconds.size() * 9 / 10];
}

void BM_PlayCueOnUserInterfaceThread(benchmark::State& state) {
    const std::string cue = ShippedCue(state);
    QtSoundOutput output;
    TWavePlayer player(output);
    player.PlayCue(cue);  // loads the cue
    RunEventsFor(300);
    TimeKeyPresses(state, [&] { player.PlayCue(cue); });
}
BENCHMARK(BM_PlayCueOnUserInterfaceThread)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

void BM_SoundEffectStartOnItsOwnThread(benchmark::State& state) {
    const std::string cue = ShippedCue(state);
    SoundEffectOutput output([] {});
    output.Play(cue);  // loads the cue
    RunEventsFor(300);
    TimeKeyPresses(state, [&] { output.Play(cue); });
}
BENCHMARK(BM_SoundEffectStartOnItsOwnThread)->UseManualTime()->Iterations(100)->Unit(benchmark::kMicrosecond);

}  // namespace
