// Loading and starting a text of one megabyte in the paragraph drill window:
// read the file, fill the sample box, reset the formats, start the text and
// paint the window. Goal: under 300 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ParagraphBenchText.h"
#include "drills/ui/ParagraphDrillWindow.h"
#include "support/TempFolder.h"

namespace {

// The window with its file-open dialog answered by the benchmark.
class ChosenFileWindow : public zq::ParagraphDrillWindow {
public:
    explicit ChosenFileWindow(zq::stopwatch& watch) : ParagraphDrillWindow(watch) {}
    std::string path;
    std::optional<std::string> ChooseTextFile(const std::string&) override { return path; }
};

void BM_LoadAndStartMegabyteText(benchmark::State& state) {
    const zq::test::TempFolder folder;
    const std::string file = folder.Write("megabyte.txt", zq::bench::MegabyteOfText());

    zq::stopwatch watch;
    ChosenFileWindow window(watch);
    window.path = file;
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.TextDrill().LoadText();
        QApplication::processEvents();
    }
    state.counters["characters"] = window.TextDrill().SampleLength();
}
BENCHMARK(BM_LoadAndStartMegabyteText)->Unit(benchmark::kMillisecond);

}  // namespace
