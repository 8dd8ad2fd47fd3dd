#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "drills/TFmLongText.h"
#include "drills/ui/LinePracticeWindow.h"

class QFileDialog;
class QProgressDialog;
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
    ~ParagraphDrillWindow() override;

    TFmLongText& TextDrill() { return static_cast<TFmLongText&>(Drill()); }

    // The drill font of both boxes (the profile's text font), as for every drill.
    void SetDrillFont(const QFont& font, const QColor& color);
    // Gives every character of both boxes the drill font, touching only boxes
    // whose text carries another format: a long text is never laid out again
    // for nothing.
    void ApplySampleFontToAll() override;

    // A long text is shown a part at a time, some lines before the next
    // character to type and about kShownPart characters from there, so that
    // a book loads at once and takes memory for its text alone, not for the
    // laying out of all its pages; the part moves on as the learner types.
    // A text of up to kShownPart characters is shown whole.
    static constexpr std::size_t kShownPart = std::size_t{64} * 1024;
    void SetSampleText(std::string_view text8) override;
    std::string SampleText() const override;
    void SelectSample(int start, int length) override;
    // Where the part shown begins in the text (0-based).
    std::size_t ShownPartStart() const { return shownBegin_; }

    // LongTextView.
    std::optional<std::string> ChooseTextFile(const std::string& folder) override;
    std::string ClipboardText() override;
    void SetBusyCursor(bool busy) override;
    void SetReturnIndicatorVisible(bool visible) override;
    DrillRect ClientArea() const override;
    void PlaceBoxes(const LongTextLayout& layout) override;
    bool ShowLoadProgress(const std::string& path, std::size_t bytesRead, std::size_t fileSize) override;
    void EndLoadProgress() override;
    // The dialog that shows a long file's reading, while it is shown.
    QProgressDialog* LoadProgress() const { return loadProgress_.get(); }

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

    // Shows the part of the drill's text around the 0-based `index`.
    void ShowPartAround(std::size_t index);

    QTextCharFormat textFormat_;
    std::size_t shownBegin_ = 0;
    std::size_t shownEnd_ = 0;
    std::unique_ptr<QProgressDialog> loadProgress_;
};

}  // namespace zq
