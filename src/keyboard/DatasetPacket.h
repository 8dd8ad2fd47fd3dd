#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/DataTable.h"

namespace zq {

// The content of a dataset packet: field descriptions and the rows that
// belong to the table, in stored order.
struct DatasetPacket {
    std::vector<FieldDef> fields;
    std::vector<std::vector<FieldValue>> rows;
};

// What a packet may expand to, far above any real keyboard (a hundred-odd
// keys of eleven fields): a few bytes of "not changed" rows can ask for the
// values of an original row again and again, and a few bytes of header for
// a great many empty cells.
inline constexpr std::uint64_t kMaxPacketCells = 100'000;         // rows times fields
inline constexpr std::uint64_t kMaxPacketValueBytes = 64u << 20;  // text and bytes, copies included

// Reads a dataset packet in the format's binary encoding (the one of the
// "key.cds" and "char.cds" entries of a keyboard template). Rows that are
// deleted, unused or the original image of a changed row are left out; a
// changed row takes its unchanged fields from the original before it.
// Returns nothing when the bytes are not a packet this reader understands,
// are damaged (every length and count is checked against the bytes left),
// would expand beyond the bounds above, or memory runs out.
//
// A field property's `value` holds the property's bytes exactly as stored
// after its type word (with the length prefix of a varying value or the
// count of an array), so that writing the field again keeps it unchanged.
std::optional<DatasetPacket> ReadDatasetPacket(std::string_view bytes);

// Writes a packet that ReadDatasetPacket reads back: every row plain, null
// values marked as null. A value must suit its field: a number or flag for
// numeric and boolean fields, a text for string and byte fields (a text
// longer than its length prefix can count is cut). Raises
// std::invalid_argument for a value that does not suit its field or a field
// the encoding cannot hold (arrays), std::length_error when the field
// descriptions exceed 64 KiB.
std::string WriteDatasetPacket(const std::vector<FieldDef>& fields,
                               const std::vector<std::vector<FieldValue>>& rows);

// Field descriptions of the kinds a keyboard template uses.
FieldDef IntegerField(std::string name);                                   // 32-bit signed
FieldDef BooleanField(std::string name);                                   // 16-bit flag
FieldDef StringField(std::string name, int width, bool required = false);  // 8-bit text, "WIDTH"
FieldDef GraphicField(std::string name);                                   // bytes with "SUBTYPE" "Graphics"

}  // namespace zq
