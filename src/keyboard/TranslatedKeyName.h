#pragma once

#include <string>
#include <string_view>

namespace zq {

// A key's name as a keyboard template gives it (UTF-8; the key's hint, see
// KeyNames8: "a, Shift A", "Left Shift", "Keypad 7", "², Shift ~, AltGr ¬")
// in the language of the program's texts, for screen readers: the English
// words of the template (the names of keys such as Backspace, the levels
// Shift and AltGr, "Keypad", dead keys, "space") are translated, the
// characters kept. Words a template may hold beyond those stay as they are.
std::string TranslatedKeyName(std::string_view nameUtf8);

}  // namespace zq
