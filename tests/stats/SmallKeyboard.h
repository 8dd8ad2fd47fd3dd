#pragma once

// A small keyboard template for the tests of the progress window's
// diagnosis: two rows of keys with their fingers, and characters typed with
// Shift, AltGr and a dead key.

#include <filesystem>
#include <string>

#include "../keyboard/TemplateArchive.h"

namespace zq::testing {

// A key 36 pixels square in `row` (0 the upper, 1 the home row) and `column`.
inline std::vector<FieldValue> KeyAt(std::string name, std::int64_t keyValue, std::int64_t finger, int row,
                                     int column) {
    return {std::move(name),
            keyValue,
            std::int64_t{1},
            std::int64_t{0},
            finger,
            std::string(),
            std::int64_t{36},
            std::int64_t{36},
            std::int64_t{40} * column,
            std::int64_t{4} + 40 * row,
            std::string()};
}

// Keys, in the table's Name order (the key area's order): "a" (left little
// finger, home row), "d" (left middle), "e" (left middle, upper row),
// "f" and "g" (left index, home row), "j" (right index), "q" (left little,
// upper row), "s" (left ring), "space" (right thumb), "z" (no finger).
// Characters: a, d, e (also E with Shift, € with AltGr and é after the acute
// dead key), f, g, j, q, s, the blank, z.
inline void WriteSmallKeyboard(const std::filesystem::path& path) {
    WriteZip(
        path,
        {{"key.cds", KeyPacket({KeyAt("a", 30, 0, 1, 0), KeyAt("d", 32, 2, 1, 2), KeyAt("e", 18, 2, 0, 2),
                                KeyAt("f", 33, 3, 1, 3), KeyAt("g", 34, 3, 1, 4), KeyAt("j", 36, 6, 1, 6),
                                KeyAt("q", 16, 0, 0, 0), KeyAt("s", 31, 1, 1, 1), KeyAt("space", 57, 5, 2, 3),
                                KeyAt("z", 44, 10, 2, 0)})},
         {"char.cds",
          CharPacket({CharRow("blank", ' ', 57), CharRow("E", 'E', 18, true), CharRow("a", 'a', 30),
                      CharRow("d", 'd', 32), CharRow("e", 'e', 18), CharRow("f", 'f', 33),
                      CharRow("g", 'g', 34), CharRow("j", 'j', 36), CharRow("q", 'q', 16),
                      CharRow("s", 's', 31), CharRow("z", 'z', 44), CharRow("euro", 0x80, 18, false, true),
                      CharRow("e acute", 0xE9, 18, false, false, 2002)})},
         {"readme",
          "bkcolor=0\r\nLLittle=40\r\nLRing=50\r\nLMiddle=60\r\nLIndex=55\r\nLThumb=30\r\n"
          "RThumb=30\r\nRIndex=55\r\nRMiddle=60\r\nRRing=50\r\nRLittle=40\r\n"}});
}

}  // namespace zq::testing
