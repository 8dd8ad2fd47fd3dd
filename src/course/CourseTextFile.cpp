#include "course/CourseTextFile.h"

#include <algorithm>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/TextFile.h"
#include "base/Translation.h"

namespace zq {

std::vector<std::string> CourseTextLines(std::string_view text8, std::string_view path) {
    std::vector<std::string> lines = SplitLines(text8);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (lines[index].size() <= kLongestCourseTextLine) continue;
        throw LibraryError(
            Format(Tr("Line %d of the file %s is longer than %d characters: each line of a "
                      "course file is one line to type."),
                   {std::to_string(index + 1), std::string(path), std::to_string(kLongestCourseTextLine)}));
    }
    return lines;
}

std::string TrimControlAndBlank(std::string_view text) {
    const auto isTrimmed = [](char ch) { return static_cast<unsigned char>(ch) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), isTrimmed);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isTrimmed).base();
    return first < last ? std::string(first, last) : std::string();
}

std::vector<std::string> ReadCourseTextLines(const std::string& path, int codePage) {
    return CourseTextLines(FileTextToCodePage(ReadFileBytes(path), codePage), path);
}

}  // namespace zq
