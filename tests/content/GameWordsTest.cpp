// The game of every shipped course opens with words a learner knows: its
// first word groups hold only short, everyday words of its language. (The
// game takes its first words of a run from the first groups; see
// kCommonGameGroups.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "base/TextFile.h"
#include "course/CommonWords.h"
#include "course/GameWords.h"
#include "course/UnicodeText.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

const fs::path kCourses = fs::path(ZQ_SOURCE_DIR) / "data" / "Courses";

std::vector<std::string> CourseFolders() {
    std::vector<std::string> folders;
    for (const auto& entry : fs::directory_iterator(kCourses))
        if (entry.is_directory()) folders.push_back(entry.path().filename().string());
    std::sort(folders.begin(), folders.end());
    return folders;
}

// The word groups of a "Game.txt" written in UTF-8, as the game reads them.
std::vector<std::vector<std::u32string>> WordGroups(const fs::path& file) {
    std::vector<std::vector<std::u32string>> groups(1);
    bool previousEmpty = true;
    // The bytes as they are: the words are UTF-8 whatever the code page in force.
    std::vector<std::string> lines;
    std::istringstream bytes(ReadFileBytes(file.string()));
    for (std::string line; std::getline(bytes, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    for (const std::string& line : lines) {
        if (line.empty()) {
            if (!previousEmpty) groups.emplace_back();
            previousEmpty = true;
            continue;
        }
        previousEmpty = false;
        const std::u32string text = FromUtf8Text(line);
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find(U' ', start), text.size());
            if (end > start) groups.back().push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    return groups;
}

class ShippedGame : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedGame, FirstGroupsHoldOnlyShortEverydayWords) {
    const fs::path folder = kCourses / GetParam();
    const std::string language =
        IniFile((folder / "course.ini").string()).ReadString("Course", "Language", "");
    const std::vector<std::u32string> everyday = CommonWords(language);
    ASSERT_FALSE(everyday.empty()) << "no everyday words of \"" << language << "\"";
    const std::set<std::u32string> known(everyday.begin(), everyday.end());

    const auto groups = WordGroups(folder / "Game.txt");
    ASSERT_GT(groups.size(), kCommonGameGroups);
    for (std::size_t g = 0; g < kCommonGameGroups; ++g) {
        EXPECT_GE(groups[g].size(), kFewestCommonGroupWords) << "group " << g + 1;
        for (const std::u32string& word : groups[g]) {
            EXPECT_LE(word.size(), kLongestCommonWord) << "group " << g + 1 << ": " << ToUtf8Text(word);
            EXPECT_TRUE(known.contains(word))
                << "group " << g + 1 << ", not an everyday word: " << ToUtf8Text(word);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedGame, ::testing::ValuesIn(CourseFolders()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (const char c : info.param)
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

}  // namespace
}  // namespace zq
