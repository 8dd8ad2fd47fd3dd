#include "course/GameWords.h"

#include <algorithm>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "course/CourseRandom.h"
#include "course/LineMaker.h"
#include "course/UnicodeText.h"
#include "course/Vocabulary.h"
#include "course/WordPool.h"

namespace zq {
namespace {

struct GameWord {
    const std::u32string* text;
    std::size_t lesson;
    std::uint64_t order;  // a random tie-break, so that a sample is spread over the alphabet
};

// The lesson from which the course types the word; Vocabulary::kNotTaught
// when it never does.
std::size_t LessonOfWord(const Vocabulary& vocabulary, const std::u32string& word) {
    std::size_t lesson = 0;
    for (const char32_t ch : word) lesson = std::max(lesson, vocabulary.LessonOf(ch));
    return lesson;
}

// The first groups, of the language's everyday words the dictionary has
// (those its pool left out as foreign-looking too); none when it has too
// few of them.
std::vector<std::vector<std::u32string>> CommonGroups(const Vocabulary& vocabulary, const WordPool& pool,
                                                      const std::vector<std::u32string>& commonWords) {
    std::unordered_map<std::u32string_view, std::size_t> lessonOf;
    for (const auto& [word, lesson] : vocabulary.AllWords()) lessonOf.emplace(*word, lesson);
    struct CommonWord {
        const std::u32string* text;
        std::size_t lesson;
        std::size_t rank;  // in the list of common words
    };
    std::vector<CommonWord> usable;
    for (std::size_t rank = 0; rank < commonWords.size(); ++rank) {
        const std::u32string& word = commonWords[rank];
        if (word.size() > kLongestCommonWord) continue;
        const auto found = lessonOf.find(word);
        if (found != lessonOf.end()) {
            usable.push_back({&word, found->second, rank});
        } else if (pool.LeftOutAsForeign(word)) {
            const std::size_t lesson = LessonOfWord(vocabulary, word);
            if (lesson != Vocabulary::kNotTaught) usable.push_back({&word, lesson, rank});
        }
    }
    if (usable.size() < kCommonGameGroups * kFewestCommonGroupWords) return {};
    // The commonest of them, shortest first.
    usable.resize(std::min(usable.size(), kCommonGameGroups * kGameGroupWords));
    std::sort(usable.begin(), usable.end(), [](const CommonWord& a, const CommonWord& b) {
        return std::tuple(a.text->size(), a.lesson, a.rank) < std::tuple(b.text->size(), b.lesson, b.rank);
    });
    std::vector<std::vector<std::u32string>> groups(kCommonGameGroups);
    for (std::size_t i = 0; i < usable.size(); ++i)
        groups[i * kCommonGameGroups / usable.size()].push_back(*usable[i].text);
    return groups;
}

}  // namespace

std::vector<std::vector<std::u32string>> MakeGameGroups(const Vocabulary& vocabulary, const WordPool& pool,
                                                        CourseRandom& random,
                                                        const std::vector<std::u32string>& commonWords) {
    std::vector<std::vector<std::u32string>> groups = CommonGroups(vocabulary, pool, commonWords);
    // The groups after the common words hold only longer words: a short
    // word that is not among them is a rare one.
    std::size_t longestCommon = 0;
    for (const auto& group : groups)
        for (const std::u32string& word : group) longestCommon = std::max(longestCommon, word.size());
    const std::size_t groupsLeft = kGameGroups - groups.size();
    const std::size_t wanted = groupsLeft * kGameGroupWords;
    std::vector<GameWord> words;
    words.reserve(vocabulary.AllWords().size());
    for (const auto& [word, lesson] : vocabulary.AllWords()) {
        if (word->size() <= longestCommon) continue;
        words.push_back({word, lesson, random.Next()});
    }

    // Made-up words of the course's letters when the dictionary is short.
    std::vector<std::u32string> madeUp;
    madeUp.reserve(wanted);  // never more: the words' addresses stay put
    if (vocabulary.LessonCount() > 0 && words.size() < wanted) {
        std::unordered_set<std::u32string_view> seen;
        for (const GameWord& word : words) seen.insert(*word.text);
        const std::size_t last = vocabulary.LessonCount() - 1;
        const std::u32string letters = vocabulary.LettersAfter(last);
        for (std::size_t attempt = 0; words.size() < wanted && attempt < wanted * 20; ++attempt) {
            std::u32string word = pool.MakeUpWord(letters, {}, 3 + attempt % 8, random);
            if (word.size() < WordPool::kShortestWord || word.size() <= longestCommon || seen.contains(word))
                continue;
            const std::size_t lesson = LessonOfWord(vocabulary, word);
            madeUp.push_back(std::move(word));
            seen.insert(madeUp.back());
            words.push_back({&madeUp.back(), lesson, random.Next()});
        }
    }
    std::sort(words.begin(), words.end(), [](const GameWord& a, const GameWord& b) {
        return std::tuple(a.text->size(), a.lesson, a.order) < std::tuple(b.text->size(), b.lesson, b.order);
    });
    // An even sample of the sorted words keeps every length in proportion.
    std::vector<std::u32string> sample;
    const std::size_t count = std::min(words.size(), wanted);
    for (std::size_t i = 0; i < count; ++i) sample.push_back(*words[i * words.size() / count].text);

    const std::size_t groupCount =
        std::max<std::size_t>(1, std::min(groupsLeft, sample.size() / kGameGroupWords));
    for (std::size_t g = 0; g < groupCount && !sample.empty(); ++g) {
        const std::size_t begin = g * sample.size() / groupCount, end = (g + 1) * sample.size() / groupCount;
        groups.emplace_back(sample.begin() + static_cast<std::ptrdiff_t>(begin),
                            sample.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return groups;
}

std::u32string GameText(const std::vector<std::vector<std::u32string>>& groups) {
    std::u32string text;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0) text += U"\n";
        std::u32string line;
        for (const std::u32string& word : groups[g]) {
            if (!line.empty() && line.size() + 1 + word.size() > LineMaker::kLongestLine) {
                text += line + U"\n";
                line.clear();
            }
            if (!line.empty()) line += U' ';
            line += word;
        }
        if (!line.empty()) text += line + U"\n";
    }
    return text;
}

}  // namespace zq
