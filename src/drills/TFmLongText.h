#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drills/TFmLinePractice.h"

namespace zq {

// 8-bit text with every line break (CR LF, a CR alone, an LF alone) as the
// pair CR LF, and without NUL characters, which no key types.
std::string WithCrLfLineBreaks(std::string_view text8);

// The text without the line breaks and blanks (spaces, tabs) at its very
// end, so that the key after its last character completes it: a document
// ends with a paragraph mark, a file often with a line break.
std::string WithoutTrailingBreaksAndBlanks(std::string_view text8);

// The text of a file for the paragraph drill, as 8-bit text of `codePage`
// (the drill's): a rich-text document is reduced to its text, any other
// file is 8-bit text (UTF-8 and UTF-16 files converted, see
// FileTextToCodePage); line breaks as CR LF.
std::string LongTextFromFile(std::string_view bytes, int codePage = SystemCodePage());

// Whether a file's bytes are a text: rich text, or bytes (the characters of
// a UTF-16 file) of which at most one in twenty is a control character other
// than a tab, a line break or a form feed. A program, an image or an archive
// is not a text.
bool LooksLikeText(std::string_view bytes);

// Words of a paragraph-drill text are separated by line breaks, blanks,
// commas, full stops and slashes; hyphens, apostrophes and tabs join.
bool IsLongTextWordChar(unsigned char ch);
std::int32_t CountLongTextWords(std::string_view sample);

// Where the full-screen window puts its boxes, in its client area.
struct LongTextLayout {
    DrillRect sample;
    int markTop = 0;  // the marker and the return indicator
    DrillRect input;
};
LongTextLayout ArrangedLongTextLayout(int clientWidth, int clientHeight);

// What the paragraph drill's window offers beyond a line drill's.
class LongTextView {
public:
    virtual ~LongTextView() = default;
    // The file-open dialog, starting in `folder`; the chosen file's path, or
    // nothing when the user cancels.
    virtual std::optional<std::string> ChooseTextFile(const std::string& folder) = 0;
    // The clipboard as plain text (UTF-8).
    virtual std::string ClipboardText() = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // The "#" button that asks for the return key.
    virtual void SetReturnIndicatorVisible(bool visible) = 0;
    // The window's client area (width, height) and the placing of its boxes.
    virtual DrillRect ClientArea() const = 0;
    virtual void PlaceBoxes(const LongTextLayout& layout) = 0;
    // Shows how much of the file `path` has been read, as it is read, with
    // a way to cancel; false once the learner has cancelled. Called often:
    // a long file shows its progress, a short one need not.
    virtual bool ShowLoadProgress(const std::string& path, std::size_t bytesRead, std::size_t fileSize) = 0;
    // The reading has ended, however it ended: the progress goes.
    virtual void EndLoadProgress() = 0;
};

// The paragraph drill: a whole text, loaded from a file or pasted, typed
// from beginning to end with its line breaks as one long sample. Enter types
// the line break of the text; the keyboard guidance is not used.
class TFmLongText : public TFmLinePractice {
public:
    TFmLongText(LineDrillView& view, LongTextView& longView, stopwatch& watch, DrillGuidance guidance = {});

    void FormCreate() override;
    // After the end of the text (and after a key with no text at all) every
    // key is ignored until the text starts again; Escape closes the window.
    bool InputEditKeyDown(int virtualKey) override;
    bool KeysIgnored() const { return keysIgnored_; }

    // Words of a paragraph are counted as IsLongTextWordChar separates them.
    std::int32_t WordCount() const override { return CountLongTextWords(Sample()); }

    // Hooks.
    void ShowNextKey(unsigned char ch) override;
    void ArrangeWindow() override;
    bool WantHighlight() override { return true; }
    void NextLine() override;

    // Tool bar. A file is judged from its start and, when that is a text,
    // read with its progress shown; cancelled, it leaves the text and the
    // drill as they were.
    void LoadText();
    void PasteText();
    void BnRestartClick() { StartText(); }
    void BnCloseClick() { view().CloseWindow(); }

    void ResetFormatting();
    void StartText();

    // Where the file-open dialog starts: the courses folder of the program's
    // data folder (of the program folder until told).
    void SetTextFolder(std::string folder) { openDialogFolder_ = std::move(folder); }

private:
    // The text of the file, read whole with its progress shown; nothing
    // when the learner cancels.
    std::optional<std::string> ReadText(const std::string& path);
    // Puts a freshly read text into the sample box and starts it.
    void TakeText(std::string_view text8);

    LongTextView& longView_;
    bool keysIgnored_ = false;
    std::string openDialogFolder_;
};

}  // namespace zq
