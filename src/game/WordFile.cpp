#include "game/WordFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {

LibraryError FileNotFoundError() {
    return LibraryError(LibTr("File not found"));
}

LibraryError InputOutputError(int errorNumber) {
    return LibraryError(Format(LibTr("I/O error %d"), {std::to_string(errorNumber)}));
}

namespace {

LibraryError OpenError(int errorNumber) {
    if (errorNumber == ENOENT || errorNumber == ENOTDIR) return FileNotFoundError();
    return InputOutputError(errorNumber);
}

std::string ReadBytes(const std::string& path) {
    // A folder opens like a file on Linux but cannot be read.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) throw InputOutputError(EISDIR);
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) throw OpenError(errno != 0 ? errno : ENOENT);
    std::ostringstream bytes;
    if (file.peek() != std::ifstream::traits_type::eof()) bytes << file.rdbuf();
    if (file.bad() || bytes.bad()) throw InputOutputError(errno != 0 ? errno : EIO);
    return std::move(bytes).str();
}

}  // namespace

std::string ReadWordFileText(const std::string& path) {
    std::string text = FileTextToCodePage(ReadBytes(path));
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

}  // namespace zq
