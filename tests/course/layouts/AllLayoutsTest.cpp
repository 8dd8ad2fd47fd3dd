// The course maker over every layout and variant of the system's keyboard
// registry whose language has a Windows code page: each course must pass
// the course check, and the program must load it and find a key for every
// character of its first line. Prints the count and every failure with its
// reason; at least 95 % must succeed of the layouts whose letters fit the
// page (a layout refused for letters must name ones the page lacks).
//
// Most layouts are made without a dictionary, which is quick; the
// dictionary path is taken for the layouts whose dictionaries ./test
// installs (hunspell-es, hunspell-pl, hunspell-ru) and for the test's own
// small dictionary, each dictionary read once.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>

#include "base/CodePage.h"
#include "base/TextFile.h"
#include "course/Course.h"
#include "course/CourseCheck.h"
#include "course/CourseMaker.h"
#include "course/LanguageCodePages.h"
#include "course/UnicodeText.h"
#include "keyboard/KeyStrokes.h"
#include "keyboard/TDataMod.h"
#include "support/TempFolder.h"
#include "templates/FakeKeyPainter.h"

namespace zq {
namespace {

constexpr double kWantedShare = 0.95;

// The layouts made with a dictionary, and the dictionary.
const std::map<std::string, std::string> kWithDictionary = {
    {"es", "/usr/share/hunspell/es_ES.dic"},
    {"latam", "/usr/share/hunspell/es_ES.dic"},
    {"pl", "/usr/share/hunspell/pl_PL.dic"},
    {"ru", "/usr/share/hunspell/ru_RU.dic"},
    {"ru(phonetic)", "/usr/share/hunspell/ru_RU.dic"},
    {"us(dvorak)", std::string(ZQ_TEST_DATA_DIR) + "/course/en_test.dic"},
    {"us(colemak)", std::string(ZQ_TEST_DATA_DIR) + "/course/en_test.dic"},
};

bool HasCodePage(const RegistryLayout& entry) {
    return std::any_of(entry.languages.begin(), entry.languages.end(),
                       [](const std::string& language) { return LanguageCodePage(language).has_value(); });
}

// Loads the course as the program does and looks up the keys of its first
// line; empty when every character has its key.
std::string TypeFirstLine(const std::string& programFolder, const std::string& name) {
    const Course course(programFolder, name);
    const CodePageInForce inForce(course.TextCodePage());
    TDataMod store;
    if (!store.LoadTemplate(course.LayoutPath())) return "the program cannot load layout.zqt";
    const std::vector<std::string> lines = ReadTextLines(course.CoursePath());
    if (lines.empty()) return "course.txt has no line";
    ModifierKeys modifiers;
    modifiers.Find(store.MainTbl);
    for (const char ch : lines.front())
        if (modifiers.StrokesOf(store.Ctbl, store.MainTbl, static_cast<unsigned char>(ch)).mainKey < 0)
            return "no key for '" + ToUtf8(std::string(1, ch)) + "' of the first line";
    return {};
}

TEST(AllLayouts, MakeSoundCoursesForAtLeast95PercentOfTheLayoutsWithACodePage) {
    SetSystemCodePage(1252);
    for (const auto& [layout, dictionary] : kWithDictionary)
        ASSERT_TRUE(std::filesystem::exists(dictionary))
            << dictionary << " is missing: ./test installs the dictionaries this test needs";
    test::TempFolder program;
    std::filesystem::create_directories(program / "Courses");
    testing::FakeKeyPainter painter;
    CourseMaker maker(ReadLayoutRegistry(), painter);
    ASSERT_GT(maker.Registry().size(), 400u);

    std::size_t inScope = 0, made = 0, withWords = 0, lacking = 0;
    std::vector<std::string> failures, lackingNames;
    for (const RegistryLayout& entry : maker.Registry()) {
        if (!HasCodePage(entry)) continue;
        ++inScope;
        const std::string name = "course" + std::to_string(inScope);
        CourseRequest request;
        request.layout = entry.Name();
        request.folder = program.File("Courses/" + name);
        const auto dictionary = kWithDictionary.find(entry.Name());
        request.useDictionary = dictionary != kWithDictionary.end();
        if (request.useDictionary) request.dictionary = DictionaryAt(dictionary->second);
        std::string failure;
        bool lacksLetters = false;
        try {
            const CourseReport report = maker.Make(request);
            if (report.outcome == CourseOutcome::NoCodePage && !report.lettersLeftOut.empty()) {
                // Refused for letters its language's page lacks: those must
                // be letters that page cannot hold.
                lacksLetters = true;
                ++lacking;
                lackingNames.push_back(entry.Name() + " (" + report.lettersLeftOut + ")");
                for (const char32_t letter : FromUtf8Text(report.lettersLeftOut))
                    if (letter != U' ' && CodeOfChar(letter, report.info.codePage))
                        failure = "refused for " + ToUtf8Text(std::u32string(1, letter)) +
                                  ", which its code page " + std::to_string(report.info.codePage) + " holds";
            } else if (report.outcome == CourseOutcome::NoCodePage) {
                failure = "its letters are in no Windows code page";
            } else {
                const CourseCheckResult check = CheckCourseFolder(request.folder);
                failure = !check.faults.empty() ? check.faults.front() : TypeFirstLine(program.Dir(), name);
                if (request.useDictionary && report.notes.empty()) ++withWords;
            }
        } catch (const std::exception& error) {
            failure = error.what();
        }
        if (failure.empty()) {
            made += !lacksLetters;
        } else {
            failures.push_back(entry.Name() + " \"" + entry.description + "\": " + failure);
        }
        std::filesystem::remove_all(request.folder);
    }
    // Those the page of whose language lacks letters fit no code page.
    const std::size_t fitting = inScope - lacking;
    std::cout << "Courses made for " << made << " of " << fitting
              << " layouts and variants whose letters fit their language's Windows code page ("
              << 100.0 * static_cast<double>(made) / static_cast<double>(fitting) << " %); " << withWords
              << " of them with a dictionary's words; " << lacking
              << " refused for letters their language's code page lacks\n";
    for (const std::string& failure : failures) std::cout << "  not made: " << failure << "\n";
    for (const std::string& name : lackingNames) std::cout << "  refused: " << name << "\n";
    EXPECT_GE(static_cast<double>(made), kWantedShare * static_cast<double>(fitting));
    EXPECT_EQ(withWords, kWithDictionary.size());
}

}  // namespace
}  // namespace zq
