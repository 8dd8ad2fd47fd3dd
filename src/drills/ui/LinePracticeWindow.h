#pragma once

#include <QDialog>
#include <QTextCharFormat>
#include <memory>

#include "base/ContrastPalette.h"
#include "drills/DrillViews.h"
#include "drills/SamplePositions.h"
#include "drills/TFmLinePractice.h"

class QFrame;
class QLabel;
class QStatusBar;
class QTextEdit;
class QVBoxLayout;
class QWidget;

namespace zq {

class GuidanceInsideWindow;
class NoticeLabel;
class TPalmForm;
class TVKeyboard;

// The window of every line drill: the sample box, the marker, the input box
// and the status bar. It turns key events into the drill's keys and carries
// out what the drill logic asks of it; each drill window subclass creates its
// drill logic and hands it over with AttachDrill.
class LinePracticeWindow : public QDialog, public LineDrillView {
    Q_OBJECT

public:
    explicit LinePracticeWindow(QWidget* parent = nullptr);
    ~LinePracticeWindow() override;

    TFmLinePractice& Drill() { return *drill_; }
    const TFmLinePractice& Drill() const { return *drill_; }

    // Both boxes take the font (and its colour) for all their text.
    void SetDrillFont(const QFont& font, const QColor& color);
    // The boxes, the status bar and the highlight of the next character in
    // the colours of a contrast palette (Easy reading); the panel takes
    // its background through SetDrillColor, the text its colour through
    // SetDrillFont. Without it the window keeps the desktop's colours.
    void SetContrastPalette(const ContrastPalette& palette);
    // The window colour, a colour value of the program's encoding.
    void SetDrillColor(std::int32_t color) { drill_->SetDrillColor(color); }
    // The font of the window's own texts (status bar).
    void SetWindowFontName(const QString& name);
    // The status bar's text `scale` times the window font's size and, when
    // larger, wrapped over two lines, so that a long result or prompt is
    // still read whole; 1 brings back the usual size. A text wider than the
    // window wraps over two lines at any size.
    void SetStatusScale(double scale);
    std::int32_t PracticeTime() const { return drill_->PracticeTime(); }
    // Takes the keyboard and hands windows inside, in a row below the status
    // bar, for a desktop that places every window itself (Wayland), where
    // they could not stand below the window; the window grows by the row,
    // and gives them back when it goes.
    void HoldGuidance(TVKeyboard& keyboard, TPalmForm& leftHand, TPalmForm& rightHand);
    // The document position of the sample character shown as the next one
    // to type, -1 when none is highlighted.
    int HighlightedSamplePosition() const { return highlightedPosition_; }

    // LineDrillView.
    void SetSampleText(std::string_view text8) override;
    std::string SampleText() const override;
    void SelectSample(int start, int length) override;
    void ClearSampleSelection() override;
    void SetSampleEnabled(bool enabled) override;
    void MoveInputCaretToEnd() override;
    void SetInputInsertionColor(std::int32_t color) override;
    void ClearInput() override;
    void SetInputReadOnly(bool readOnly) override;
    void FocusInput() override;
    void ApplySampleFontToAll() override;
    void SetMarkerVisible(bool visible) override;
    void SetMarkerColor(std::int32_t color) override;
    void SetStatusText(std::string_view utf8) override;
    void InformationBox(std::string_view utf8) override;
    void WarningBox(std::string_view utf8) override;
    std::string InputBox(std::string_view captionUtf8, std::string_view promptUtf8,
                         std::string_view defaultAnswerUtf8) override;
    DrillRect ScreenArea() const override;
    DrillRect Frame() const override;
    void PlaceWindow(const DrillRect& frame) override;
    void MoveWindow(int left, int top) override;
    std::int32_t PanelRgb() const override;
    void SetWindowColor(std::int32_t color) override;
    void CloseWindow() override;

    // The controls, by the names the drills know them.
    QFrame* ContentPanel = nullptr;
    QTextEdit* SampleEdit = nullptr;
    QLabel* LbMark = nullptr;
    QTextEdit* InputEdit = nullptr;
    QStatusBar* SBHelp = nullptr;

protected:
    // Takes the drill logic and runs its FormCreate.
    void AttachDrill(std::unique_ptr<TFmLinePractice> drill);
    // The row between the boxes that holds the marker (and the course drill's label).
    QWidget* MarkerRow() const { return markerRow_; }
    // The heights the window's arrangement gives the sample and input boxes
    // (a line drill's boxes are small; a whole text's share the screen). A
    // drill font whose two lines are taller still makes a box grow.
    void SetArrangedBoxHeights(int sampleHeight, int inputHeight);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool HandleInputKey(QKeyEvent& event);
    bool HandleInputMethod(QInputMethodEvent& event);
    void TypeCharacter(char32_t ch);
    void InsertIntoInput(const QString& text);
    void DeleteLastInputCharacter();
    QTextCharFormat SampleFormatAt(int documentPosition) const;
    void ApplyStatusFont();
    void KeepStatusWhole(const QString& text);
    void FitBoxHeights();
    void GrowSetHeightBy(int growth);

    std::unique_ptr<TFmLinePractice> drill_;
    // Gives the guidance windows back when the window goes, before its
    // widgets (the row among them) are deleted.
    std::unique_ptr<GuidanceInsideWindow> guidanceInside_;
    QWidget* markerRow_ = nullptr;
    NoticeLabel* statusLabel_ = nullptr;  // what it shows, screen readers speak
    QString statusFamily_;                // empty: the window's
    double statusScale_ = 1;
    bool statusTwoLines_ = false;  // once a text needed them
    static constexpr int kLineBoxHeight = 80;
    int arrangedSampleHeight_ = kLineBoxHeight;
    int arrangedInputHeight_ = kLineBoxHeight;
    QTextCharFormat baseFormat_;
    QTextCharFormat insertionFormat_;
    SamplePositions samplePositions_;
    int highlightedPosition_ = -1;
};

}  // namespace zq
