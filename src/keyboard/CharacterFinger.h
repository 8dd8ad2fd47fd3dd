#pragma once

#include <cstdint>

namespace zq {

class TDataMod;

// The finger (0 to 9, as the template numbers them) that types a character
// (an 8-bit code) on the keyboard the template store holds: the finger of
// the character's own key, found as the on-screen keyboard finds the key to
// light (the character table's first row with the code, then the key
// table's first row with its KeyNo). A Shift or dead key the character also
// needs does not change it. -1 when the character has no key, or its key no
// finger. Moves the tables' cursors, as every look-up of the store does.
std::int32_t FingerOfCharacter(TDataMod& store, unsigned char character);

}  // namespace zq
