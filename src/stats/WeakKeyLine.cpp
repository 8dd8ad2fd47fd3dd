#include "stats/WeakKeyLine.h"

#include <algorithm>
#include <random>
#include <set>

#include "base/TextFile.h"
#include "course/Course.h"

namespace zq {

namespace {

// Long words crowd out the other keys of a line.
constexpr std::size_t kLongestWord = 14;
constexpr std::size_t kShortestWord = 2;

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// The words that hold `key`, shuffled; three of the key when none does.
std::vector<std::string> WordsWithKey(const std::vector<std::string>& words, char key, std::mt19937& random) {
    std::vector<std::string> found;
    std::ranges::copy_if(words, std::back_inserter(found), [key](const std::string& word) {
        return word.size() >= kShortestWord && word.size() <= kLongestWord &&
               word.find(key) != std::string::npos;
    });
    std::ranges::shuffle(found, random);
    if (found.empty()) found.emplace_back(3, key);
    return found;
}

}  // namespace

std::vector<std::string> ReadCourseTexts(const Course& course) {
    std::vector<std::string> lines;
    for (const std::string& path : {course.CoursePath(), course.PracticePath(), course.GamePath()}) {
        try {
            const std::vector<std::string> fileLines = ReadTextLines(path);
            lines.insert(lines.end(), fileLines.begin(), fileLines.end());
        } catch (const std::exception&) {
            // A course without one of its files still has the others.
        }
    }
    return lines;
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

std::string BuildWeakKeyLine(const std::vector<std::string>& words, std::string_view weakKeys,
                             std::uint32_t seed, std::size_t target) {
    if (weakKeys.empty()) return {};
    std::mt19937 random(seed);
    std::vector<std::vector<std::string>> choices;
    for (const char key : weakKeys) choices.push_back(WordsWithKey(words, key, random));
    std::vector<std::size_t> next(choices.size(), 0);

    std::string line;
    // Keys take turns; a word that does not fit gives the turn to the next
    // key, and a whole round without a word that fits ends the line.
    std::size_t turnsWithoutWord = 0;
    for (std::size_t turn = 0; turnsWithoutWord < choices.size(); ++turn) {
        const std::size_t key = turn % choices.size();
        const std::string& word = choices[key][next[key] % choices[key].size()];
        const std::size_t length = line.size() + (line.empty() ? 0 : 1) + word.size();
        if (length > target) {
            ++turnsWithoutWord;
            continue;
        }
        if (!line.empty()) line += ' ';
        line += word;
        ++next[key];
        turnsWithoutWord = 0;
    }
    return line;
}

}  // namespace zq
