#include "course/Course.h"

#include <filesystem>
#include <system_error>

#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/IniFile.h"
#include "course/CourseList.h"
#include "course/LanguageCodePages.h"

namespace zq {

namespace {

bool IsAsciiLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// An ISO 639-1 code in lower case, or empty when `value` is not one.
std::string LanguageCode(const std::string& value) {
    const bool twoLetters = value.size() == 2 && IsAsciiLetter(value[0]) && IsAsciiLetter(value[1]);
    return twoLetters ? AsciiLower(value) : std::string();
}

}  // namespace

Course::Course(std::string programFolder, std::string name)
    : programFolder_(std::move(programFolder)), name_(std::move(name)) {
    const IniFile settings(Folder() + "course.ini");
    language_ = LanguageCode(settings.ReadString("Course", "Language", ""));
    const std::int32_t codePage = settings.ReadInteger("Course", "CodePage", 0);
    if (IsCourseCodePage(codePage)) codePage_ = codePage;
    layout_ = settings.ReadString("Course", "Layout", "");
}

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
    if (codePage_ != 0) return codePage_;
    return language_.empty() ? SystemCodePage() : CodePageForLanguage(language_);
}

}  // namespace zq
