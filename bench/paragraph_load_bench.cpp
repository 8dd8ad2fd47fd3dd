// Loading and starting a text of one megabyte in the paragraph drill window:
// read the file, fill the sample box, reset the formats, start the text and
// paint the window. Goal: under 300 ms. And a book of 20 megabytes: its
// time, and the memory it takes at its peak (the growth of the process's
// peak resident memory), counted per byte of text. Goal: under a second,
// and under five bytes of memory for a byte of text.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <fstream>

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

double PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024;
}

void BM_LoadATwentyMegabyteBook(benchmark::State& state) {
    const zq::test::TempFolder folder;
    // Written a megabyte at a time: the book is never in memory before it is loaded.
    const std::string file = folder.File("book.txt");
    const std::string megabyte = zq::bench::MegabyteOfText() + "\n";
    {
        std::ofstream out(file, std::ios::binary);
        for (int part = 0; part < 20; ++part) out << megabyte;
    }
    const double bookBytes = 20.0 * static_cast<double>(megabyte.size());

    zq::stopwatch watch;
    ChosenFileWindow window(watch);
    window.path = file;
    window.show();
    QApplication::processEvents();
    const double peakBefore = PeakResidentBytes();
    for (auto _ : state) {
        window.TextDrill().LoadText();
        QApplication::processEvents();
    }
    state.counters["text_mib"] = bookBytes / (1 << 20);
    state.counters["peak_growth_mib"] = (PeakResidentBytes() - peakBefore) / (1 << 20);
    state.counters["memory_per_text_byte"] = (PeakResidentBytes() - peakBefore) / bookBytes;
}
// Once: the peak of a process only grows.
BENCHMARK(BM_LoadATwentyMegabyteBook)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
