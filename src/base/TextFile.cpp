#include "base/TextFile.h"

#include <cstring>
#include <utility>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/WholeFile.h"

namespace zq {

std::string ReadFileBytes(const std::string& path) {
    WholeFile file = ReadWholeFile(path);
    if (file.error != 0) throw CannotOpenFileError(path, std::strerror(file.error));
    return std::move(file.bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
    return SplitLines(FileTextToCodePage(ReadFileBytes(path)));
}

std::vector<std::string> ReadTextLines(const std::string& path, int codePage) {
    return SplitLines(FileTextToCodePage(ReadFileBytes(path), codePage));
}

}  // namespace zq
