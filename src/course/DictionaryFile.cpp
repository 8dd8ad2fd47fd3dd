#include "course/DictionaryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "base/CodePage.h"
#include "base/WholeFile.h"
#include "course/HunspellDictionary.h"
#include "course/UnicodeText.h"

namespace zq {

std::string ReadDictionaryFile(const std::string& path) {
    WholeFile file = ReadWholeFile(path, kMaxDictionaryBytes);
    if (file.error == EFBIG)
        throw std::runtime_error("the dictionary file " + path + " is larger than " +
                                 std::to_string(kMaxDictionaryBytes >> 20) + " MB");
    if (file.error != 0)
        throw std::runtime_error("cannot read the dictionary file " + path + ": " +
                                 std::strerror(file.error));
    return std::move(file.bytes);
}

std::vector<std::string_view> SplitDictionaryLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::vector<std::u32string> ParseWordList(std::string_view bytes) {
    bytes = WithoutByteOrderMark(bytes);
    const bool utf8 = IsUtf8WithNonAscii(bytes) || std::all_of(bytes.begin(), bytes.end(), [](char c) {
                          return static_cast<unsigned char>(c) < 0x80;
                      });
    const std::u32string text = utf8 ? FromUtf8Text(bytes) : DecodeText(bytes, "ISO8859-1");
    std::vector<std::u32string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(U"\r\n", start);
        if (end == std::u32string::npos) end = text.size();
        if (end > start) words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::vector<std::u32string> ParseDictdIndex(std::string_view bytes) {
    std::vector<std::u32string> words;
    for (const std::string_view line : SplitDictionaryLines(WithoutByteOrderMark(bytes))) {
        const std::string_view headword = line.substr(0, line.find('\t'));
        if (headword.empty() || headword.starts_with("00")) continue;
        words.push_back(FromUtf8Text(headword));
    }
    return words;
}

}  // namespace zq
