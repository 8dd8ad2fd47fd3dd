// A small program that plays cues the way the program does, for the tests
// of start and end with and without a sound server:
//   zq_sound_probe FILE...
// plays each file through the program's player, 100 ms apart, and prints
// how long making the output, the cue calls and the end took. A line
// "played N" follows the 100 ms of cue N, for a test that acts in between.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "sound/TWavePlayer.h"
#include "sound/ui/QtSoundOutput.h"

namespace {

void RunEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QElapsedTimer clock;

    clock.start();
    auto output = std::make_unique<zq::QtSoundOutput>();
    zq::TWavePlayer player(*output);
    std::printf("made: %lld us\n", clock.nsecsElapsed() / 1000);

    qint64 longestCueNs = 0;
    for (int i = 1; i < argc; ++i) {
        clock.restart();
        player.PlayCue(argv[i]);
        longestCueNs = std::max(longestCueNs, clock.nsecsElapsed());
        RunEventsFor(100);
        std::printf("played %d\n", i);
        std::fflush(stdout);
    }
    std::printf("longest cue call: %lld us\n", longestCueNs / 1000);
    RunEventsFor(300);

    clock.restart();
    output.reset();
    std::printf("ended: %lld us\n", clock.nsecsElapsed() / 1000);
    std::fflush(stdout);
    return 0;
}
