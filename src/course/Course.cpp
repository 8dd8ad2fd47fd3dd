#include "course/Course.h"

#include <filesystem>
#include <system_error>

#include "base/CodePage.h"
#include "base/IniFile.h"
#include "course/CourseList.h"
#include "course/LanguageCodePages.h"

namespace zq {

namespace {

bool IsAsciiLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// An ISO 639-1 code in lower case, or empty when `value` is none. A locale
// name ("pl_PL.UTF-8") names the language it opens with, as the program's
// own language does.
std::string LanguageCode(const std::string& value) {
    const std::string code = LanguageOfLocaleName(value);
    const bool twoLetters = code.size() == 2 && IsAsciiLetter(code[0]) && IsAsciiLetter(code[1]);
    return twoLetters ? code : std::string();
}

}  // namespace

std::optional<int> CourseSettings::NamedCodePage() const {
    if (codePage != 0) return codePage;
    if (!language.empty()) return CodePageForLanguage(language);
    return std::nullopt;
}

CourseSettings ReadCourseSettings(const std::string& folder) {
    const IniFile ini(folder + "course.ini");
    CourseSettings settings;
    settings.languageValue = ini.ReadString("Course", "Language", "");
    settings.language = LanguageCode(settings.languageValue);
    const std::int32_t codePage = ini.ReadInteger("Course", "CodePage", 0);
    if (IsCourseCodePage(codePage)) settings.codePage = codePage;
    settings.layout = ini.ReadString("Course", "Layout", "");
    return settings;
}

Course::Course(std::string programFolder, std::string name)
    : programFolder_(std::move(programFolder)),
      name_(std::move(name)),
      settings_(ReadCourseSettings(Folder())) {}

std::string Course::Folder() const {
    return CoursesFolder(programFolder_) + "/" + name_ + "/";
}

bool Course::Exists() const {
    std::error_code unreadable;
    return !name_.empty() && std::filesystem::is_directory(Folder(), unreadable);
}

std::string Course::CoursePath() const {
    return Folder() + "course.txt";
}

std::string Course::PracticePath() const {
    return Folder() + "Practice.txt";
}

std::string Course::GamePath() const {
    return Folder() + "Game.txt";
}

std::string Course::LayoutPath() const {
    return Folder() + "layout.zqt";
}

int Course::TextCodePage() const {
    return settings_.NamedCodePage().value_or(SystemCodePage());
}

}  // namespace zq
