#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq {

// Reading the dictionary files of the system (or a user's): the whole file,
// refused above a size that no word list needs, so that a wrong path (a
// disk image, a device) cannot exhaust memory. Throws std::runtime_error in
// words.
std::string ReadDictionaryFile(const std::string& path);

// Lines split at LF, CR LF or CR, without their line breaks.
std::vector<std::string_view> SplitDictionaryLines(std::string_view text);

std::string_view WithoutByteOrderMark(std::string_view text);

// A plain word list, one word per line (the files of /usr/share/dict): read
// as UTF-8 when it is valid UTF-8, else as ISO 8859-1, which is what the
// older lists are in.
std::vector<std::u32string> ParseWordList(std::string_view bytes);

// The headwords of a dictd index (the files of /usr/share/dictd): the text
// before the first tab of each line, UTF-8, without the dictionary's own
// entries whose names begin with "00".
std::vector<std::u32string> ParseDictdIndex(std::string_view bytes);

}  // namespace zq
