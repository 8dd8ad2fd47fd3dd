#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zq {

// Which Windows code page holds the letters of a language. Languages are
// named as the XKB registry names them (ISO 639-3, "pol") or by their ISO
// 639-1 code ("pl"), in any case. Unlike CodePageForLanguage, which gives
// 1252 for everything it does not know, this says when a language has no
// code page at all: its letters fit none of the 8-bit pages the program's
// texts are held in (Indic scripts, Armenian, Georgian, Chinese, ...).
std::optional<int> LanguageCodePage(std::string_view language);

// The ISO 639-1 code of a language when it has one ("pol" -> "pl"), else
// the code as given, in lower case.
std::string ShortLanguageCode(std::string_view language);

// The code pages a course can be written in.
bool IsCourseCodePage(int codePage);

}  // namespace zq
