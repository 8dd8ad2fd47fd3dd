#include "drills/LetterPrac.h"

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
    lineDefined_ = false;
    view().SetStatusText(Tr("Please press the Insert key for defining the example line."));
}

bool TFmLetterPrac::InputEditKeyDown(int virtualKey) {
    switch (virtualKey) {
        case vk::End:
        case vk::Home:
        case vk::Left:
        case vk::Up:
        case vk::Right:
        case vk::Down:
        case vk::Delete:
            return true;
        case vk::Insert:
            lineDefined_ = false;
            NextLine();
            return true;
        default:
            return false;
    }
}

void TFmLetterPrac::NextLine() {
    if (!lineDefined_) {
        const std::string answer =
            view().InputBox(Tr("Input Box"), Tr("Please input what to practise:"), Tr("qwerty"));
        const std::string answer8 = FromUtf8(answer).substr(0, kFreeDrillAnswerLength);
        if (!answer8.empty()) {
            SetSample(BuildPracticeLine(answer8));
            lineDefined_ = true;
            // The prompt is answered, and statistics of other letters are stale.
            view().SetStatusText({});
        }
    }
    if (!Sample().empty()) {
        // Every end of a line, and every new answer, starts the line afresh;
        // a line in progress is abandoned and its time is not counted.
        view().ClearInput();
        RestartLine();
    }
    ResetEdits();
}

void TFmLetterPrac::UsePracticeLine(std::string line8, std::string_view statusUtf8) {
    if (line8.empty()) return;
    SetSample(std::move(line8));
    lineDefined_ = true;
    NextLine();
    view().SetStatusText(statusUtf8);
}

}  // namespace zq
