#include "drills/LinePractice.h"

#include <algorithm>

#include "base/Translation.h"
#include "drills/GuidancePlacement.h"

namespace zq {

DrillStatistics ComputeStatistics(std::int64_t length, std::int64_t errors, std::int64_t words,
                                  std::int64_t lineTimeMs) {
    DrillStatistics statistics;
    if (length <= 0 || lineTimeMs <= 0) return statistics;
    statistics.keysPerMinute = length * 60000 / lineTimeMs;
    statistics.accuracy = (length - errors) * 100 / length;
    statistics.wordsPerMinute = words * 60000 / lineTimeMs;
    return statistics;
}

std::int32_t CountWords(std::string_view sample) {
    std::int32_t words = 0;
    bool inWord = false;
    for (const char ch : sample) {
        const bool wordChar = static_cast<unsigned char>(ch) != kSpace;
        if (wordChar && !inWord) ++words;
        inWord = wordChar;
    }
    return words;
}

std::string TrimControlAndBlank(std::string_view text) {
    const auto isTrimmed = [](char ch) { return static_cast<unsigned char>(ch) <= kSpace; };
    const auto first = std::find_if_not(text.begin(), text.end(), isTrimmed);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isTrimmed).base();
    return first < last ? std::string(first, last) : std::string();
}

DrillRect ArrangedDrillFrame(const DrillRect& screen) {
    DrillRect frame;
    frame.width = screen.width * 90 / 100;
    frame.left = screen.left + (screen.width - frame.width) / 2;
    frame.top = screen.top + (screen.height <= 640 ? 20 : screen.height / 8);
    return frame;
}

TFmLinePractice::TFmLinePractice(LineDrillView& view, stopwatch& watch, DrillGuidance guidance)
    : view_(view), watch_(watch), guidance_(guidance) {}

void TFmLinePractice::FormCreate() {
    ArrangeWindow();
    Outcome = LineOutcome::loNoLine;
    SetSample(std::string());
    SampleLength = 0;
    TotalTime = 0;
    Started = false;
    Finished = false;
    LinePassed = true;
    UseGuidance = true;
    EnterEndsLine = true;
}

void TFmLinePractice::FormShow() {
    // A window never inherits a running or old time from the previous drill.
    watch_.Stop();
    watch_.SetElapsed(0);
    view_.SetMarkerColour(view_.PanelRgb() ^ kMarkerContrastMask);
    ShowGuidance();
    LinePassed = true;
}

void TFmLinePractice::FormHide() {
    if (guidance_.keyboard) guidance_.keyboard->Hide();
    if (guidance_.leftHand) guidance_.leftHand->Hide();
    if (guidance_.rightHand) guidance_.rightHand->Hide();
}

void TFmLinePractice::SetDrillColor(std::int32_t colour) {
    view_.SetWindowColour(colour);
}

void TFmLinePractice::SetSample(std::string text8) {
    sample_ = std::move(text8);
    view_.SetSampleText(sample_);
    Marks.assign(sample_.size() + 1, false);
}

unsigned char TFmLinePractice::SampleAt(std::int32_t i) const {
    if (i < 1 || i > static_cast<std::int32_t>(sample_.size())) return 0;
    return static_cast<unsigned char>(sample_[static_cast<size_t>(i - 1)]);
}

void TFmLinePractice::SetUpLine() {
    SampleLength = static_cast<std::int32_t>(sample_.size());
    WordCount = 0;
    Pos = 1;
    // The time of an abandoned line is never carried into the new one.
    watch_.Stop();
    watch_.SetElapsed(0);
    WordCount = CountWords(sample_);
    keyCounts_.Clear();
}

bool TFmLinePractice::InputEditKeyDown(int virtualKey) {
    switch (virtualKey) {
        case vk::Home:
        case vk::Left:
        case vk::Up:
        case vk::Right:
        case vk::Down:
        case vk::Insert:
        case vk::Delete:
            return true;  // the caret stays at the end of the typed text
        default:
            return false;
    }
}

bool TFmLinePractice::InputEditKeyPress(unsigned char& key) {
    return HandleKey(key, KeyClass::Character);
}

bool TFmLinePractice::InputEditForeignKeyPress() {
    unsigned char none = 0;
    return HandleKey(none, KeyClass::Foreign);
}

bool TFmLinePractice::HandleKey(unsigned char& key, KeyClass keyClass) {
    bool passes = false;
    if (SampleLength < Pos || SampleLength <= 0) {
        Finished = true;
    } else if (keyClass == KeyClass::Character && key == SampleAt(Pos)) {
        keyCounts_.Right(key, watch_.Now());
        passes = HandleRightKey(key);
    } else {
        passes = HandleOtherKey(key, keyClass, watch_.Now());
    }

    if (Finished) {
        EndLine(keyClass == KeyClass::Character ? key : 0);
    } else if (WantHighlight()) {
        view_.SelectSample(Pos - 1, 1);
    }
    return passes;
}

