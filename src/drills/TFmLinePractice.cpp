#include "drills/TFmLinePractice.h"

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
    outcome_ = LineOutcome::loNoLine;
    SetSample(std::string());
    totalTime_ = 0;
    started_ = false;
    finished_ = false;
    linePassed_ = true;
    useGuidance_ = true;
    enterEndsLine_ = true;
}

void TFmLinePractice::FormShow() {
    // A window never inherits a running or old time from the previous drill.
    watch_.Stop();
    watch_.SetElapsed(0);
    view_.SetMarkerColor(view_.PanelRgb() ^ kMarkerContrastMask);
    ShowGuidance();
    linePassed_ = true;
}

void TFmLinePractice::FormHide() {
    if (guidance_.keyboard) guidance_.keyboard->Hide();
    if (guidance_.leftHand) guidance_.leftHand->Hide();
    if (guidance_.rightHand) guidance_.rightHand->Hide();
}

void TFmLinePractice::Practise(LineSource& lines) {
    lines_ = &lines;
    TakeLine({});
    const std::string announcement = lines.Announcement();
    if (!announcement.empty()) view_.SetStatusText(announcement);
}

LinePlace TFmLinePractice::Place() const {
    return lines_ != nullptr ? lines_->Place() : LinePlace{};
}

void TFmLinePractice::TakeLine(const LineStep& step) {
    if (!step.notice.empty()) view_.InformationBox(step.notice);
    if (step.belowPassAccuracy) AnnounceLineAgain();
    bool hasLine = pos_ > 0;  // a line has been set up before
    if (!step.sameLine && lines_ != nullptr) {
        if (std::optional<std::string> line = lines_->Line()) {
            SetSample(std::move(*line));
            hasLine = true;
        }
    }
    if (hasLine) RestartLine(step.belowPassAccuracy);
    ResetEdits();
}

void TFmLinePractice::SetDrillColor(std::int32_t color) {
    view_.SetWindowColor(color);
}

void TFmLinePractice::SetSample(std::string text8) {
    sample_ = std::move(text8);
    view_.SetSampleText(sample_);
    marks_.assign(sample_.size() + 1, false);
}

unsigned char TFmLinePractice::SampleAt(std::int32_t i) const {
    if (i < 1 || i > SampleLength()) return 0;
    return static_cast<unsigned char>(sample_[static_cast<size_t>(i - 1)]);
}

std::int32_t TFmLinePractice::Errors() const {
    std::int32_t right = 0;
    for (std::int32_t i = 1; i <= SampleLength() && i < static_cast<std::int32_t>(marks_.size()); ++i) {
        if (marks_[static_cast<size_t>(i)]) ++right;
    }
    return SampleLength() - right;
}

std::int32_t TFmLinePractice::WordCount() const {
    return CountWords(sample_);
}

void TFmLinePractice::SetUpLine() {
    marks_.assign(sample_.size() + 1, false);
    pos_ = 1;
    // The time of an abandoned line is never carried into the new one.
    watch_.Stop();
    watch_.SetElapsed(0);
    keyCounts_.Clear();
}

void TFmLinePractice::RestartLine(bool againBelowPassAccuracy) {
    SetUpLine();
    view_.SetMarkerVisible(false);
    started_ = false;  // a line in progress is abandoned; its time is not counted
    finished_ = false;
    linePassed_ = true;
    ShowFirstKey();
    if (observer_ != nullptr) {
        observer_->LineReady(Place(), againBelowPassAccuracy);
        TellNextCharacter();
    }
}

