// Dictionary files a teacher may hand zq-course: a Hunspell affix file and
// dictionary (the input's bytes before and after its first NUL byte), a
// plain word list and a dictd index (the whole input). Every word read is
// one word: not empty, without a line break.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "course/DictionaryFile.h"
#include "course/HunspellDictionary.h"

namespace {

void CheckWords(const std::vector<std::u32string>& words) {
    for (const std::u32string& word : words)
        if (word.empty() || word.find_first_of(U"\r\n") != std::u32string::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    zq::HunspellFiles files;
    files.affBytes = std::string(input.substr(0, split));
    files.dicBytes = split == std::string_view::npos ? std::string() : std::string(input.substr(split + 1));
    try {
        CheckWords(zq::ParseHunspellStems(files));
    } catch (const std::runtime_error&) {
        // An encoding iconv does not know is refused in words.
    }
    CheckWords(zq::ParseWordList(input));
    CheckWords(zq::ParseDictdIndex(input));
    return 0;
}
