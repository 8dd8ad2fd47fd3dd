#include "stats/CourseWords.h"

#include <algorithm>
#include <set>

#include "course/Course.h"
#include "course/CourseTextFile.h"
#include "stats/WeakKeyLine.h"

namespace zq {

namespace {

// The word without the punctuation around it ("lad;" is "lad"): a word
// of a sentence stands beside a comma or a full stop.
std::string Bare(const std::string& word) {
    constexpr std::string_view kPunctuation = ".,;:!?\"'()-\xAB\xBB";
    const std::size_t first = word.find_first_not_of(kPunctuation);
    if (first == std::string::npos) return word;
    return word.substr(first, word.find_last_not_of(kPunctuation) - first + 1);
}

std::vector<std::string> ReadLines(const Course& course, const std::string& path) {
    try {
        return ReadCourseTextLines(path, course.TextCodePage());
    } catch (const std::exception&) {
        return {};  // a course without one of its files still has the others
    }
}

}  // namespace

CourseWords SplitCourseWords(const std::vector<std::string>& courseLines,
                             const std::vector<std::string>& otherLines) {
    std::vector<std::string> real = WordsOf(otherLines);
    std::set<std::string> known;
    for (const std::string& word : real) known.insert(Bare(word));
    std::vector<std::string> groups;
    for (const std::string& line : courseLines) {
        const std::vector<std::string> words = WordsOf({line});
        const auto realCount = std::ranges::count_if(
            words, [&known](const std::string& word) { return known.contains(Bare(word)); });
        std::vector<std::string>& kept =
            2 * static_cast<std::size_t>(realCount) >= words.size() ? real : groups;
        kept.insert(kept.end(), words.begin(), words.end());
    }
    CourseWords split;
    std::set<std::string> seen;
    for (std::string& word : real)
        if (seen.insert(word).second) split.words.push_back(std::move(word));
    for (std::string& group : groups)
        if (seen.insert(group).second) split.groups.push_back(std::move(group));
    return split;
}

CourseWords ReadCourseWords(const Course& course) {
    std::vector<std::string> otherLines = ReadLines(course, course.PracticePath());
    const std::vector<std::string> gameLines = ReadLines(course, course.GamePath());
    otherLines.insert(otherLines.end(), gameLines.begin(), gameLines.end());
    return SplitCourseWords(ReadLines(course, course.CoursePath()), otherLines);
}

CourseWords WordsOnlyOf(const CourseWords& words, std::string_view characters) {
    return {WordsOnlyOf(words.words, characters), WordsOnlyOf(words.groups, characters)};
}

}  // namespace zq