bool TFmLinePractice::InputEditKeyDown(int virtualKey) {
    switch (virtualKey) {
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
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
    if (observer_ != nullptr) observer_->KeyArrived();
    bool passes = false;
    if (SampleLength() < pos_ || SampleLength() <= 0) {
        finished_ = true;
    } else if (keyClass == KeyClass::Character && key == SampleAt(pos_)) {
        keyCounts_.Right(key, watch_.Now());
        passes = HandleRightKey(key);
    } else {
        passes = HandleOtherKey(key, keyClass, watch_.Now());
    }

    if (finished_) {
        EndLine(keyClass == KeyClass::Character ? key : 0);
    } else if (WantHighlight()) {
        view_.SelectSample(pos_ - 1, 1);
    }
    return passes;
}

bool TFmLinePractice::HandleRightKey(unsigned char key) {
    if (observer_ != nullptr) observer_->RightKey();
    view_.MoveInputCaretToEnd();
    MarkRight();
    SetMark(pos_, true);
    ++pos_;
    if (!enterEndsLine_ && key == kCarriageReturn && pos_ <= SampleLength()) {
        SetMark(pos_, true);  // the LF after the CR counts as typed
        ++pos_;
    }
    ShowNextKeyAtPos();
    StartLineOnFirstKey();
    return true;
}

bool TFmLinePractice::HandleOtherKey(unsigned char& key, KeyClass keyClass, std::int64_t nowMs) {
    const bool lineBreakExpected = SampleAt(pos_) == kCarriageReturn;
    if (keyClass == KeyClass::Character) {
        switch (key) {
            case kBackspace:
                keyCounts_.OtherKey(nowMs);
                if (pos_ > 1) pos_ = std::max(1, pos_ - (SampleAt(pos_ - 1) == kLineFeed ? 2 : 1));
                ShowNextKey(SampleAt(pos_));
                TellNextCharacter();
                return true;  // the input box deletes its last character
            case kCarriageReturn:
                if (enterEndsLine_) {
                    finished_ = true;
                    return false;
                }
                return true;  // not judged: the input box takes the line break
            case kEscape:
                finished_ = true;
                return false;
            case 0:
                return false;
            case kSpace:
                if (lineBreakExpected) {
                    keyCounts_.Right(kCarriageReturn, nowMs);
                    key = kCarriageReturn;
                    SetMark(pos_, true);
                    SetMark(pos_ + 1, true);
                    pos_ += 2;
                    // Nothing is lit or coloured for it, but a learner who
                    // listens still hears what follows the line break.
                    if (observer_ != nullptr) observer_->RightKey();
                    TellNextCharacter();
                    return true;
                }
                break;
            default:
                break;
        }
    }
    if (lineBreakExpected) return false;  // ignored without an error

    keyCounts_.Wrong(SampleAt(pos_), keyClass == KeyClass::Character ? key : 0, nowMs);
    view_.MoveInputCaretToEnd();
    MarkWrong();
    Raise(events_.OnWrongKey);
    if (observer_ != nullptr) observer_->WrongKey(keyClass == KeyClass::Character ? key : 0);
    // A tab would jump to the next tab stop and push the rest of the typed
    // line out of line with the sample: one position, one blank.
    if (keyClass == KeyClass::Character && key == kTab) key = kSpace;
    SetMark(pos_, false);
    ++pos_;
    ShowNextKeyAtPos();
    StartLineOnFirstKey();
    return true;
}

void TFmLinePractice::SetMark(std::int32_t position, bool right) {
    if (position >= 0 && position < static_cast<std::int32_t>(marks_.size())) {
        marks_[static_cast<size_t>(position)] = right;
    }
}

void TFmLinePractice::StartLineOnFirstKey() {
    if (started_) return;
    view_.SetMarkerVisible(true);
    watch_.Start();
    started_ = true;
}

void TFmLinePractice::ShowNextKeyAtPos() {
    ShowNextKey(pos_ > SampleLength() ? 0 : SampleAt(pos_));
    TellNextCharacter();
}

void TFmLinePractice::TellNextCharacter() {
    if (observer_ != nullptr && pos_ > 0) observer_->NextCharacter(sample_, pos_);
}

void TFmLinePractice::EndLine(unsigned char key) {
    watch_.Stop();
    lineTime_ = watch_.Elapsed();
    totalTime_ += lineTime_;
    view_.SetMarkerVisible(false);

    outcome_ = OutcomeOfEnd(key);
    if (outcome_ == LineOutcome::loCompleted) {
        Raise(events_.OnLineDone);
        HandOverCompletedLine();
        ShowStatistics();
    } else if (outcome_ == LineOutcome::loEnter) {
        // The figures in the status bar are the line's before: say why
        // this line has none.
        view_.SetStatusText(Tr("Line skipped with Enter."));
    } else if (outcome_ == LineOutcome::loEscaped) {
        view_.CloseWindow();
        observer_ = nullptr;  // a closed drill has nothing more to tell
    }
    keyCounts_.Clear();  // whatever comes next is counted afresh
    NextLine();
    started_ = false;
    finished_ = false;
    Raise(events_.OnLineEnded);
}

// An Escape after the line's last character completes it like any key.
// A key with no line at all (position 0) ends nothing, whatever it is:
// Escape there must not close a drill that is still waiting for its text.
LineOutcome TFmLinePractice::OutcomeOfEnd(unsigned char key) const {
    if (pos_ > SampleLength()) return LineOutcome::loCompleted;
    if (pos_ == 0) return LineOutcome::loNoLine;
    if (key == kEscape) return LineOutcome::loEscaped;
    if (key == kCarriageReturn) return LineOutcome::loEnter;
    return LineOutcome::loNoLine;
}

void TFmLinePractice::HandOverCompletedLine() {
    if (SampleLength() <= 0 || (recorder_ == nullptr && lines_ == nullptr && observer_ == nullptr)) return;
    const std::int32_t errors = Errors();
    const DrillStatistics statistics = ComputeStatistics(SampleLength(), errors, WordCount(), lineTime_);
    const CompletedLine line{.sample = sample_,
                             .characters = SampleLength(),
                             .errors = errors,
                             .lineTimeMs = lineTime_,
                             .keysPerMinute = statistics.keysPerMinute,
                             .accuracy = statistics.accuracy,
                             .wordsPerMinute = statistics.wordsPerMinute,
                             .courseLine = Place().index,
                             .keys = keyCounts_};
    if (recorder_ != nullptr) recorder_->RecordLine(line);
    if (observer_ != nullptr) observer_->LineCompleted(line);
    if (lines_ != nullptr) lines_->LineCompleted(line);
}

void TFmLinePractice::ShowStatistics() {
    linePassed_ = true;
    if (SampleLength() <= 0) return;
    const DrillStatistics statistics = ComputeStatistics(SampleLength(), Errors(), WordCount(), lineTime_);
    const std::string text =
        Format(Tr("Keys/Min: %d   Accuracy: %d%%   WPM: %d"),
               {std::to_string(statistics.keysPerMinute), std::to_string(statistics.accuracy),
                std::to_string(statistics.wordsPerMinute)});
    view_.SetStatusText(text);
    statisticsText_ = text;
    if (popupAtEnd_) view_.InformationBox(text);
    if (statistics.keysPerMinute > kImplausibleKeysPerMinute) {
        view_.WarningBox(Tr("Can you really type so fast?  Do be patient."));
    }
    if (statistics.accuracy < kPassAccuracy) linePassed_ = false;
}

void TFmLinePractice::ShowFinger(int finger) {
    if (useGuidance_) PointHandsAt(guidance_, finger);
}

void TFmLinePractice::ShowGuidance() {
    if (!useGuidance_) return;
    PlaceGuidance();
    if (guidance_.keyboard) guidance_.keyboard->Show();
    if (guidance_.leftHand) guidance_.leftHand->ShowHands();
    if (guidance_.rightHand) guidance_.rightHand->ShowHands();
    // The windows are shared by the drills: without a line, the key and
    // finger the drill before left lit go out.
    ShowNextKey(sample_.empty() ? 0 : SampleAt(pos_));
}

void TFmLinePractice::PlaceGuidance() {
    if (!useGuidance_) return;
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
    view_.SetInputInsertionColor(rightColor_);
}

void TFmLinePractice::MarkWrong() {
    view_.SetInputInsertionColor(wrongColor_);
}

bool TFmLinePractice::WantHighlight() {
    return highLight_;
}

void TFmLinePractice::NextLine() {
    if (lines_ != nullptr) TakeLine(lines_->LineEnded({.outcome = outcome_, .passed = linePassed_}));
}

}  // namespace zq
