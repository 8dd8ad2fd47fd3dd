#include "course/PracticeLines.h"

#include <set>

#include "course/LineMaker.h"
#include "course/Vocabulary.h"

namespace zq {
namespace {

// A sentence shorter than this is over before the learner's hands settle.
constexpr std::size_t kShortestSentence = 15;
constexpr std::size_t kMostAttempts = kPracticeLines * 20;

}  // namespace

std::vector<std::u32string> MakePracticeLines(const Vocabulary& vocabulary, LineMaker& lines) {
    std::vector<std::u32string> practice;
    if (vocabulary.LessonCount() == 0) return practice;
    const std::size_t last = vocabulary.LessonCount() - 1;
    std::set<std::u32string> seen;
    for (std::size_t attempt = 0; attempt < kMostAttempts && practice.size() < kPracticeLines; ++attempt) {
        const bool withNumber = attempt % 8 == 5;
        std::u32string line = lines.Phrase(last, 4, 9, {}, withNumber);
        if (line.size() < kShortestSentence || !seen.insert(line).second) continue;
        practice.push_back(std::move(line));
    }
    return practice;
}

}  // namespace zq
