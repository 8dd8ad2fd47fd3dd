// How long making a course takes (goal: under 2 s on the project's 2-core
// machine), with the largest dictionary a ready-made course is made from:
// Greek (hunspell-el, 10 MB, 829 000 stems). Where that package is not
// installed, the largest installed dictionary of the ready-made courses
// stands in, and the benchmark's label names it. Each run reads the
// dictionary afresh, as a teacher's one run of zq-course does, draws the
// key pictures with Qt and writes the course folder into the temporary
// folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "course/CourseMaker.h"
#include "support/TempFolder.h"
#include "templates/ui/KeyCapPainter.h"

namespace {

namespace fs = std::filesystem;

// The dictionaries of the ready-made courses with their layouts, largest
// first.
const std::vector<std::pair<std::string, std::string>> kDictionaries = {
    {"gr", "/usr/share/hunspell/el_GR.dic"}, {"tr", "/usr/share/hunspell/tr_TR.dic"},
    {"ua", "/usr/share/hunspell/uk_UA.dic"}, {"no", "/usr/share/hunspell/nb_NO.dic"},
    {"pl", "/usr/share/hunspell/pl_PL.dic"}, {"br", "/usr/share/hunspell/pt_BR.dic"},
    {"ru", "/usr/share/hunspell/ru_RU.dic"}, {"es", "/usr/share/hunspell/es_ES.dic"},
};

void MakeACourse(benchmark::State& state) {
    const auto found = std::find_if(kDictionaries.begin(), kDictionaries.end(),
                                    [](const auto& entry) { return fs::exists(entry.second); });
    if (found == kDictionaries.end()) {
        state.SkipWithError("none of the ready-made courses' dictionaries is installed");
        return;
    }
    const std::vector<zq::RegistryLayout> registry = zq::ReadLayoutRegistry();
    const zq::test::TempFolder temporary;
    const fs::path folder = temporary / "course";
    zq::KeyCapPainter painter;
    for (auto _ : state) {
        zq::CourseMaker maker(registry, painter);  // a new maker reads the dictionary again
        zq::CourseRequest request;
        request.layout = found->first;
        request.folder = folder.string();
        request.dictionary = zq::DictionaryAt(found->second);
        request.replace = true;
        const zq::CourseReport report = maker.Make(request);
        benchmark::DoNotOptimize(report.courseLines);
    }
    state.SetLabel(found->first + " with " + found->second);
}
BENCHMARK(MakeACourse)->Unit(benchmark::kMillisecond);

}  // namespace
