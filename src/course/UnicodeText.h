#pragma once

#include <string>
#include <string_view>

namespace zq {

// Unicode text as the course maker handles it: words and lines are
// sequences of characters (std::u32string), written out as UTF-8. Letter
// case and classes follow Unicode (through the C.UTF-8 locale of the C
// library), not the locale of the user's session.

// Decodes bytes of a named encoding ("UTF-8", "ISO8859-2", "CP1250") with
// iconv. Invalid sequences become U+FFFD. Throws std::runtime_error for an
// encoding iconv does not know.
std::u32string DecodeText(std::string_view bytes, const std::string& encoding);

// UTF-8 to characters; invalid bytes become U+FFFD.
std::u32string FromUtf8Text(std::string_view utf8);
std::string ToUtf8Text(std::u32string_view text);

bool IsLetter(char32_t ch);
bool IsUpperCase(char32_t ch);
bool IsLowerCase(char32_t ch);
char32_t ToLowerCase(char32_t ch);
bool IsDigit(char32_t ch);

// A combining mark (Unicode's general categories Mn and Me) of the scripts
// of the program's code pages: Thai vowel signs and tone marks, Hebrew
// points, Arabic harakat, the accents of code page 1258. It belongs to the
// letter before it and cannot begin a word.
bool IsCombiningMark(char32_t ch);

// A letter's final form, which ends a word: Hebrew "ך ם ן ף ץ", Greek "ς".
bool IsFinalForm(char32_t ch);

// A letter a word can be built on: a letter that is no combining mark.
bool IsBaseLetter(char32_t ch);

// A vowel letter of the Latin, Cyrillic or Greek script, with or without
// accents, in either case. Made-up words are built of consonants and
// vowels; scripts without such vowels (Thai, Arabic, Hebrew) have none here.
bool IsVowel(char32_t ch);

}  // namespace zq