bool TFmLinePractice::HandleRightKey(unsigned char key) {
    view_.MoveInputCaretToEnd();
    MarkRight();
    SetMark(Pos, true);
    ++Pos;
    if (!EnterEndsLine && key == kCarriageReturn && Pos <= SampleLength) {
        SetMark(Pos, true);  // the LF after the CR counts as typed
        ++Pos;
    }
    ShowNextKeyAtPos();
    StartLineOnFirstKey();
    return true;
}

bool TFmLinePractice::HandleOtherKey(unsigned char& key, KeyClass keyClass, std::int64_t nowMs) {
    const bool lineBreakExpected = SampleAt(Pos) == kCarriageReturn;
    if (keyClass == KeyClass::Character) {
        switch (key) {
            case kBackspace:
                keyCounts_.OtherKey(nowMs);
                if (Pos > 1) Pos = std::max(1, Pos - (SampleAt(Pos - 1) == kLineFeed ? 2 : 1));
                ShowNextKey(SampleAt(Pos));
                return true;  // the input box deletes its last character
            case kCarriageReturn:
                if (EnterEndsLine) {
                    Finished = true;
                    return false;
                }
                return true;  // not judged: the input box takes the line break
            case kEscape:
                Finished = true;
                return false;
            case 0:
                return false;
            case kSpace:
                if (lineBreakExpected) {
                    keyCounts_.Right(kCarriageReturn, nowMs);
                    key = kCarriageReturn;
                    SetMark(Pos, true);
                    SetMark(Pos + 1, true);
                    Pos += 2;
                    return true;
                }
                break;
            default:
                break;
        }
    }
    if (lineBreakExpected) return false;  // ignored without an error

    keyCounts_.Wrong(SampleAt(Pos), keyClass == KeyClass::Character ? key : 0, nowMs);
    view_.MoveInputCaretToEnd();
    MarkWrong();
    Raise(OnWrongKey);
    SetMark(Pos, false);
    ++Pos;
    ShowNextKeyAtPos();
    StartLineOnFirstKey();
    return true;
}

void TFmLinePractice::SetMark(std::int32_t position, bool right) {
    if (position >= 0 && position < static_cast<std::int32_t>(Marks.size())) {
        Marks[static_cast<size_t>(position)] = right;
    }
}

void TFmLinePractice::StartLineOnFirstKey() {
    if (Started) return;
    view_.SetMarkerVisible(true);
    watch_.Start();
    Started = true;
}

void TFmLinePractice::ShowNextKeyAtPos() {
    ShowNextKey(Pos > SampleLength ? 0 : SampleAt(Pos));
}

void TFmLinePractice::EndLine(unsigned char key) {
    watch_.Stop();
    LineTime = watch_.Elapsed();
    TotalTime += LineTime;
    view_.SetMarkerVisible(false);

    // An escaped line keeps the previous count; a line that Escape completes
    // (after its last character) is judged like any completed line.
    if (key != kEscape || Pos > SampleLength) {
        const std::int32_t last =
            std::min<std::int32_t>(SampleLength, static_cast<std::int32_t>(Marks.size()) - 1);
        Errors = std::max(0, SampleLength - last);  // positions the marks do not cover
        for (std::int32_t i = 1; i <= last; ++i) {
            if (!Marks[static_cast<size_t>(i)]) ++Errors;
        }
    }

    // A key with no line at all (position 0) ends nothing, whatever it is:
    // Escape there must not close a drill that is still waiting for its text.
    if (Pos > SampleLength) {
        Outcome = LineOutcome::loCompleted;
    } else if (Pos == 0) {
        Outcome = LineOutcome::loNoLine;
    } else if (key == kEscape) {
        Outcome = LineOutcome::loEscaped;
    } else if (key == kCarriageReturn) {
        Outcome = LineOutcome::loEnter;
    } else {
        Outcome = LineOutcome::loNoLine;
    }

    if (Outcome == LineOutcome::loCompleted) {
        Raise(OnLineDone);
        RecordCompletedLine();
        ShowStatistics();
    } else if (Outcome == LineOutcome::loEscaped) {
        view_.CloseWindow();
    }
    keyCounts_.Clear();  // whatever comes next is counted afresh
    NextLine();
    Started = false;
    Finished = false;
}

