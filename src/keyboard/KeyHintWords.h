#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zq {

// The English words the hints of the keyboard templates the program makes
// name keys with ("Backspace", "dead grave", "space"). The template maker
// writes them into a template; TranslatedKeyName shows them in the windows'
// language. Both read them here, so that every word a template gets is one
// the catalogues translate. Each function returns the table's own text (a
// catalogue's message id), or null when the table has no such word.

// The word of a key that types no character, by the key's XKB name ("BKSP":
// "Backspace"); null for the keys named by their caption ("F1").
const char* NamedKeyWord(std::string_view xkbName);

// The word of a dead key, by its keysym (XKB_KEY_dead_grave: "dead grave").
const char* DeadKeyWord(std::uint32_t keysym);

// The word of the space character, at any level: "space".
const char* SpaceWord();

// The table's text of `text` when it is one of the words above, else null.
const char* FindKeyHintWord(std::string_view text);

// What a hint puts before a way of typing at another level of the key or on
// the keypad ("Shift A", "Keypad 7"), and how the windows' language says it
// (a catalogue's message id with "%s" for the rest).
struct HintPrefix {
    std::string_view english;  // "Shift "
    const char* format;        // "Shift %s"
};
// Every prefix, the longest first ("Shift+AltGr " begins with "Shift").
std::span<const HintPrefix> HintPrefixes();
// The prefix of a key's level: 0 plain (""), 1 Shift, 2 AltGr, 3 Shift+AltGr.
std::string_view LevelPrefix(std::size_t level);
// The prefix of a key of the numeric keypad: "Keypad ".
std::string_view KeypadPrefix();

}  // namespace zq
