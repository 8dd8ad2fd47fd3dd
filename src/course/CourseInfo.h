#pragma once

#include <string>

namespace zq {

// What a made course's "course.ini" says about it: what the program needs
// (its language and the code page of its texts) and what a teacher wants to
// know (the keyboard layout it was made for, and the dictionary its words
// come from with that dictionary's package and licence).
struct CourseInfo {
    std::string language;  // ISO 639-1 when the language has a code, else as the registry names it
    int codePage = 1252;
    std::string layout;             // "pl", "us(dvorak)"
    std::string description;        // "Polish", as the system's registry describes the layout
    std::string dictionary;         // the file the words come from; empty when none was used
    std::string dictionaryPackage;  // "hunspell-pl 1:7.5.0-1"; empty when unknown
    std::string licence;            // the dictionary's licence; empty when unknown
};

// The text of "course.ini", UTF-8. Course reads its [Course] section.
std::string CourseIniText(const CourseInfo& info);

}  // namespace zq
