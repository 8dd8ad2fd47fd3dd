#pragma once

#include <optional>

namespace zq {

// The accents a Latin letter may carry, as speech names them.
enum class Accent {
    Grave,        // à
    Acute,        // é
    Circumflex,   // ê
    Tilde,        // ñ
    Macron,       // ā
    Breve,        // ă
    DotAbove,     // ż
    Diaeresis,    // ä
    Ring,         // å
    DoubleAcute,  // ő
    Caron,        // š
    Cedilla,      // ç
    Ogonek,       // ą
    CommaBelow,   // ș
    Horn,         // ơ
    Stroke,       // ø
};

// A letter as its plain letter (an ASCII letter, in the letter's case) and
// its accent.
struct LetterParts {
    char base = 0;
    Accent accent = Accent::Acute;
};

// The parts of an accented Latin letter (a Unicode character) of the code
// pages the program reads; nothing for any other character.
std::optional<LetterParts> PartsOfLetter(char32_t letter);

}  // namespace zq
