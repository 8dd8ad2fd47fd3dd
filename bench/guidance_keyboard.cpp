// How fast the on-screen keyboard follows the learner: lighting the key of
// each next character (once per keystroke) and rebuilding the keys of the
// shipped English template (once per run).
#include <benchmark/benchmark.h>

#include <string>

#include "course/Course.h"
#include "keyboard/OnScreenKeyboard.h"
#include "keyboard/TDataMod.h"

namespace {

const std::string kTemplate = zq::Course(ZQ_PROGRAM_DIR "/", "English").LayoutPath();

struct NoWindow : zq::KeyboardView {
    void SetClientSize(int, int) override {}
    void StartBlinkTimer() override {}
    void StopBlinkTimer() override {}
};

void HighlightKeyPerCharacter(benchmark::State& state) {
    zq::TDataMod store;
    NoWindow window;
    zq::OnScreenKeyboard keyboard(store, window, nullptr);
    keyboard.BlinkMode = false;
    keyboard.LoadTemplate(kTemplate);
    if (keyboard.KbFrame().Keys().empty()) state.SkipWithError("the English template has not been built");
    const std::string text = "The quick brown fox jumps over the lazy dog. 1234567890!";
    size_t at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(keyboard.HighlightKey(static_cast<unsigned char>(text[at])));
        at = (at + 1) % text.size();
    }
}
BENCHMARK(HighlightKeyPerCharacter);

void LoadTemplateAndBuildKeys(benchmark::State& state) {
    zq::TDataMod store;
    NoWindow window;
    zq::OnScreenKeyboard keyboard(store, window, nullptr);
    for (auto _ : state) {
        keyboard.LoadTemplate(kTemplate);
        benchmark::DoNotOptimize(keyboard.KbFrame().Keys().size());
    }
    if (keyboard.KbFrame().Keys().empty()) state.SkipWithError("the English template has not been built");
}
BENCHMARK(LoadTemplateAndBuildKeys)->Unit(benchmark::kMillisecond);

}  // namespace
