#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/DataTable.h"

namespace zq {

// The keyboard template store: the key table, the character table and the
// settings of the template read last. One instance, DataMod, serves the
// on-screen keyboard and the hands windows.
class TDataMod {
public:
    TDataMod();  // both tables open with their fields and no rows

    // Reads a template archive: "key.cds" into MainTbl, "char.cds" into Ctbl,
    // then the settings of "readme" (see the .cpp for the steps and what a
    // failed step leaves behind). Silent: returns whether every step
    // succeeded; never raises, not even when memory runs out.
    bool LoadTemplate(const std::string& path);

    DataTable MainTbl;  // keys, in Name order
    DataTable Ctbl;     // characters, in Code order (stable)

    // Settings of "readme": "bkcolor", finger lengths and colours and their
    // "x" keys as integers; "Author" and "misc" as text. Keys compare without
    // regard to case. A key that is not a setting gives 0 or an empty text.
    std::int32_t IntSetting(std::string_view key) const;
    std::string TextSetting(std::string_view key) const;

private:
    bool ReadTemplate(const std::string& path);

    std::map<std::string, std::int32_t> numbers_;  // lower-case keys
    std::map<std::string, std::string> texts_;     // lower-case keys
};

// The one store of the program.
TDataMod& DataMod();

// The fields of the two tables, in their stored order (what the store holds
// before a template is read, and what the template tool writes).
std::vector<FieldDef> KeyTableFields();
std::vector<FieldDef> CharTableFields();

// The key picture of a Glyph field value: the bytes of a Windows bitmap
// file, with the optional 8-byte header skipped.
std::string_view GlyphBitmapBytes(std::string_view fieldValue);

}  // namespace zq
