#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "keyboard/FingerSettings.h"
#include "keyboard/KeyArea.h"

namespace zq {

class TDataMod;

// How a character is typed on a course's keyboard: its key, the finger that
// presses it, and what is held or pressed with it.
struct CharacterKey {
    std::size_t key = 0;       // index of the key in the key area
    std::int32_t finger = -1;  // 0 left little ... 9 right little; other values: none
    bool shift = false;
    bool altGr = false;
    std::int32_t accent = 0;  // 0, or the dead key's accent code (2001-2008)
};

// A course's keyboard as the progress window reads it: the keys of its
// template, the finger of each, and the key of each character (found as the
// on-screen keyboard finds it: the first character-table row of the
// character's code and the first key-table row of that row's key). All of
// it is read once, when the template is loaded.
class CourseKeyboard {
public:
    // Reads the template, whose character table holds 8-bit codes of
    // `codePage`; one that cannot be read gives a keyboard without keys.
    void LoadTemplate(const std::string& path, int codePage = SystemCodePage());

    const KeyArea& Keys() const { return area_; }
    // How a character is typed; nothing for a character the keyboard lacks.
    std::optional<CharacterKey> KeyOf(char32_t character) const;
    // The finger of a key; -1 for a key without one.
    std::int32_t FingerOfKey(std::size_t key) const;
    // What a screen reader calls a key (UTF-8, in the language of the
    // program's texts; see KeyNames8 and TranslatedKeyName): its hint, or the
    // characters it types alone; empty when the template tells neither.
    std::string KeyName(std::size_t key) const;
    // Where a key lies (an empty rectangle for a key that is not there).
    KeyRect RectOfKey(std::size_t key) const;
    // The lengths and colours of the template's fingers.
    const FingerSettings& Fingers() const { return fingers_; }

private:
    void ReadFingers(TDataMod& store);
    void ReadCharacters(TDataMod& store);
    void ReadNames(TDataMod& store);

    int codePage_ = SystemCodePage();
    KeyArea area_;
    std::vector<std::int32_t> keyFingers_;
    std::vector<std::string> keyNames8_;
    std::array<std::optional<CharacterKey>, 256> characters_{};  // by 8-bit code
    FingerSettings fingers_;
};

// Whether a finger number names one of the ten fingers, and the hand of one:
// 0 the left, 1 the right.
bool IsFinger(std::int32_t finger);
int HandOfFinger(std::int32_t finger);

}  // namespace zq
