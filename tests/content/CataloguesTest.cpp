// The French and German catalogues against the program's texts: every text
// the sources hand to Tr or LibTr (found by xgettext, as a translator's tools
// find them) has a translation in the catalogue of its domain, as the build
// compiles it into the program folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/TextFile.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

const std::string kSourceDir = ZQ_SOURCE_DIR;
const std::string kProgramDir = ZQ_PROGRAM_DIR;

// Files that hand texts to Tr through a helper of their own, and how
// xgettext finds those texts there: the helper's name, with the number of
// the argument that holds the text when it is not the first.
const std::map<std::string, std::vector<std::string>> kHelpers = {
    {"src/course/ui/NewCourseWindow.cpp", {"Text"}},
    {"src/drills/ui/ParagraphDrillWindow.cpp", {"Translated"}},
    {"src/game/ui/GameFrameWindow.cpp", {"MakeLabel:3", "MakeBar:3", "MakeBar:5"}},
    {"src/keyboard/FingerNames.cpp", {"N_"}},
    {"src/keyboard/TKeyboardLayoutAgent.cpp", {"Text"}},
    {"src/keyboard/TranslatedKeyName.cpp", {}},  // its texts: N_ in keyboard/KeyHintWords.cpp
    {"src/profile/ColorList.cpp", {"N_"}},
    {"src/profile/ui/TProfileFm.cpp", {"Text"}},
    {"src/speech/CharacterNames.cpp", {"N_"}},
    {"src/speech/FingerNames.cpp", {"N_"}},
    {"src/stats/ProgressCharts.cpp", {"Chart:2", "Chart:3", "PerDrill:2", "PerDrill:3"}},
    {"src/stats/ui/ProgressWindow.cpp", {"Translated"}},
};

// Where the functions themselves are defined.
const std::set<std::string> kTranslationFiles = {"src/base/Translation.cpp", "src/base/Translation.h"};

// The C++ files of the program and its tools, relative to the source folder.
std::vector<std::string> SourceFiles() {
    std::vector<std::string> files;
    for (const char* top : {"src", "tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(kSourceDir) / top)) {
            const std::string extension = entry.path().extension().string();
            if (entry.is_regular_file() && (extension == ".cpp" || extension == ".h"))
                files.push_back(fs::relative(entry.path(), kSourceDir).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char ch : text) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

// A text found in the sources, with the places that use it.
struct SourceText {
    std::string msgid;
    std::string places;
};

std::string Unescaped(const std::string& quoted) {
    std::string text;
    for (size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\' || i + 1 == quoted.size()) {
            text += quoted[i];
            continue;
        }
        const char next = quoted[++i];
        text += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
    }
    return text;
}

// The entries of the template that xgettext writes.
std::vector<SourceText> ParseTemplate(const std::string& pot) {
    std::vector<SourceText> texts;
    std::string places;
    std::string* reading = nullptr;
    SourceText current;
    // A text of a context: catalogues key it as the context, the byte 4 and the text.
    std::string context;
    std::istringstream lines(pot);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("#: ", 0) == 0) {
            if (!places.empty()) places += ' ';
            places += line.substr(3);
        } else if (line.rfind("msgctxt \"", 0) == 0) {
            context = Unescaped(line.substr(9, line.size() - 10));
            reading = &context;
        } else if (line.rfind("msgid \"", 0) == 0) {
            const std::string prefix = context.empty() ? std::string() : context + '\004';
            current = {prefix + Unescaped(line.substr(7, line.size() - 8)), places};
            context.clear();
            reading = &current.msgid;
        } else if (line.rfind("\"", 0) == 0 && reading != nullptr) {
            *reading += Unescaped(line.substr(1, line.size() - 2));
        } else if (line.rfind("msgstr", 0) == 0 || line.rfind("msgid_plural", 0) == 0) {
            if (reading != nullptr && !current.msgid.empty()) texts.push_back(current);
            reading = nullptr;
            places.clear();
        }
    }
    return texts;
}

