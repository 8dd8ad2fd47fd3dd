// The shipped courses: every character of "course.txt", "Practice.txt" and
// "Game.txt" survives the conversion to the code page and can be typed on
// the course's keyboard template; the course brings in its keys a few at a
// time; the sentences and the word groups have the size and shape that the
// sentence drill and the game need.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/TextFile.h"
#include "course/Course.h"
#include "course/CourseCheck.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

struct ShippedCourse {
    const char* folder;
    // Letters and marks (UTF-8) that the course must teach and the sentences
    // must use, besides a to z, the digits and the common punctuation.
    const char* ownCharacters;
    // The language its "course.ini" names.
    const char* language;
};

const ShippedCourse kCourses[] = {
    {"English", "", "en"},
    {"Deutsch", "äöüßÄÖÜ„“", "de"},
    {"Francais", "éèàçùâêîôûëï«»", "fr"},
};

void PrintTo(const ShippedCourse& course, std::ostream* out) {
    *out << course.folder;
}

std::string CourseFile(const ShippedCourse& course, const std::string& name) {
    return std::string(ZQ_SOURCE_DIR) + "/data/Courses/" + course.folder + "/" + name;
}

// Case folding and letters of code page 1252.
unsigned char Folded(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;  // Š Œ Ž
    if (c == 0x9F) return 0xFF;                              // Ÿ
    return c;
}

bool IsLetter(unsigned char c) {
    const unsigned char f = Folded(c);
    return (f >= 'a' && f <= 'z') || f == 0x9A || f == 0x9C || f == 0x9E || (f >= 0xDF && f != 0xF7);
}

// For messages: one character, and a line with its number, in UTF-8.
// (Built by appending: GCC 12 warns wrongly about "'" + text.)
std::string Shown(char c) {
    std::string shown = "'";
    shown += ToUtf8(std::string(1, c));
    shown += "'";
    return shown;
}

std::string Shown(const std::vector<std::string>& lines, size_t index) {
    return "line " + std::to_string(index + 1) + ": \"" + ToUtf8(lines[index]) + "\"";
}

class CourseFiles : public ::testing::TestWithParam<ShippedCourse> {
protected:
    void SetUp() override { SetSystemCodePage(1252); }

    std::vector<std::string> Lines(const std::string& name) const {
        return ReadTextLines(CourseFile(GetParam(), name));
    }

    // The characters that the template's character table can type.
    std::set<unsigned char> Typable() const {
        TDataMod store;
        const std::string path =
            std::string(ZQ_PROGRAM_DIR) + "/Courses/" + GetParam().folder + "/layout.zqt";
        EXPECT_TRUE(store.LoadTemplate(path)) << path;
        std::set<unsigned char> codes;
        for (store.Ctbl.First(); !store.Ctbl.Eof(); store.Ctbl.Next()) {
            codes.insert(static_cast<unsigned char>(store.Ctbl.AsInteger("Code")));
        }
        return codes;
    }
};

// Written in UTF-8 without a byte order mark, and nothing turns into "?"
// on the way to the code page.
TEST_P(CourseFiles, AreUtf8WhoseEveryCharacterExistsInTheCodePage) {
    for (const char* name : {"course.txt", "Practice.txt", "Game.txt"}) {
        const std::string bytes = ReadFileBytes(CourseFile(GetParam(), name));
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << name;
        EXPECT_EQ(ToUtf8(FromUtf8(bytes)), bytes) << name << " has a character outside code page 1252";
        EXPECT_EQ(bytes.find('\r'), std::string::npos) << name << " has CR line ends";
    }
}

TEST_P(CourseFiles, EveryCharacterHasAKeyOnTheCoursesTemplate) {
    const std::set<unsigned char> typable = Typable();
    ASSERT_GT(typable.size(), 90u);
    for (const char* name : {"course.txt", "Practice.txt", "Game.txt"}) {
        const std::vector<std::string> lines = Lines(name);
        for (size_t i = 0; i < lines.size(); ++i) {
            for (const char c : lines[i]) {
                EXPECT_TRUE(typable.contains(static_cast<unsigned char>(c)))
                    << name << " " << Shown(lines, i) << ": no key types " << Shown(c);
            }
        }
    }
}

TEST_P(CourseFiles, CourseLinesAreShortTrimmedAndAboutTwoHundred) {
    const std::vector<std::string> lines = Lines("course.txt");
    EXPECT_GE(lines.size(), 180u);
    EXPECT_LE(lines.size(), 240u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 60u) << Shown(lines, i);
        EXPECT_FALSE(lines[i].empty()) << Shown(lines, i);
        EXPECT_TRUE(!lines[i].starts_with(' ') && !lines[i].ends_with(' ')) << Shown(lines, i);
    }
}

// Letters count without regard to case (a capital is the same key with
// Shift); every other character except the space counts by itself.
TEST_P(CourseFiles, CourseBringsAtMostTwoNewKeysALineEachFirstDrilledAlone) {
    const std::vector<std::string> lines = Lines("course.txt");
    std::set<unsigned char> known;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::set<unsigned char> fresh;
        for (const char c : lines[i]) {
            const unsigned char key = Folded(static_cast<unsigned char>(c));
            if (key != ' ' && !known.contains(key)) fresh.insert(key);
        }
        EXPECT_LE(fresh.size(), 2u) << Shown(lines, i);
        std::string folded;
        for (const char c : lines[i]) folded += static_cast<char>(Folded(static_cast<unsigned char>(c)));
        for (const unsigned char key : fresh) {
            EXPECT_NE(folded.find(std::string(3, static_cast<char>(key))), std::string::npos)
                << Shown(lines, i) << " brings " << Shown(static_cast<char>(key))
                << " without drilling it alone";
        }
        known.insert(fresh.begin(), fresh.end());
    }
}

