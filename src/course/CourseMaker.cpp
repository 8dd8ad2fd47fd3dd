#include "course/CourseMaker.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "base/CodePage.h"
#include "base/FileReplace.h"
#include "course/CourseContent.h"
#include "course/CourseKeyboard.h"
#include "course/CourseLanguage.h"
#include "course/DictionaryPackage.h"
#include "course/GameWords.h"
#include "course/UnicodeText.h"
#include "course/WordPool.h"
#include "templates/Description.h"
#include "templates/TemplateBuild.h"
#include "templates/XkbLayout.h"
#include "templates/XkbTemplate.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

std::string LinesText(const std::vector<std::u32string>& lines) {
    std::string text;
    for (const std::u32string& line : lines) text += ToUtf8Text(line) + "\n";
    return text;
}

// A new folder beside `target` for the files, removed again unless kept.
class FolderInMaking {
public:
    explicit FolderInMaking(const fs::path& target) {
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        // Built by appending: GCC 12 warns wrongly about "." + text.
        std::string name = ".";
        name += target.filename().string();
        name += ".making-XXXXXX";
        std::string pattern = (target.parent_path() / name).string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw CourseMakingError("cannot make a folder beside " + target.string() + ": " +
                                    std::generic_category().message(errno));
        path_ = pattern;
    }
    ~FolderInMaking() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    FolderInMaking(const FolderInMaking&) = delete;
    FolderInMaking& operator=(const FolderInMaking&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // Puts the folder in the target's place; an old folder there goes only
    // once the new one is in place.
    void Finish(const fs::path& target, bool replace) {
        std::error_code error;
        fs::path old;
        if (fs::exists(target, error)) {
            if (!replace) throw CourseMakingError("the folder " + target.string() + " exists already");
            old = path_.string() + ".old";
            fs::rename(target, old, error);
            if (error)
                throw CourseMakingError("cannot move " + target.string() + " aside: " + error.message());
        }
        fs::rename(path_, target, error);
        if (error) {
            std::error_code ignored;
            if (!old.empty()) fs::rename(old, target, ignored);
            throw CourseMakingError("cannot make the folder " + target.string() + ": " + error.message());
        }
        path_.clear();
        if (!old.empty()) fs::remove_all(old, error);
    }

private:
    fs::path path_;
};

// "ә ң ғ": the letters, UTF-8, a space between two.
std::string LetterList(const std::u32string& letters) {
    std::string list;
    for (const char32_t ch : letters) {
        if (!list.empty()) list += ' ';
        list += ToUtf8Text(std::u32string(1, ch));
    }
    return list;
}

}  // namespace

std::string CourseFolderName(const std::string& description) {
    std::string name;
    for (const char ch : description) {
        const bool safe = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
                          std::string_view(" ().,'+-").find(ch) != std::string_view::npos;
        if (safe) {
            name += ch;
        } else if (name.empty() || name.back() != '-') {
            name += '-';  // one for each run of other characters (UTF-8 letters take several bytes)
        }
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '-' || name.back() == '.')) name.pop_back();
    while (!name.empty() && (name.front() == ' ' || name.front() == '.')) name.erase(name.begin());
    return name.empty() ? "Course" : name;
}

CourseMaker::CourseMaker(std::vector<RegistryLayout> registry, KeyPicturePainter& painter)
    : registry_(std::move(registry)), painter_(painter) {}

CourseMaker::~CourseMaker() = default;

const std::vector<std::u32string>& CourseMaker::DictionaryWords(const DictionarySource& source) {
    const auto found = dictionaries_.find(source.path);
    if (found != dictionaries_.end()) return found->second;
    try {
        return dictionaries_.emplace(source.path, ReadDictionaryWords(source)).first->second;
    } catch (const std::runtime_error& error) {
        throw CourseMakingError(error.what());
    }
}

const DictionaryPackage& CourseMaker::PackageOf(const std::string& path) {
    const auto found = packages_.find(path);
    if (found != packages_.end()) return found->second;
    return packages_.emplace(path, FindDictionaryPackage(path)).first->second;
}

