#pragma once

// Recording stand-ins for the windows around the drill logic.

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "../support/FakeClock.h"
#include "drills/DrillViews.h"
#include "drills/TFmCoursePrac.h"

namespace zq::testing {

class FakeDrillView : public LineDrillView, public CoursePositionView {
public:
    std::string sample;
    int selectionStart = -1;
    int selectionLength = 0;
    std::int32_t insertionColor = -1;
    int inputClears = 0;
    bool markerVisible = false;
    std::int32_t markerColor = -1;
    std::int32_t panelRgb = 8421504;
    std::string status;
    std::vector<std::string> informations;
    std::vector<std::string> warnings;
    std::deque<std::string> answers;  // InputBox answers; empty: Cancel
    std::vector<std::string> prompts;
    DrillRect screen{0, 0, 1280, 1024};
    DrillRect frame{64, 128, 1152, 260};
    DrillRect placed;
    bool closed = false;
    std::string positionLabel;
    std::int32_t positionLabelColor = -1;

    void SetSampleText(std::string_view text8) override { sample = text8; }
    std::string SampleText() const override { return sample; }
    void SelectSample(int start, int length) override {
        selectionStart = start;
        selectionLength = length;
    }
    void ClearSampleSelection() override { selectionLength = 0; }
    void SetSampleEnabled(bool) override {}
    void MoveInputCaretToEnd() override {}
    void SetInputInsertionColor(std::int32_t color) override { insertionColor = color; }
    void ClearInput() override { ++inputClears; }
    void SetInputReadOnly(bool) override {}
    void FocusInput() override {}
    void ApplySampleFontToAll() override {}
    void SetMarkerVisible(bool visible) override { markerVisible = visible; }
    void SetMarkerColor(std::int32_t color) override { markerColor = color; }
    void SetStatusText(std::string_view utf8) override { status = utf8; }
    void InformationBox(std::string_view utf8) override { informations.emplace_back(utf8); }
    void WarningBox(std::string_view utf8) override { warnings.emplace_back(utf8); }
    std::string InputBox(std::string_view, std::string_view prompt, std::string_view defaultAnswer) override {
        prompts.emplace_back(prompt);
        if (answers.empty()) return std::string(defaultAnswer);
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    DrillRect ScreenArea() const override { return screen; }
    DrillRect Frame() const override { return frame; }
    void PlaceWindow(const DrillRect& where) override { placed = where; }
    void MoveWindow(int left, int top) override {
        frame.left = left;
        frame.top = top;
    }
    std::int32_t PanelRgb() const override { return panelRgb; }
    void SetWindowColor(std::int32_t color) override { panelRgb = color; }
    void CloseWindow() override { closed = true; }
    void SetPositionLabel(std::string_view utf8) override { positionLabel = utf8; }
    void SetPositionLabelColor(std::int32_t color) override { positionLabelColor = color; }
};

class FakeKeyboard : public KeyboardGuide {
public:
    std::map<unsigned char, int> fingers;  // characters with a key
    std::vector<unsigned char> highlighted;
    DrillRect frame{0, 0, 600, 200};
    bool shown = false;

    int HighlightKey(unsigned char ch) override {
        highlighted.push_back(ch);
        const auto found = fingers.find(ch);
        return found == fingers.end() ? -1 : found->second;
    }
    DrillRect Frame() const override { return frame; }
    void MoveTo(int left, int top) override {
        frame.left = left;
        frame.top = top;
    }
    void Show() override { shown = true; }
    void Hide() override { shown = false; }
};

class FakeHand : public HandGuide {
public:
    int pointed = 0;  // 0: cleared
    bool shown = false;
    DrillRect frame{0, 0, 150, 200};

    void PointFinger(int slot) override { pointed = slot; }
    void ClearFinger() override { pointed = 0; }
    void ShowHands() override { shown = true; }
    void Hide() override { shown = false; }
    DrillRect Frame() const override { return frame; }
    void MoveTo(int left, int top) override {
        frame.left = left;
        frame.top = top;
    }
};

// Everything a drill needs around it, with the drills' stopwatch on a fake clock.
struct DrillSurroundings {
    FakeClock clock;
    stopwatch watch{clock.Function()};
    FakeDrillView view;
    FakeKeyboard keyboard;
    FakeHand leftHand;
    FakeHand rightHand;

    DrillGuidance Guidance() { return {&keyboard, &leftHand, &rightHand}; }
};

}  // namespace zq::testing