TEST_P(CourseFiles, CourseTeachesEveryLetterDigitAndTheLanguagesOwnCharacters) {
    std::set<unsigned char> used;
    for (const std::string& line : Lines("course.txt")) used.insert(line.begin(), line.end());
    const std::string wanted =
        FromUtf8(std::string("abcdefghijklmnopqrstuvwxyz0123456789.,?!") + GetParam().ownCharacters);
    for (const char c : wanted) {
        EXPECT_TRUE(used.contains(static_cast<unsigned char>(c))) << "never typed: " << Shown(c);
    }
}

TEST_P(CourseFiles, ThreeHundredDistinctSentencesUnderSeventyCharacters) {
    const std::vector<std::string> lines = Lines("Practice.txt");
    EXPECT_GE(lines.size(), 300u);
    std::set<std::string> distinct;
    std::set<unsigned char> used;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LT(lines[i].size(), 70u) << Shown(lines, i);
        EXPECT_GE(lines[i].size(), 15u) << Shown(lines, i);
        EXPECT_TRUE(!lines[i].starts_with(' ') && !lines[i].ends_with(' ')) << Shown(lines, i);
        EXPECT_TRUE(distinct.insert(lines[i]).second) << "again: " << Shown(lines, i);
        used.insert(lines[i].begin(), lines[i].end());
    }
    for (const char c : FromUtf8(std::string(".,?!0123456789") + GetParam().ownCharacters)) {
        EXPECT_TRUE(used.contains(static_cast<unsigned char>(c))) << "no sentence has " << Shown(c);
    }
}

// The groups as the game reads them: an empty line ends a group, words are
// separated by spaces.
std::vector<std::vector<std::string>> WordGroups(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> groups(1);
    bool previousEmpty = true;
    for (const std::string& line : lines) {
        if (line.empty()) {
            if (!previousEmpty) groups.emplace_back();
            previousEmpty = true;
            continue;
        }
        previousEmpty = false;
        for (size_t start = 0; start < line.size();) {
            const size_t end = std::min(line.find(' ', start), line.size());
            if (end > start) groups.back().push_back(line.substr(start, end - start));
            start = end + 1;
        }
    }
    return groups;
}

double AverageLength(const std::vector<std::string>& words) {
    double sum = 0;
    for (const std::string& word : words) sum += static_cast<double>(word.size());
    return sum / static_cast<double>(words.size());
}

TEST_P(CourseFiles, GameHasTwentyToSixtyGroupsOfThirtyDistinctWords) {
    const auto groups = WordGroups(Lines("Game.txt"));
    EXPECT_GE(groups.size(), 20u);
    EXPECT_LE(groups.size(), 60u);
    std::set<std::string> seen;
    for (size_t g = 0; g < groups.size(); ++g) {
        EXPECT_GE(groups[g].size(), 30u) << "group " << g + 1;
        for (const std::string& word : groups[g]) {
            EXPECT_TRUE(seen.insert(word).second) << "again: " << ToUtf8(word);
            EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](char c) { return IsLetter(c); }))
                << "not a word of letters: " << ToUtf8(word);
        }
    }
}

// The first group's words are everyday words as well (GameWordsTest).
TEST_P(CourseFiles, GameWordsGrowFromShortWordsToLongWords) {
    const auto groups = WordGroups(Lines("Game.txt"));
    ASSERT_GE(groups.size(), 2u);
    for (const std::string& word : groups.front()) EXPECT_LE(word.size(), 4u) << ToUtf8(word);
    for (size_t g = 1; g < groups.size(); ++g) {
        EXPECT_GE(AverageLength(groups[g]), AverageLength(groups[g - 1])) << "group " << g + 1;
    }
    for (const std::string& word : groups.back()) EXPECT_GE(word.size(), 10u) << ToUtf8(word);
}

// The build copies each course's settings into the program folder, where
// the program finds its language.
TEST_P(CourseFiles, NameTheirLanguageInTheProgramFolder) {
    const Course course(std::string(ZQ_PROGRAM_DIR) + "/", GetParam().folder);
    EXPECT_EQ(course.Language(), GetParam().language);
    EXPECT_EQ(course.TextCodePage(), 1252);
}

// What the course check, shipped for course authors, says of the
// hand-written courses: it sees a capital with an accent as a key of its
// own, to be drilled alone before a line uses it.
TEST_P(CourseFiles, PassTheShippedCourseCheck) {
    const CourseCheckResult check =
        CheckCourseFolder(std::string(ZQ_PROGRAM_DIR) + "/Courses/" + GetParam().folder);
    EXPECT_EQ(check.codePage, 1252);
    for (const std::string& fault : check.faults) ADD_FAILURE() << fault;
    EXPECT_TRUE(check.notes.empty());
}

INSTANTIATE_TEST_SUITE_P(Shipped, CourseFiles, ::testing::ValuesIn(kCourses),
                         [](const ::testing::TestParamInfo<ShippedCourse>& info) {
                             return info.param.folder;
                         });

}  // namespace
}  // namespace zq