CourseReport CourseMaker::Make(const CourseRequest& request, const CourseProgress& progress) {
    CourseReport report;
    const auto step = [&](int percent, const std::string& what) {
        if (progress && !progress(percent, what)) {
            report.outcome = CourseOutcome::Cancelled;
            return false;
        }
        return true;
    };
    // "Mine/" (as shell completion writes it) names the folder "Mine".
    fs::path target = fs::path(request.folder).lexically_normal();
    if (!target.has_filename()) target = target.parent_path();
    std::error_code error;
    if (!request.replace && fs::exists(target, error))
        throw CourseMakingError("the folder " + request.folder + " exists already");

    const std::optional<RegistryLayout> entry = FindRegistryLayout(registry_, request.layout);
    if (!entry) throw CourseMakingError("the system has no keyboard layout '" + request.layout + "'");
    if (!step(5, "Reading the keyboard layout")) return report;
    std::unique_ptr<XkbLayout> layout;
    try {
        layout = std::make_unique<XkbLayout>(request.layout);
    } catch (const std::runtime_error& failure) {
        throw CourseMakingError(failure.what());
    }
    const std::u32string letters = PlainLetters(*layout);
    const std::optional<CourseLanguage> language = ChooseCourseLanguage(*entry, letters);
    report.info.layout = request.layout;
    report.info.description = entry->description;
    if (!language) {
        report.outcome = CourseOutcome::NoCodePage;
        report.notes.push_back("The letters of '" + request.layout +
                               "' are in no Windows code page: the program cannot hold its texts.");
        return report;
    }
    report.info.language = language->shortCode;
    report.info.codePage = language->codePage;
    // A course that left out letters of its language would not teach the
    // layout: such a layout fits no code page.
    const std::u32string leftOut = LettersLeftOut(letters, language->codePage);
    if (!leftOut.empty()) {
        report.outcome = CourseOutcome::NoCodePage;
        report.lettersLeftOut = LetterList(leftOut);
        report.notes.push_back("The code page " + std::to_string(language->codePage) + " of " +
                               language->shortCode + " cannot hold the " +
                               (leftOut.size() == 1 ? "letter " : "letters ") + report.lettersLeftOut +
                               " of '" + request.layout + "': a course in it could not teach " +
                               (leftOut.size() == 1 ? "it." : "them."));
        return report;
    }

    // Every text of the course, the template's included, is in its code page.
    const CodePageInForce inForce(language->codePage);
    const KeyboardDescription description = DescribeLayout(*layout, request.layout);
    const CourseKeyboard keyboard(description);

    std::optional<DictionarySource> dictionary;
    if (request.useDictionary)
        dictionary =
            request.dictionary ? request.dictionary : FindDictionary(*language, entry->countries, folders_);
    if (!step(20, "Reading the dictionary")) return report;
    WordPool words;
    if (dictionary) {
        words = WordPool(DictionaryWords(*dictionary), keyboard);
        if (words.Empty()) {
            // Named as the source of none of the texts, it is not named at all.
            report.notes.push_back(
                "The dictionary " + dictionary->path +
                " has no words this keyboard types: the course uses made-up letter groups");
        } else {
            report.info.dictionary = dictionary->path;
            const DictionaryPackage& package = PackageOf(dictionary->path);
            report.info.dictionaryPackage = package.name.empty() ? "" : package.name + " " + package.version;
            report.info.licence = package.licence;
        }
    } else {
        report.notes.push_back("No dictionary for " + language->shortCode +
                               (request.useDictionary ? "" : " was asked for") +
                               ": the course uses made-up letter groups");
    }

    if (!step(50, "Writing the lessons")) return report;
    const CourseContent content = MakeCourseContent(keyboard, words, request.layout, language->shortCode);
    const std::vector<std::string> faults = ContentFaults(content, keyboard);
    if (!faults.empty())
        throw CourseMakingError("the course for " + request.layout + " came out unsound: " + faults.front());
    report.courseLines = content.courseLines.size();
    report.practiceLines = content.practiceLines.size();
    report.gameGroups = content.gameGroups.size();

    if (!step(70, "Drawing the keyboard")) return report;
    FolderInMaking folder(target);
    try {
        if (request.templateAsText) {
            ReplaceFileContents(folder.File("layout.zqtd"), "# Made by: zq-course make " + request.layout +
                                                                "\n" + FormatDescription(description));
        } else {
            BuildTemplate(description, folder.File("layout.zqt"), painter_, [](const std::string&) {});
        }
        ReplaceFileContents(folder.File("course.txt"), LinesText(content.courseLines));
        ReplaceFileContents(folder.File("Practice.txt"), LinesText(content.practiceLines));
        ReplaceFileContents(folder.File("Game.txt"), ToUtf8Text(GameText(content.gameGroups)));
        ReplaceFileContents(folder.File("course.ini"), CourseIniText(report.info));
    } catch (
        const std::runtime_error& failure) {  // a file that cannot be written, a template libzip cannot make
        throw CourseMakingError(failure.what());
    }
    if (!step(95, "Putting the course in place")) return report;
    folder.Finish(target, request.replace);
    if (progress) progress(100, "Done");  // too late to cancel
    report.outcome = CourseOutcome::Made;
    return report;
}

}  // namespace zq
