#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq {

// The whole content of a file (see ReadWholeFile). Raises the library's
// "Cannot open file ..." error, with the system's reason, when it cannot be
// read.
std::string ReadFileBytes(const std::string& path);

// Splits text into lines at CR LF, CR or LF. A final line break adds no
// empty line, and a NUL character ends the text.
std::vector<std::string> SplitLines(std::string_view text);

// A text file as 8-bit lines of the system code page (UTF-8 files are
// converted, see FileTextToCodePage).
std::vector<std::string> ReadTextLines(const std::string& path);
// The same in another code page: a course's texts in the course's.
std::vector<std::string> ReadTextLines(const std::string& path, int codePage);

}  // namespace zq
