#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq {

// The stems of a Hunspell dictionary: the words of its ".dic" file, decoded
// from the encoding its ".aff" file names (SET; ISO8859-1 without one).
//
// Left out: multi-word entries ("ad hoc"), stems flagged FORBIDDENWORD or
// ONLYINCOMPOUND (parts of compounds, not words), and stems flagged
// NEEDAFFIX (or PSEUDOROOT) unless one of their affixes adds nothing, which
// makes the stem a word after all. Flags are read as the .aff's FLAG says
// (one byte, "long" pairs, "num" numbers, UTF-8 characters), through AF
// aliases when the .aff has them. Morphological fields and comments are
// skipped.
//
// The files are a user's: every length is checked and a file larger than
// kMaxDictionaryBytes is refused. Throws std::runtime_error, in words, when
// a file cannot be read or is too large.
struct HunspellFiles {
    std::string affBytes;
    std::string dicBytes;
};
inline constexpr std::size_t kMaxDictionaryBytes = 64u << 20;

std::vector<std::u32string> ReadHunspellStems(const std::string& dicPath);
std::vector<std::u32string> ParseHunspellStems(const HunspellFiles& files);

}  // namespace zq
