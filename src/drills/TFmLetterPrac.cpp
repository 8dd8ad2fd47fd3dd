#include "drills/TFmLetterPrac.h"

#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {

std::string BuildPracticeLine(std::string_view answer8) {
    if (answer8.empty()) return {};
    const std::size_t copies = kFreeDrillLineTarget / (answer8.size() + 2);
    std::string line;
    line.reserve(copies * (answer8.size() + 1));
    for (std::size_t i = 0; i < copies; ++i) {
        if (i > 0) line += ' ';
        line += answer8;
    }
    return line;
}

void TFmLetterPrac::FormCreate() {
    TFmLinePractice::FormCreate();
    letters_ = std::make_unique<RepeatedLine>();
    Practise(*letters_);
    view().SetStatusText(Tr("Please press the Insert key for defining the example line."));
}

void TFmLetterPrac::Practise(LineSource& lines) {
    TFmLinePractice::Practise(lines);
    lineDefined_ = lines.Line().has_value();
}

bool TFmLetterPrac::InputEditKeyDown(int virtualKey) {
    switch (virtualKey) {
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_DELETE:
            return true;
        case VK_INSERT:
            lineDefined_ = false;
            NextLine();
            return true;
        default:
            return false;
    }
}

// Every end of a line, and every new answer, starts the line afresh; a line
// in progress is abandoned and its time is not counted.
void TFmLetterPrac::NextLine() {
    if (!lineDefined_ && AskForLetters()) return;
    TFmLinePractice::NextLine();
}

bool TFmLetterPrac::AskForLetters() {
    const std::string answer =
        view().InputBox(Tr("Input Box"), Tr("Please input what to practise:"), Tr("qwerty"));
    const std::string answer8 = FromUtf8(answer, TextCodePage()).substr(0, kFreeDrillAnswerLength);
    if (answer8.empty()) return false;
    // The prompt is answered, and statistics of other letters are stale.
    view().SetStatusText({});
    auto letters = std::make_unique<RepeatedLine>(BuildPracticeLine(answer8), std::string());
    Practise(*letters);
    letters_ = std::move(letters);  // the letters before go only once the drill has left them
    return true;
}

}  // namespace zq
