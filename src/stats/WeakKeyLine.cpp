#include "stats/WeakKeyLine.h"

#include <algorithm>
#include <random>
#include <set>

#include "course/Course.h"
#include "course/CourseTextFile.h"

namespace zq {

namespace {

// Long words crowd out the other keys of a line.
constexpr std::size_t kLongestWord = 14;
constexpr std::size_t kShortestWord = 2;

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// The words of `words` that hold `piece`, shuffled.
std::vector<std::string> WordsWith(const std::vector<std::string>& words, const std::string& piece,
                                   std::mt19937& random) {
    std::vector<std::string> found;
    std::ranges::copy_if(words, std::back_inserter(found), [&piece](const std::string& word) {
        return word.size() >= kShortestWord && word.size() <= kLongestWord &&
               word.find(piece) != std::string::npos;
    });
    std::ranges::shuffle(found, random);
    return found;
}

// The real words that hold `piece`; the letter groups when no real word
// does; three of the piece when neither does.
std::vector<std::string> WordsWith(const CourseWords& words, const std::string& piece, std::mt19937& random) {
    std::vector<std::string> found = WordsWith(words.words, piece, random);
    if (found.empty()) found = WordsWith(words.groups, piece, random);
    if (found.empty()) found.push_back(piece + piece + piece);
    return found;
}

}  // namespace

std::vector<std::string> ReadCourseTexts(const Course& course) {
    std::vector<std::string> lines;
    for (const std::string& path : {course.CoursePath(), course.PracticePath(), course.GamePath()}) {
        try {
            const std::vector<std::string> fileLines = ReadCourseTextLines(path, course.TextCodePage());
            lines.insert(lines.end(), fileLines.begin(), fileLines.end());
        } catch (const std::exception&) {
            // A course without one of its files still has the others.
        }
    }
    return lines;
}

std::vector<std::string> ReadCourseLines(const Course& course) {
    try {
        return ReadCourseTextLines(course.CoursePath(), course.TextCodePage());
    } catch (const std::exception&) {
        return {};  // a course without its lines has taught nothing
    }
}

std::string TaughtCharacters(const std::vector<std::string>& courseLines, std::int32_t line) {
    std::set<char> taught;
    const auto last = static_cast<std::size_t>(std::max(line, 0));
    for (std::size_t index = 0; index < courseLines.size() && index <= last; ++index)
        taught.insert(courseLines[index].begin(), courseLines[index].end());
    return {taught.begin(), taught.end()};
}

std::vector<std::string> WordsOnlyOf(const std::vector<std::string>& words, std::string_view characters) {
    std::vector<std::string> kept;
    std::ranges::copy_if(words, std::back_inserter(kept), [characters](const std::string& word) {
        return word.find_first_not_of(characters) == std::string::npos;
    });
    return kept;
}

std::vector<std::string> WordsOf(const std::vector<std::string>& lines) {
    std::vector<std::string> words;
    std::set<std::string> seen;
    for (const std::string& line : lines) {
        auto begin = line.begin();
        while (begin != line.end()) {
            begin = std::find_if_not(begin, line.end(), IsBlank);
            const auto end = std::find_if(begin, line.end(), IsBlank);
            if (begin != end) {
                std::string word(begin, end);
                if (seen.insert(word).second) words.push_back(std::move(word));
            }
            begin = end;
        }
    }
    return words;
}

std::string BuildWeakKeyLine(const CourseWords& words, std::string_view weakKeys, std::uint32_t seed,
                             std::size_t target) {
    std::vector<std::string> pieces;
    for (const char key : weakKeys) pieces.emplace_back(1, key);
    return BuildPracticeLine(words, pieces, seed, target);
}

std::string BuildPracticeLine(const CourseWords& words, const std::vector<std::string>& pieces,
                              std::uint32_t seed, std::size_t target) {
    if (pieces.empty()) return {};
    std::mt19937 random(seed);
    std::vector<std::vector<std::string>> choices;
    choices.reserve(pieces.size());
    for (const std::string& piece : pieces) choices.push_back(WordsWith(words, piece, random));
    std::vector<std::size_t> next(choices.size(), 0);

    std::string line;
    // Pieces take turns; a word that does not fit gives the turn to the next
    // piece, and a whole round without a word that fits ends the line.
    std::size_t turnsWithoutWord = 0;
    for (std::size_t turn = 0; turnsWithoutWord < choices.size(); ++turn) {
        const std::size_t piece = turn % choices.size();
        const std::string& word = choices[piece][next[piece] % choices[piece].size()];
        const std::size_t length = line.size() + (line.empty() ? 0 : 1) + word.size();
        if (length > target) {
            ++turnsWithoutWord;
            continue;
        }
        if (!line.empty()) line += ' ';
        line += word;
        ++next[piece];
        turnsWithoutWord = 0;
    }
    return line;
}

}  // namespace zq
