#pragma once

#include <string>

namespace zq {

// How speech names a character (a Unicode character), in the language of
// the program's texts (its catalogues): "space", "comma", "capital A",
// "e acute", "capital E acute". Small letters and digits are named by
// themselves, which every voice reads as the letter or the number; so are
// the letters of other scripts. The names of punctuation, symbols and
// accents are the program's own texts, translated like any other; a letter
// with an accent is named as its plain letter and its accent, so that a
// learner hears which key to add to which letter. A control character that
// is not typed (anything below the space but the tab and the line break)
// has no name.
std::string SpokenCharacterName(char32_t character);

}  // namespace zq
