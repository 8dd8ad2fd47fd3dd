#pragma once

#include <memory>

#include "drills/TFmLongText.h"
#include "drills/ui/LinePracticeWindow.h"

class QFileDialog;
class QToolBar;
class QToolButton;

namespace zq {

// The window of the paragraph drill ("Text drill"): the whole screen, a tool
// bar to load, paste, restart and close, two tall boxes with scroll bars and
// the "#" button that asks for the return key at the end of a text line.
class ParagraphDrillWindow : public LinePracticeWindow, public LongTextView {
    Q_OBJECT

public:
    explicit ParagraphDrillWindow(stopwatch& watch, DrillGuidance guidance = {}, QWidget* parent = nullptr);

    TFmLongText& TextDrill() { return static_cast<TFmLongText&>(Drill()); }

    // The drill font of both boxes (the profile's text font), as for every drill.
    void SetDrillFont(const QFont& font, const QColor& color);
    // Gives every character of both boxes the drill font, touching only boxes
    // whose text carries another format: a long text is never laid out again
    // for nothing.
    void ApplySampleFontToAll() override;

    // LongTextView.
    std::optional<std::string> ChooseTextFile(const std::string& folder) override;
    std::string ClipboardText() override;
    void SetBusyCursor(bool busy) override;
    void SetReturnIndicatorVisible(bool visible) override;
    DrillRect ClientArea() const override;
    void PlaceBoxes(const LongTextLayout& layout) override;

    // The file-open dialog of "Load text", starting in `folder`: it offers
    // text files (of any case of ".txt": names are case-sensitive here),
    // rich text files, and every file.
    std::unique_ptr<QFileDialog> CreateTextFileDialog(const QString& folder);

    QToolBar* TextToolBar = nullptr;
    QToolButton* BnLoad = nullptr;
    QToolButton* BnPaste = nullptr;
    QToolButton* BnRestart = nullptr;
    QToolButton* BnShowReturn = nullptr;
    QToolButton* BnClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* AddToolButton(const char* caption, const char* hint);
    void RememberTextFormat(const QFont& font, const QColor& color);
    // Runs a tool bar command; a failure (a file that cannot be opened) is
    // shown and leaves the drill as it was.
    template <typename Command>
    void RunCommand(Command command);

    QTextCharFormat textFormat_;
};

}  // namespace zq
