#include "game/WordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "base/CodePage.h"
#include "base/Translation.h"
#include "base/WholeFile.h"

namespace zq {

LibraryError FileNotFoundError() {
    return LibraryError(LibTr("File not found"));
}

LibraryError InputOutputError(int errorNumber) {
    return LibraryError(Format(LibTr("I/O error %d"), {std::to_string(errorNumber)}));
}

LibraryError WordTooLongError(std::string_view path, std::size_t line) {
    return LibraryError(Format(Tr("Line %d of the file %s holds a word of more than %d characters: each word "
                                  "of the game must fit across its window."),
                               {std::to_string(line), std::string(path), std::to_string(kLongestGameWord)}));
}

namespace {

// The library's error, followed by the file and the system's reason, as
// the drills name a file they cannot open: the player (or a course's
// author) learns which file to look for.
LibraryError WordFileError(const LibraryError& error, const std::string& path, int errorNumber) {
    return LibraryError(std::string(error.what()) + "\n\n" +
                        CannotOpenFileError(path, std::strerror(errorNumber)).what());
}

// The file's bytes; a file that is not there raises "File not found", any
// other failure (a folder, say) the input and output error of its number.
std::string ReadBytes(const std::string& path) {
    WholeFile file = ReadWholeFile(path, kLargestWordFile);
    if (file.error == ENOENT || file.error == ENOTDIR)
        throw WordFileError(FileNotFoundError(), path, file.error);
    if (file.error != 0) throw WordFileError(InputOutputError(file.error), path, file.error);
    return std::move(file.bytes);
}

}  // namespace

std::string ReadWordFileText(const std::string& path, int codePage) {
    std::string text = FileTextToCodePage(ReadBytes(path), codePage);
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

}  // namespace zq
