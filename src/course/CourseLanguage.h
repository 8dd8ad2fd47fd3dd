#pragma once

#include <optional>
#include <string>

#include "course/LayoutRegistry.h"

namespace zq {

class XkbLayout;

// The language a course for a keyboard layout teaches, and the code page
// its texts and template are in.
struct CourseLanguage {
    std::string code;       // as the registry names it ("pol")
    std::string shortCode;  // ISO 639-1 when there is one ("pl")
    int codePage = 1252;
};

// The letters the layout types without Shift or AltGr on the keys of the
// main block, in key order, each once.
std::u32string PlainLetters(const XkbLayout& layout);
// The same at every level: plain, Shift, AltGr and Shift+AltGr.
std::u32string LettersAtEveryLevel(const XkbLayout& layout);

// The language of a registry entry that a course can be made for, or
// nothing when none of its languages has a code page that holds the
// layout's letters.
//
// Of the entry's languages, the layout's own first language counts when
// the entry lists it (Italian for "it(intl)", which lists German first),
// else the first language with a code page. When fewer than half of the
// layout's `letters` fit that language's code page (Serbian on a Latin
// layout, Uzbek on an Arabic one), the course is written in the code page
// that holds most of them, provided it holds at least 20.
std::optional<CourseLanguage> ChooseCourseLanguage(const RegistryLayout& entry,
                                                   const std::u32string& letters);

// Of the layout's `letters`, those its language writes that `codePage`
// cannot hold, in the order given: a course in that page could not teach
// them (the Kazakh letters of "kz" in 1251, the Azerbaijani schwa in 1254).
// Letters of another script than the page's are not the language's (the
// French letters of a Russian phonetic layout), nor are digits, marks,
// presentation forms and ligatures of letters, the historic Cyrillic
// letters ("ѣ"), nor the Cyrillic vowels with the stress accent
// (Bulgarian writes "ѝ" as "и" in its code page).
std::u32string LettersLeftOut(const std::u32string& letters, int codePage);

}  // namespace zq
