// The line drill's cost per key, without any window: judging, marks,
// position, guidance routing and highlight requests. Goal: under 1 us a key.
#include <benchmark/benchmark.h>

#include <string>

#include "drills/TFmLinePractice.h"

namespace {

using namespace zq;

class NullView : public LineDrillView {
public:
    void SetSampleText(std::string_view) override {}
    std::string SampleText() const override { return {}; }
    void SelectSample(int start, int length) override { benchmark::DoNotOptimize(start + length); }
    void ClearSampleSelection() override {}
    void SetSampleEnabled(bool) override {}
    void MoveInputCaretToEnd() override {}
    void SetInputInsertionColor(std::int32_t) override {}
    void ClearInput() override {}
    void SetInputReadOnly(bool) override {}
    void FocusInput() override {}
    void ApplySampleFontToAll() override {}
    void SetMarkerVisible(bool) override {}
    void SetMarkerColor(std::int32_t) override {}
    void SetStatusText(std::string_view) override {}
    void InformationBox(std::string_view) override {}
    void WarningBox(std::string_view) override {}
    std::string InputBox(std::string_view, std::string_view, std::string_view answer) override {
        return std::string(answer);
    }
    DrillRect ScreenArea() const override { return {0, 0, 1280, 1024}; }
    DrillRect Frame() const override { return {}; }
    void PlaceWindow(const DrillRect&) override {}
    void MoveWindow(int, int) override {}
    std::int32_t PanelRgb() const override { return 0; }
    void SetWindowColor(std::int32_t) override {}
    void CloseWindow() override {}
};

class TableKeyboard : public KeyboardGuide {
public:
    int HighlightKey(unsigned char ch) override { return ch % 10; }
    DrillRect Frame() const override { return {}; }
    void MoveTo(int, int) override {}
    void Show() override {}
    void Hide() override {}
};

class NullHand : public HandGuide {
public:
    int slot = 0;
    void PointFinger(int finger) override { slot = finger; }
    void ClearFinger() override { slot = 0; }
    void ShowHands() override {}
    void Hide() override {}
    DrillRect Frame() const override { return {}; }
    void MoveTo(int, int) override {}
};

// Repeats one line: every key of it, then the key that completes it.
class RepeatingDrill : public TFmLinePractice {
public:
    using TFmLinePractice::TFmLinePractice;
    void SetLine(std::string text) {
        SetSample(std::move(text));
        SetUpLine();
    }
    void NextLine() override { SetUpLine(); }
};

void BM_DrillKey(benchmark::State& state) {
    NullView view;
    TableKeyboard keyboard;
    NullHand left, right;
    stopwatch watch;
    RepeatingDrill drill(view, watch, {&keyboard, &left, &right});
    drill.FormCreate();
    drill.SetHighLight(true);
    const std::string line = "The quick brown fox jumps over the lazy dog and keeps going.";
    drill.SetLine(line);

    std::size_t next = 0;
    for (auto _ : state) {
        unsigned char key = next < line.size() ? static_cast<unsigned char>(line[next]) : ' ';
        if (next % 17 == 5) key = '#';  // now and then a wrong key
        benchmark::DoNotOptimize(drill.InputEditKeyPress(key));
        next = next < line.size() ? next + 1 : 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrillKey);

}  // namespace
