#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/GameRandom.h"
#include "game/TGameSettings.h"
#include "game/strikerType.h"

namespace zq {

// The word group whose turn comes next is kept across the games of a run;
// 1 when the program starts.
std::atomic<std::int32_t>& GroupPointer();

// Hands out the words of the course's word file, group by group.
//
// The file's words are separated by spaces; a line with no characters ends a
// group (several in a row count as one, those before the first words count
// for nothing). Groups take turns; a group is used at its turn with the
// chance GroupChance gives it, and a word, once drawn, is not drawn again in
// this game. Groups past the 60th are folded into group 60.
class strikerSourceType {
public:
    using ErrorReport = std::function<void(const std::string& messageUtf8)>;

    strikerSourceType(std::string wordFile, TGameSettings settings, GameRandom& random,
                      std::atomic<std::int32_t>& groupPointer = GroupPointer());
    // The groups point into the source's own copy of the file.
    strikerSourceType(const strikerSourceType&) = delete;
    strikerSourceType& operator=(const strikerSourceType&) = delete;

    // Reads the word file (raises the library's input and output error, and
    // WordTooLongError for a word longer than kLongestGameWord).
    void Load();
    // Makes the next word in Current; false when no word is left. An error
    // while making it goes to the error report and gives false.
    bool Next();

    // The word made by the last successful Next; the caller takes it over.
    std::unique_ptr<strikerType> Current;
    std::int32_t ExhaustedCount = 0;
    std::int32_t GroupCount = 0;
    std::int32_t LastColumn = 0;
    std::int32_t LastLen = 0;
    ErrorReport OnError;

    // The words of group 1..60 not yet drawn.
    const std::vector<std::string_view>& Group(std::int32_t group) const;
    bool Exhausted(std::int32_t group) const;

private:
    void AddLineWords(std::string_view line, std::int32_t group, std::size_t lineNumber);
    bool TryNext();
    void AdvanceGroupPointer();
    std::unique_ptr<strikerType> MakeWord(std::string_view text);
    std::vector<std::string_view>& GroupList(std::int32_t group);

    std::string wordFile_;
    TGameSettings settings_;
    GameRandom& random_;
    std::atomic<std::int32_t>& groupPointer_;
    std::string text_;  // the file; the groups point into it
    std::array<std::vector<std::string_view>, kWordGroups> groups_;
    std::array<bool, kWordGroups> exhausted_{};
};

}  // namespace zq
