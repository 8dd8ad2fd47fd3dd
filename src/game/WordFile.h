#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/GameWordLength.h"
#include "base/LibraryError.h"

namespace zq {

// The library's input and output errors: "File not found" for a missing
// file, "I/O error <number>" with the system's error number otherwise.
LibraryError FileNotFoundError();
LibraryError InputOutputError(int errorNumber);

// The largest word file the game reads, in bytes: far above any list of
// words (a shipped one holds some kilobytes), so that a wrong file (a disk
// image) is refused rather than read into memory.
inline constexpr std::size_t kLargestWordFile = std::size_t{64} * 1024 * 1024;

// The error for a word longer than kLongestGameWord: it names the file and
// the line (counted from 1) that holds it.
LibraryError WordTooLongError(std::string_view path, std::size_t line);

// The text of the game's word file as 8-bit text of `codePage` (the
// course's; a UTF-8 file is converted); like every text file of the program
// it ends at a NUL character. Raises one of the errors above, followed by
// the library's "Cannot open file" message that names the file and the
// system's reason, when the file cannot be opened or read, or is larger
// than kLargestWordFile ("I/O error 27", the system's EFBIG).
std::string ReadWordFileText(const std::string& path, int codePage);

// Calls `useLine` with every line of `text`, without its line break (CR LF,
// CR or LF); a final line break adds no empty line. The lines are views into
// `text`, so that a large file is not copied line by line.
template <class UseLine>
void ForEachLine(std::string_view text, UseLine&& useLine) {
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        useLine(text.substr(0, end));
        if (end == std::string_view::npos) return;
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
}

}  // namespace zq
