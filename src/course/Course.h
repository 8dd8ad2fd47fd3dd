#pragma once

#include <optional>
#include <string>

namespace zq {

// What a course's "course.ini" says (see Course below), as Course reads it.
struct CourseSettings {
    std::string language;       // the ISO 639-1 code in lower case; empty when none is named
    std::string languageValue;  // the Language value as written
    std::string layout;
    int codePage = 0;  // 0: none named

    // The code page the settings name, else their language's; nothing when
    // they name neither.
    std::optional<int> NamedCodePage() const;
};

// The settings of the "course.ini" in `folder` (ending with "/"); empty
// ones when there is none.
CourseSettings ReadCourseSettings(const std::string& folder);

// One course: its folder "Courses/<name>/" of a program's data or users'
// folder (see FindCourse), the files in it, its language and the code page
// its texts are meant in. The only place that knows how a course's files are
// named and where they lie.
//
// A course may name its language in an optional "course.ini" in its folder:
//
//     [Course]
//     Language=de
//     CodePage=1252
//     Layout=de(nodeadkeys)
//
// The language is an ISO 639-1 code (two ASCII letters, any case), alone
// or opening a locale name ("pl_PL", "pl_PL.UTF-8"); a value that is
// neither is ignored, as is a missing file, section or key. The
// code page (made courses name it) is one of the Windows code pages 874 and
// 1250 to 1258; it wins over the language's, and any other value is
// ignored. The layout (made courses name it) is the XKB keyboard layout the
// course was made for.
class Course {
public:
    // The course `name` (the folder's name in UTF-8, as the file system and
    // the profile keep it) under "Courses" of `programFolder` (ending with
    // "/"). Reads the course's "course.ini" when it has one.
    Course(std::string programFolder, std::string name);

    // The folder's name, UTF-8: it may hold letters that no code page of
    // the windows holds ("Ελληνικά Μάθημα" under English windows).
    const std::string& Name() const { return name_; }
    // The course's folder, ending with "/". Like every path below, it may
    // not exist.
    std::string Folder() const;
    // Whether the course's folder exists (a profile may name a course that
    // has gone since).
    bool Exists() const;

    // The course drill's lines.
    std::string CoursePath() const;
    // The sentence drill's sentences.
    std::string PracticePath() const;
    // The game's words.
    std::string GamePath() const;
    // The keyboard template.
    std::string LayoutPath() const;

    // The language the course teaches, in lower case ("de"); empty when the
    // course names none.
    const std::string& Language() const { return settings_.language; }
    // The code page the course's texts are meant in: the one it names, else
    // the one of its language, or the code page in force when it names
    // neither.
    int TextCodePage() const;
    // The XKB keyboard layout the course was made for ("pl",
    // "us(dvorak)"); empty when it names none.
    const std::string& Layout() const { return settings_.layout; }

private:
    std::string programFolder_;
    std::string name_;
    CourseSettings settings_;
};

}  // namespace zq
