#include "game/strikerSourceType.h"

#include <algorithm>
#include <exception>

#include "game/WordFile.h"

namespace zq {

std::atomic<std::int32_t>& GroupPointer() {
    static std::atomic<std::int32_t> pointer{1};
    return pointer;
}

strikerSourceType::strikerSourceType(std::string wordFile, TGameSettings settings, GameRandom& random,
                                     std::atomic<std::int32_t>& groupPointer)
    : wordFile_(std::move(wordFile)),
      settings_(std::move(settings)),
      random_(random),
      groupPointer_(groupPointer) {}

std::vector<std::string_view>& strikerSourceType::GroupList(std::int32_t group) {
    return groups_[static_cast<std::size_t>(std::clamp(group, 1, kWordGroups) - 1)];
}

const std::vector<std::string_view>& strikerSourceType::Group(std::int32_t group) const {
    return groups_[static_cast<std::size_t>(std::clamp(group, 1, kWordGroups) - 1)];
}

bool strikerSourceType::Exhausted(std::int32_t group) const {
    return exhausted_[static_cast<std::size_t>(std::clamp(group, 1, kWordGroups) - 1)];
}

void strikerSourceType::Load() {
    for (auto& group : groups_) group.clear();
    exhausted_.fill(false);
    ExhaustedCount = 0;
    GroupCount = 0;

    std::int32_t group = 1;
    bool previousLineEmpty = true;
    text_ = ReadWordFileText(wordFile_, settings_.WordsCodePage);
    std::size_t lineNumber = 0;
    ForEachLine(text_, [&](std::string_view line) {
        ++lineNumber;
        if (line.empty()) {
            if (!previousLineEmpty) group = std::min(group + 1, kWordGroups);
            previousLineEmpty = true;
            return;
        }
        previousLineEmpty = false;
        AddLineWords(line, group, lineNumber);
    });
    GroupCount = group;
}

void strikerSourceType::AddLineWords(std::string_view line, std::int32_t group, std::size_t lineNumber) {
    std::vector<std::string_view>& words = GroupList(group);
    std::size_t start = line.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end - start > kLongestGameWord) throw WordTooLongError(wordFile_, lineNumber);
        words.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(' ', end);
    }
}

void strikerSourceType::AdvanceGroupPointer() {
    const std::int32_t next = groupPointer_.load(std::memory_order_relaxed) + 1;
    groupPointer_.store(next > GroupCount ? 1 : next, std::memory_order_relaxed);
}

bool strikerSourceType::Next() {
    try {
        return TryNext();
    } catch (const std::exception& error) {
        if (OnError) OnError(std::string(error.what()) + " StrikerSource available");
        return false;
    }
}

bool strikerSourceType::TryNext() {
    if (GroupCount < 1) return false;  // not loaded
    AdvanceGroupPointer();
    while (true) {
        const std::int32_t group = groupPointer_.load(std::memory_order_relaxed);
        std::vector<std::string_view>& words = GroupList(group);
        if (Chance(random_, GroupChance(group)) && !words.empty()) {
            // Any word of the group, taken out for good (its place is filled
            // by the group's last word).
            const auto picked =
                static_cast<std::size_t>(random_.Below(static_cast<std::int32_t>(words.size())));
            const std::string_view text = words[picked];
            words[picked] = words.back();
            words.pop_back();
            Current = MakeWord(text);
            return true;
        }
        if (words.empty() && !exhausted_[static_cast<std::size_t>(group - 1)]) {
            exhausted_[static_cast<std::size_t>(group - 1)] = true;
            ++ExhaustedCount;
        }
        if (ExhaustedCount == GroupCount) return false;
        AdvanceGroupPointer();
    }
}

std::unique_ptr<strikerType> strikerSourceType::MakeWord(std::string_view text) {
    auto word = std::make_unique<strikerType>();
    word->Text = std::string(text);
    word->Len = static_cast<std::int32_t>(text.size());
    word->Y = 0;

    const std::int32_t columns = std::max(settings_.Columns, 1);
    const std::int32_t spread = columns / 2;
    const std::int32_t offset = spread > 0 ? random_.Below(spread) : 0;
    word->Column = (offset + LastColumn + LastLen) % columns + 1;
    if (word->Column + word->Len > columns) word->Column = 1;
    word->X = (word->Column - 1) * settings_.CellSize;
    word->Speed = settings_.FunSpeed ? 1 + random_.Below(3) : 2;
    word->Typed = -1;
    word->State = wsFalling;

    LastColumn = word->Column;
    LastLen = word->Len;
    return word;
}

}  // namespace zq
