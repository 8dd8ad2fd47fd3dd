// The game's word groups as the course maker makes them from a dictionary.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "course/CommonWords.h"
#include "course/CourseKeyboard.h"
#include "course/CourseLanguage.h"
#include "course/CourseRandom.h"
#include "course/GameWords.h"
#include "course/LessonPlan.h"
#include "course/UnicodeText.h"
#include "course/Vocabulary.h"
#include "course/WordPool.h"
#include "templates/XkbLayout.h"
#include "templates/XkbTemplate.h"

namespace zq {
namespace {

// A dictionary of a language whose words are long: a thousand words of
// four syllables, and the everyday English words of at most five letters.
// Letter pairs at a word's edges are rare in it, so the pool takes many
// of the short words for foreign ones.
std::vector<std::u32string> LongWordedDictionary() {
    const std::u32string syllables[] = {U"ta", U"re", U"lo", U"mi", U"sa", U"ne", U"ko", U"ri"};
    std::vector<std::u32string> dictionary;
    for (int n = 0; n < 1000; ++n) {
        std::u32string word;
        for (int place = 0, rest = n * 7 + 3; place < 4; ++place, rest /= 8) word += syllables[rest % 8];
        dictionary.push_back(word);
    }
    for (const std::u32string& word : CommonWords("en"))
        if (word.size() >= WordPool::kShortestWord && word.size() <= kLongestCommonWord)
            dictionary.push_back(word);
    return dictionary;
}

TEST(GameGroups, EverydayWordsComeFirstEvenThoseThePoolTookForForeign) {
    const CodePageInForce inForce(1252);
    const XkbLayout xkb("us");
    const CourseKeyboard keyboard(DescribeLayout(xkb, "us"));
    const WordPool pool(LongWordedDictionary(), keyboard);
    const std::vector<Lesson> plan = PlanLessons(keyboard, pool);
    const Vocabulary vocabulary(plan, pool, keyboard);
    const std::vector<std::u32string> everyday = CommonWords("en");

    std::size_t leftOut = 0;
    for (const std::u32string& word : everyday) leftOut += pool.LeftOutAsForeign(word) ? 1 : 0;
    ASSERT_GT(leftOut, 10u) << "the pool kept the short words: this dictionary tests nothing";

    CourseRandom random(std::string_view("us"));
    const auto groups = MakeGameGroups(vocabulary, pool, random, everyday);
    ASSERT_GT(groups.size(), kCommonGameGroups);
    const std::set<std::u32string> known(everyday.begin(), everyday.end());
    std::size_t longestEveryday = 0;
    for (std::size_t g = 0; g < kCommonGameGroups; ++g) {
        EXPECT_GE(groups[g].size(), kFewestCommonGroupWords) << "group " << g + 1;
        for (const std::u32string& word : groups[g]) {
            EXPECT_TRUE(known.contains(word)) << "group " << g + 1 << ": " << ToUtf8Text(word);
            longestEveryday = std::max(longestEveryday, word.size());
        }
    }
    // Longer words follow.
    for (const std::u32string& word : groups[kCommonGameGroups]) EXPECT_GT(word.size(), longestEveryday);
}

}  // namespace
}  // namespace zq
