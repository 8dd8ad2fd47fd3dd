#pragma once

#include <string>
#include <vector>

namespace zq {

class TDataMod;

// What a screen reader calls each key of a keyboard built from the store,
// in the order the keys are built (the key table's rows), as 8-bit text of
// the template's code page: the key's hint ("a, Shift A", "Left Shift"), or
// for a key without one the characters it types without Shift, AltGr or an
// accent (the character table's names for the unprintable ones: "space",
// "Return"); empty when the template tells neither. Moves the tables'
// cursors, as every look-up of the store does.
std::vector<std::string> KeyNames8(TDataMod& store);

}  // namespace zq
