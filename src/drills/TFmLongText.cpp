#include "drills/TFmLongText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/ProgramFolder.h"
#include "base/TextEncoding.h"
#include "base/Translation.h"
#include "base/WholeFile.h"
#include "course/CourseList.h"
#include "drills/RtfReader.h"

namespace zq {
namespace {

// The hourglass while a long text is read or laid out; the normal cursor
// comes back however the work ends, a failure included.
class BusyCursor {
public:
    explicit BusyCursor(LongTextView& view) : view_(view) { view_.SetBusyCursor(true); }
    ~BusyCursor() { view_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    LongTextView& view_;
};

}  // namespace

std::string WithCrLfLineBreaks(std::string_view text8) {
    static constexpr std::string_view kSpecial("\r\n\0", 3);
    std::string text;
    text.reserve(text8.size() + text8.size() / 32);
    std::size_t start = 0;
    while (start < text8.size()) {
        const std::size_t stop = std::min(text8.find_first_of(kSpecial, start), text8.size());
        text.append(text8.substr(start, stop - start));
        if (stop == text8.size()) break;
        const char ch = text8[stop];
        start = stop + 1;
        if (ch == '\0') continue;
        text += "\r\n";
        if (ch == '\r' && start < text8.size() && text8[start] == '\n') ++start;
    }
    return text;
}

std::string WithoutTrailingBreaksAndBlanks(std::string_view text8) {
    const std::size_t last = text8.find_last_not_of(" \t\r\n");
    return std::string(text8.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

std::string LongTextFromFile(std::string_view bytes, int codePage) {
    return WithCrLfLineBreaks(LooksLikeRtf(bytes) ? RtfToText(bytes, codePage)
                                                  : FileTextToCodePage(bytes, codePage));
}

namespace {

bool HasFewControlCharacters(std::string_view text) {
    const auto isControl = [](char ch) {
        const auto code = static_cast<unsigned char>(ch);
        return code < 32 && code != '\t' && code != '\n' && code != '\v' && code != '\f' && code != '\r';
    };
    const auto controls = static_cast<std::size_t>(std::ranges::count_if(text, isControl));
    return controls * 20 <= text.size();
}

// The start of a file tells whether it is a text, so that a large file that
// is none (a disk image) is refused at once, not after being read whole.
bool StartLooksLikeText(const std::string& path) {
    constexpr std::size_t kJudgedBytes = std::size_t{64} * 1024;
    const WholeFile start = ReadFileStart(path, kJudgedBytes);
    if (start.error != 0) throw CannotOpenFileError(path, std::strerror(start.error));
    return LooksLikeText(start.bytes);
}

}  // namespace

bool LooksLikeText(std::string_view bytes) {
    if (LooksLikeRtf(bytes)) return true;
    // UTF-16 is judged by its characters: a NUL byte is half of every Latin
    // letter there.
    const TextEncoding encoding = MarkedEncoding(bytes);
    if (IsUtf16(encoding))
        return HasFewControlCharacters(Utf16ToUtf8(bytes.substr(ByteOrderMark(encoding).size()), encoding));
    return HasFewControlCharacters(bytes);
}

bool IsLongTextWordChar(unsigned char ch) {
    switch (ch) {
        case kLineFeed:
        case kCarriageReturn:
        case kSpace:
        case ',':
        case '.':
        case '/':
            return false;
        default:
            return true;
    }
}

std::int32_t CountLongTextWords(std::string_view sample) {
    std::int32_t words = 0;
    bool inWord = false;
    for (const char ch : sample) {
        const bool wordChar = IsLongTextWordChar(static_cast<unsigned char>(ch));
        if (wordChar && !inWord) ++words;
        inWord = wordChar;
    }
    return words;
}

LongTextLayout ArrangedLongTextLayout(int clientWidth, int clientHeight) {
    LongTextLayout layout;
    layout.sample = {4, 35, clientWidth - 15, clientHeight / 2 - 48};
    layout.markTop = layout.sample.top + layout.sample.height + 3;
    layout.input = {4, layout.markTop + 22, clientWidth - 11, clientHeight / 2 - 48};
    return layout;
}

TFmLongText::TFmLongText(LineDrillView& view, LongTextView& longView, stopwatch& watch,
                         DrillGuidance guidance)
    : TFmLinePractice(view, watch, guidance), longView_(longView) {}

void TFmLongText::FormCreate() {
    TFmLinePractice::FormCreate();
    SetUseGuidance(false);
    SetEnterEndsLine(false);
    openDialogFolder_ = CoursesFolder(ProgramFolder());
}

bool TFmLongText::InputEditKeyDown(int virtualKey) {
    if (keysIgnored_) {
        // The text is over: nothing is judged or timed again, but Escape
        // still closes the window as it does everywhere else.
        if (virtualKey == VK_ESCAPE) view().CloseWindow();
        return true;
    }
    return TFmLinePractice::InputEditKeyDown(virtualKey);
}

void TFmLongText::ShowNextKey(unsigned char ch) {
    if (ch == kCarriageReturn) {
        Raise(Events().OnReturnExpected);
        longView_.SetReturnIndicatorVisible(true);
    } else {
        longView_.SetReturnIndicatorVisible(false);
    }
}

void TFmLongText::ArrangeWindow() {
    const DrillRect screen = view().ScreenArea();
    view().PlaceWindow({screen.left + 1, screen.top + 1, screen.width, screen.height - 25});
    const DrillRect client = longView_.ClientArea();
    longView_.PlaceBoxes(ArrangedLongTextLayout(client.width, client.height));
}

void TFmLongText::NextLine() {
    view().SetInputReadOnly(true);
    keysIgnored_ = true;
}

void TFmLongText::LoadText() {
    const std::optional<std::string> path = longView_.ChooseTextFile(openDialogFolder_);
    if (!path) return;
    // Read before anything changes: a file that cannot be opened, that is
    // not a text, or whose reading the learner cancels, leaves the text and
    // the drill as they were.
    bool isText = false;
    std::optional<std::string> text;
    {
        BusyCursor busy(longView_);
        isText = StartLooksLikeText(*path);
        if (isText) text = ReadText(*path);
    }
    if (!isText) {
        view().InformationBox(Format(Tr("The file %s is not text."), {*path}));
        return;
    }
    if (text) TakeText(*text);
}

std::optional<std::string> TFmLongText::ReadText(const std::string& path) {
    const WholeFile file = ReadWholeFile(path, std::numeric_limits<std::size_t>::max(),
                                         [&](std::size_t bytesRead, std::size_t fileSize) {
                                             return longView_.ShowLoadProgress(path, bytesRead, fileSize);
                                         });
    longView_.EndLoadProgress();
    if (file.error == ECANCELED) return std::nullopt;
    if (file.error != 0) throw CannotOpenFileError(path, std::strerror(file.error));
    return LongTextFromFile(file.bytes, TextCodePage());
}

void TFmLongText::PasteText() {
    std::string text;
    {
        BusyCursor busy(longView_);
        text = WithCrLfLineBreaks(FromUtf8(longView_.ClipboardText(), TextCodePage()));
    }
    TakeText(text);
}

void TFmLongText::TakeText(std::string_view text8) {
    {
        BusyCursor busy(longView_);
        SetSample(WithoutTrailingBreaksAndBlanks(text8));
        ResetFormatting();
    }
    StartText();
}

void TFmLongText::ResetFormatting() {
    view().SetSampleEnabled(false);
    view().ApplySampleFontToAll();
    view().SetSampleEnabled(true);
    view().ClearSampleSelection();
}

void TFmLongText::StartText() {
    {
        BusyCursor busy(longView_);
        view().SetMarkerVisible(false);
        view().ClearSampleSelection();  // no highlight left where a dropped attempt stopped
        view().SetStatusText({});       // nor the statistics of another text or attempt
        RestartLine();
        // A text may begin with an empty line: then the first key is Enter.
        longView_.SetReturnIndicatorVisible(SampleAt(1) == kCarriageReturn);
        keysIgnored_ = false;
        view().ClearInput();
        view().SetInputReadOnly(false);
    }
    view().FocusInput();
}

}  // namespace zq
