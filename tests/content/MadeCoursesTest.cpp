// The ready-made courses, made by zq-course from Debian's dictionaries
// (data/Courses/README.md): each passes the course check in the program
// folder, teaches its language's own letters, names its layout, language,
// code page and dictionary, and has the size and shape the drills and the
// game need.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "course/Course.h"
#include "course/CourseCheck.h"
#include "course/CourseMaker.h"
#include "course/UnicodeText.h"
#include "templates/Description.h"
#include "templates/XkbLayout.h"
#include "templates/XkbTemplate.h"

namespace zq {
namespace {

struct MadeCourse {
    const char* folder;
    const char* layout;
    const char* language;
    int codePage;
    // Letters of the language beyond a to z (or the whole alphabet of
    // another script) that the course must teach.
    const char* ownLetters;
};

const MadeCourse kCourses[] = {
    {"Espanol", "es", "es", 1252, "ñáéíóú"},
    {"Italiano", "it", "it", 1252, "àèéìòù"},
    {"Portugues", "pt", "pt", 1252, "ãõçáéíóúâêô"},
    {"Portugues (Brasil)", "br", "pt", 1252, "ãõçáéíóúâêô"},
    {"Nederlands", "nl", "nl", 1252, "ëé"},
    {"Svenska", "se", "sv", 1252, "åäö"},
    {"Norsk", "no", "no", 1252, "æøå"},
    {"Dansk", "dk", "da", 1252, "æøå"},
    {"Suomi", "fi", "fi", 1252, "äö"},
    {"Polski", "pl", "pl", 1250, "ąćęłńóśźż"},
    {"Cestina", "cz", "cs", 1250, "áčďéěíňóřšťúůýž"},
    {"Magyar", "hu", "hu", 1250, "áéíóöőúüű"},
    {"Turkce", "tr", "tr", 1254, "çğıöşü"},
    {"Russkij", "ru", "ru", 1251, "абвгдежзийклмнопрстуфхцчшщъыьэюя"},
    {"Ukrainska", "ua", "uk", 1251, "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"},
    {"Ellinika", "gr", "el", 1253, "αβγδεζηθικλμνξοπρσςτυφχψωάέήίόύώ"},
    {"English Dvorak", "us(dvorak)", "en", 1252, ""},
    {"English Colemak", "us(colemak)", "en", 1252, ""},
};

void PrintTo(const MadeCourse& course, std::ostream* out) {
    *out << course.folder;
}

std::string ProgramCourse(const MadeCourse& course) {
    return std::string(ZQ_PROGRAM_DIR) + "/Courses/" + course.folder + "/";
}

std::vector<std::u32string> Lines(const MadeCourse& course, const std::string& file) {
    std::vector<std::u32string> lines;
    for (const std::string& line : SplitLines(ReadFileBytes(ProgramCourse(course) + file)))
        lines.push_back(FromUtf8Text(line));
    return lines;
}

class MadeCourses : public ::testing::TestWithParam<MadeCourse> {};

TEST_P(MadeCourses, PassTheCourseCheckInTheirCodePage) {
    const CourseCheckResult check = CheckCourseFolder(ProgramCourse(GetParam()));
    EXPECT_EQ(check.codePage, GetParam().codePage);
    for (const std::string& fault : check.faults) ADD_FAILURE() << fault;
    EXPECT_TRUE(check.notes.empty());
}

TEST_P(MadeCourses, NameLayoutLanguageCodePageAndDictionary) {
    const IniFile ini(ProgramCourse(GetParam()) + "course.ini");
    EXPECT_EQ(ini.ReadString("Course", "Layout", ""), GetParam().layout);
    EXPECT_EQ(ini.ReadString("Course", "Language", ""), GetParam().language);
    EXPECT_EQ(ini.ReadInteger("Course", "CodePage", 0), GetParam().codePage);
    EXPECT_NE(ini.ReadString("Course", "Dictionary", "none"), "none");
    EXPECT_FALSE(ini.ReadString("Course", "DictionaryPackage", "").empty());
    EXPECT_FALSE(ini.ReadString("Course", "Licence", "").empty());
    SetSystemCodePage(1252);
    EXPECT_EQ(Course(std::string(ZQ_PROGRAM_DIR) + "/", GetParam().folder).TextCodePage(),
              GetParam().codePage);
}

TEST_P(MadeCourses, TeachTheLanguagesOwnLettersInShortLines) {
    const std::vector<std::u32string> lines = Lines(GetParam(), "course.txt");
    EXPECT_GE(lines.size(), 150u);
    EXPECT_LE(lines.size(), 400u);
    std::set<char32_t> used;
    for (const std::u32string& line : lines) {
        EXPECT_LE(line.size(), 60u) << ToUtf8Text(line);
        EXPECT_FALSE(line.empty());
        used.insert(line.begin(), line.end());
    }
    for (const char32_t letter :
         FromUtf8Text(std::string("abcdefghijklmnopqrstuvwxyz0123456789.,") + GetParam().ownLetters)) {
        const int page = GetParam().codePage;
        const bool latin = page == 1250 || page == 1252 || page == 1254;
        if (!latin && letter >= U'a' && letter <= U'z')
            continue;  // no letters of Cyrillic and Greek keyboards
        EXPECT_TRUE(used.contains(letter)) << "never typed: " << ToUtf8Text(std::u32string(1, letter));
    }
}

TEST_P(MadeCourses, HaveThreeHundredDistinctSentencesOfRealWords) {
    const std::vector<std::u32string> lines = Lines(GetParam(), "Practice.txt");
    EXPECT_GE(lines.size(), 300u);
    std::set<std::u32string> distinct(lines.begin(), lines.end());
    EXPECT_EQ(distinct.size(), lines.size());
    for (const std::u32string& line : lines) {
        EXPECT_GE(line.size(), 15u);
        EXPECT_LE(line.size(), 60u);
        EXPECT_TRUE(IsUpperCase(line.front()) || IsDigit(line.front())) << ToUtf8Text(line);
    }
}

TEST_P(MadeCourses, GameHasTwentyToSixtyGroupsOfWordsGrowingLonger) {
    std::vector<std::vector<std::u32string>> groups(1);
    for (const std::u32string& line : Lines(GetParam(), "Game.txt")) {
        if (line.empty()) {
            groups.emplace_back();
            continue;
        }
        for (std::size_t start = 0; start < line.size();) {
            const std::size_t end = std::min(line.find(U' ', start), line.size());
            groups.back().push_back(line.substr(start, end - start));
            start = end + 1;
        }
    }
    EXPECT_GE(groups.size(), 20u);
    EXPECT_LE(groups.size(), 60u);
    double previousAverage = 0;
    std::set<std::u32string> seen;
    for (const auto& group : groups) {
        ASSERT_GE(group.size(), 30u);
        double sum = 0;
        for (const std::u32string& word : group) {
            EXPECT_TRUE(seen.insert(word).second) << "again: " << ToUtf8Text(word);
            sum += static_cast<double>(word.size());
        }
        EXPECT_GE(sum / static_cast<double>(group.size()), previousAverage);
        previousAverage = sum / static_cast<double>(group.size());
    }
}

std::set<int> KeyValues(const KeyboardDescription& description) {
    std::set<int> values;
    for (const DescribedKey& key : description.keys) values.insert(key.keyValue);
    return values;
}

// A course's template has the keys the course maker gives its layout (the
// key left of Z where the layout puts characters): the shipped templates
// are made again after a change to the maker.
TEST_P(MadeCourses, TemplateHasTheKeysTheMakerGivesTheLayout) {
    const std::string path =
        std::string(ZQ_SOURCE_DIR) + "/data/Courses/" + GetParam().folder + "/layout.zqtd";
    const DescriptionResult shipped = ParseDescription(ReadFileBytes(path));
    ASSERT_TRUE(shipped.description) << path << ":" << shipped.errorLine << ": " << shipped.error;
    const XkbLayout layout(GetParam().layout);
    EXPECT_EQ(KeyValues(*shipped.description), KeyValues(DescribeLayout(layout, GetParam().layout)));
}

TEST(MadeCourseNames, NeverMatchWhatTheMakerNamesACourseOfTheSystemsLayouts) {
    std::set<std::string> made;
    for (const RegistryLayout& entry : ReadLayoutRegistry()) made.insert(CourseFolderName(entry.description));
    for (const MadeCourse& course : kCourses) EXPECT_FALSE(made.contains(course.folder)) << course.folder;
    for (const char* handWritten : {"English", "Deutsch", "Francais"})
        EXPECT_FALSE(made.contains(handWritten));
}

TEST(MadeCourseNames, TheReadmeNamesEveryCourseItsLayoutAndDictionary) {
    const std::string readme = ReadFileBytes(std::string(ZQ_SOURCE_DIR) + "/data/Courses/README.md");
    for (const MadeCourse& course : kCourses) {
        EXPECT_NE(readme.find(std::string("| ") + course.folder + " |"), std::string::npos) << course.folder;
        EXPECT_NE(readme.find(std::string("`") + course.layout + "`"), std::string::npos) << course.layout;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, MadeCourses, ::testing::ValuesIn(kCourses),
                         [](const ::testing::TestParamInfo<MadeCourse>& info) {
                             std::string name;
                             for (const char ch : std::string(info.param.folder))
                                 if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) name += ch;
                             return name;
                         });

}  // namespace
}  // namespace zq
