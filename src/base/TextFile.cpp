#include "base/TextFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/CodePage.h"
#include "base/LibraryError.h"

namespace zq {

std::string ReadFileBytes(const std::string& path) {
    // A folder opens like a file but reads as nothing; it is no text file.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) throw CannotOpenFileError(path, std::strerror(EISDIR));
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) throw CannotOpenFileError(path, std::strerror(errno != 0 ? errno : ENOENT));
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw CannotOpenFileError(path, std::strerror(errno != 0 ? errno : EIO));
    return bytes;
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

}  // namespace zq
