// Entry of the window benchmarks: a QApplication (offscreen unless a platform
// is chosen) around the benchmark run.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "RunFailure.h"

namespace zq::bench {
namespace {
bool g_runFailed = false;
}  // namespace

void FailTheRun() {
    g_runFailed = true;
}

bool RunFailed() {
    return g_runFailed;
}

}  // namespace zq::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return zq::bench::RunFailed() ? 1 : 0;
}