// The texts that xgettext finds in the files with these keywords.
std::vector<SourceText> Extract(const std::vector<std::string>& files,
                                const std::vector<std::string>& keywords) {
    std::string command = "cd ";
    command += Quoted(kSourceDir);
    command += " && xgettext --from-code=UTF-8 -o - -k";
    for (const std::string& keyword : keywords) command.append(" -k").append(Quoted(keyword));
    for (const std::string& file : files) command.append(" ").append(Quoted(file));
    command += " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char buffer[4096];
    for (size_t read; pipe && (read = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        output.append(buffer, read);
    const int status = pipe ? pclose(pipe.release()) : -1;
    EXPECT_EQ(status, 0) << "xgettext (Debian package gettext) failed: " << command;
    return ParseTemplate(output);
}

std::uint32_t Word(const std::string& bytes, size_t at) {
    if (at + 4 > bytes.size()) return 0;
    const auto byte = [&](size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
    };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

// The texts a compiled catalogue translates (msgfmt leaves out the ones
// without a translation and the fuzzy ones).
std::set<std::string> CatalogueTexts(const fs::path& mo) {
    const std::string bytes = ReadFileBytes(mo.string());
    std::set<std::string> texts;
    if (Word(bytes, 0) != 0x950412de) {
        ADD_FAILURE() << mo << " is not a catalogue compiled by msgfmt";
        return texts;
    }
    const std::uint32_t count = Word(bytes, 8);
    const std::uint32_t originals = Word(bytes, 12);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t length = Word(bytes, originals + 8 * i);
        const std::uint32_t offset = Word(bytes, originals + 8 * i + 4);
        if (offset + length > bytes.size()) break;
        const std::string msgid = bytes.substr(offset, length);
        if (!msgid.empty()) texts.insert(msgid.substr(0, msgid.find('\0')));
    }
    return texts;
}

// Every text of the program in one domain: Tr and N_ texts for "default",
// LibTr texts for "zqlib".
std::vector<SourceText> ProgramTexts(const std::string& domain) {
    const std::vector<std::string> files = SourceFiles();
    if (domain == "zqlib") return Extract(files, {"LibTr"});
    std::vector<SourceText> texts = Extract(files, {"Tr", "N_", "TrPlural:1,2", "TrInContext:1c,2"});
    for (const auto& [file, keywords] : kHelpers) {
        // One keyword at a time: xgettext takes one argument of a function.
        for (const std::string& keyword : keywords) {
            const std::vector<SourceText> found = Extract({file}, {keyword});
            texts.insert(texts.end(), found.begin(), found.end());
        }
    }
    return texts;
}

class CataloguesTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CataloguesTest, EveryTextThatTheProgramShowsIsTranslated) {
    const std::string language = GetParam();
    for (const std::string domain : {"default", "zqlib"}) {
        const fs::path mo = fs::path(kProgramDir) / "locale" / language / "LC_MESSAGES" / (domain + ".mo");
        ASSERT_TRUE(fs::exists(mo)) << mo << " is missing: the build compiles it from data/locale/" << domain
                                    << "/" << language << "/";
        const std::set<std::string> translated = CatalogueTexts(mo);
        std::set<std::string> missing;
        for (const SourceText& text : ProgramTexts(domain))
            if (!translated.contains(text.msgid))
                missing.insert("\"" + text.msgid + "\" (" + text.places + ")");
        EXPECT_THAT(missing, ::testing::IsEmpty())
            << "Texts without a translation in data/locale/" << domain << "/" << language << "/";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CataloguesTest, ::testing::Values("fr", "de"));

// A file that passes anything but a written text to Tr or LibTr translates
// for its callers: the test must know how to find their texts.
TEST(CatalogueExtraction, KnowsEveryHelperThatTranslatesForItsCallers) {
    const std::regex indirect(R"(\b(Lib)?Tr\(\s*[^"\s)])");
    std::set<std::string> helpers;
    for (const std::string& file : SourceFiles()) {
        if (kTranslationFiles.contains(file)) continue;
        const std::string text = ReadFileBytes((fs::path(kSourceDir) / file).string());
        if (std::regex_search(text, indirect)) helpers.insert(file);
    }
    std::set<std::string> known;
    for (const auto& [file, keywords] : kHelpers) known.insert(file);
    EXPECT_EQ(helpers, known) << "Tell kHelpers how the texts of a new helper are found, or drop a helper "
                                 "that is gone.";
}

// Each way of finding texts finds the texts it is there for.
TEST(CatalogueExtraction, FindsTextsThroughEveryKeyword) {
    for (const auto& [file, keywords] : kHelpers) {
        for (const std::string& keyword : keywords)
            EXPECT_THAT(Extract({file}, {keyword}), ::testing::Not(::testing::IsEmpty()))
                << file << ": " << keyword;
    }
    std::set<std::string> program, library;
    for (const SourceText& text : ProgramTexts("default")) program.insert(text.msgid);
    for (const SourceText& text : ProgramTexts("zqlib")) library.insert(text.msgid);
    EXPECT_THAT(program, ::testing::IsSupersetOf({"&Course", "Keys/Min: %d   Accuracy: %d%%   WPM: %d",
                                                  "Black", "Invader Life", "Keys per minute", "Line"}));
    // Texts with a plural form and texts in a context.
    EXPECT_THAT(program, ::testing::IsSupersetOf({std::string("%d line completed"),
                                                  std::string("before a name beginning with a vowel or h\004"
                                                              "Progress of %s")}));
    EXPECT_THAT(library, ::testing::Contains("Unable to write to %s"));
    EXPECT_THAT(program, ::testing::Not(::testing::Contains("Unable to write to %s")));
}

}  // namespace
}  // namespace zq
