#pragma once

#include <string>
#include <vector>

namespace zq {

class LineMaker;
class Vocabulary;

// The sentences of "Practice.txt": kPracticeLines different phrases of 4 to
// 9 words of the whole course, in sentence case with commas and a final
// mark, now and then a number among the words.
inline constexpr std::size_t kPracticeLines = 330;

std::vector<std::u32string> MakePracticeLines(const Vocabulary& vocabulary, LineMaker& lines);

}  // namespace zq