void TFmLinePractice::RecordCompletedLine() {
    if (!Recorder || SampleLength <= 0) return;
    const DrillStatistics statistics = ComputeStatistics(SampleLength, Errors, WordCount, LineTime);
    Recorder->RecordLine({.sample = sample_,
                          .characters = SampleLength,
                          .errors = Errors,
                          .lineTimeMs = LineTime,
                          .keysPerMinute = statistics.keysPerMinute,
                          .accuracy = statistics.accuracy,
                          .wordsPerMinute = statistics.wordsPerMinute,
                          .courseLine = CourseLineIndex(),
                          .keys = keyCounts_});
}

void TFmLinePractice::ShowStatistics() {
    LinePassed = true;
    if (SampleLength <= 0) return;
    const DrillStatistics statistics = ComputeStatistics(SampleLength, Errors, WordCount, LineTime);
    const std::string text =
        Format(Tr("Keys/Min: %d   Accuracy: %d%%   WPM: %d"),
               {std::to_string(statistics.keysPerMinute), std::to_string(statistics.accuracy),
                std::to_string(statistics.wordsPerMinute)});
    view_.SetStatusText(text);
    statisticsText_ = text;
    if (PopupAtEnd) view_.InformationBox(text);
    if (statistics.keysPerMinute > kImplausibleKeysPerMinute) {
        view_.WarningBox(Tr("Can you really type so fast?  Do be patient."));
    }
    if (statistics.accuracy < kPassAccuracy) LinePassed = false;
}

void TFmLinePractice::ShowFinger(int finger) {
    if (!UseGuidance) return;
    HandGuide* left = guidance_.leftHand;
    HandGuide* right = guidance_.rightHand;
    if (finger >= 0 && finger <= 4) {
        if (right) right->ClearFinger();
        if (left) left->PointFinger(finger + 1);
    } else if (finger >= 5 && finger <= 9) {
        if (left) left->ClearFinger();
        if (right) right->PointFinger(10 - finger);
    } else {
        if (left) left->ClearFinger();
        if (right) right->ClearFinger();
    }
}

void TFmLinePractice::ShowGuidance() {
    if (!UseGuidance) return;
    PlaceGuidance();
    if (guidance_.keyboard) guidance_.keyboard->Show();
    if (guidance_.leftHand) guidance_.leftHand->ShowHands();
    if (guidance_.rightHand) guidance_.rightHand->ShowHands();
    if (!sample_.empty()) ShowNextKey(SampleAt(Pos));
}

void TFmLinePractice::PlaceGuidance() {
    if (!UseGuidance) return;
    const GuidanceFrames current{view_.Frame(),
                                 guidance_.keyboard ? guidance_.keyboard->Frame() : DrillRect{},
                                 guidance_.leftHand ? guidance_.leftHand->Frame() : DrillRect{},
                                 guidance_.rightHand ? guidance_.rightHand->Frame() : DrillRect{}};
    const GuidanceFrames placed = PlaceGuidanceWindows(view_.ScreenArea(), current);
    if (placed.drill.left != current.drill.left || placed.drill.top != current.drill.top) {
        view_.MoveWindow(placed.drill.left, placed.drill.top);
    }
    if (guidance_.keyboard) guidance_.keyboard->MoveTo(placed.keyboard.left, placed.keyboard.top);
    if (guidance_.leftHand) guidance_.leftHand->MoveTo(placed.leftHand.left, placed.leftHand.top);
    if (guidance_.rightHand) guidance_.rightHand->MoveTo(placed.rightHand.left, placed.rightHand.top);
}

void TFmLinePractice::ResetEdits() {
    view_.SetSampleEnabled(false);
    view_.ApplySampleFontToAll();
    view_.SetSampleEnabled(true);
    view_.ClearSampleSelection();
    view_.ClearInput();
}

void TFmLinePractice::ShowFirstKey() {
    if (sample_.empty()) return;
    const int finger = guidance_.keyboard ? guidance_.keyboard->HighlightKey(SampleAt(1)) : -1;
    ShowFinger(finger);
}

void TFmLinePractice::AnnounceLineAgain() {
    view_.SetStatusText(statisticsText_ + "   " + Tr("Accuracy below 95 %: the line comes again."));
}

void TFmLinePractice::Raise(const DrillEvent& event) {
    if (event) event(*this);
}

void TFmLinePractice::ShowNextKey(unsigned char ch) {
    const int finger = guidance_.keyboard ? guidance_.keyboard->HighlightKey(ch) : -1;
    ShowFinger(finger);
}

void TFmLinePractice::ArrangeWindow() {
    view_.PlaceWindow(ArrangedDrillFrame(view_.ScreenArea()));
}

void TFmLinePractice::MarkRight() {
    view_.SetInputInsertionColour(RightColor);
}

void TFmLinePractice::MarkWrong() {
    view_.SetInputInsertionColour(WrongColor);
}

bool TFmLinePractice::WantHighlight() {
    return HighLight;
}

void TFmLinePractice::NextLine() {}

}  // namespace zq
