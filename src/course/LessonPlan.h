#pragma once

#include <string>
#include <vector>

namespace zq {

class CourseKeyboard;
class WordPool;

enum class LessonKind {
    Letters,   // letters typed without Shift or AltGr, home row first
    Capitals,  // the capitals of one hand's letters, with the other hand's Shift
    Digits,
    Punctuation,   // other characters typed without AltGr, common ones first
    AltGrLetters,  // letters that need AltGr or a dead key, the language's own first
    Symbols,       // a few common symbols that need AltGr or a dead key
};

// One step of a course: the characters it brings. A lesson adds at most
// two keys to learn: two letters, digits or marks, or one Shift key with
// the capitals it gives. A character typed on a key already learnt, with
// Shift, is no new key ("!" after "1").
struct Lesson {
    LessonKind kind = LessonKind::Letters;
    std::u32string characters;
};

// The order in which a course teaches the keys of its keyboard, worked out
// from the template: letters of the home row from the index fingers
// outward, then of the upper, lower and digit rows; then the capitals (the
// left hand's with the right Shift, then the right hand's); digits;
// punctuation; then the letters that need AltGr or a dead key, in the order
// of how often the dictionary uses them, and a few symbols. Letters that
// are equally easy come in the order of how often the language uses them.
std::vector<Lesson> PlanLessons(const CourseKeyboard& keyboard, const WordPool& words);

}  // namespace zq
