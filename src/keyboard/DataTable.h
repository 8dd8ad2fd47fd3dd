#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zq {

// Base types of a dataset packet field.
enum class FieldType : std::uint8_t {
    Integer = 1,
    Unsigned = 2,
    Boolean = 3,
    Float = 4,
    String = 9,
    WideString = 10,
    Bytes = 11,
};

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Integer;
    bool varying = false;  // length-prefixed value
    bool array = false;
    std::uint16_t size = 4;        // fixed: width in bytes; varying: width of the length prefix
    std::uint16_t attributes = 0;  // 4: required
    // Field properties as found in the packet ("WIDTH", "SUBTYPE"), kept so
    // that a written packet carries them again.
    struct Property {
        std::string name;
        std::uint16_t size = 0;
        std::uint16_t type = 0;
        std::string value;  // raw bytes
    };
    std::vector<Property> properties;
};

// A field's value: null, a number, a flag, or text/bytes (8-bit).
using FieldValue = std::variant<std::monostate, std::int64_t, bool, double, std::string>;

// A table loaded from a dataset packet: its fields, its rows in the table's
// order, and a cursor. A closed table (one whose packet could not be loaded)
// fails every use with "Cannot perform this operation on a closed dataset".
class DataTable {
public:
    // An open table with these fields and no rows.
    explicit DataTable(std::vector<FieldDef> fields = {});

    bool IsOpen() const { return open_; }
    void Close();  // closed: no fields, no rows

    // Replaces fields and rows; the table is open afterwards. The rows are
    // kept in the given order (callers sort them first, see SortBy*).
    void Reset(std::vector<FieldDef> fields, std::vector<std::vector<FieldValue>> rows);

    const std::vector<FieldDef>& Fields() const;
    const std::vector<std::vector<FieldValue>>& Rows() const;
    int RowCount() const;

    // Stable sort of the rows by a field: byte order of 8-bit strings, or
    // numeric order. Raises "Field '%s' not found" for an unknown field.
    void SortBy(std::string_view fieldName);

    // Cursor in the table's order. RecNo is 1 for the first row, 0 when the
    // table has no rows. Next on the last row sets Eof and stays on that row;
    // SetRecNo outside 1..RowCount leaves the cursor where it is.
    void First();
    void Next();
    bool Eof() const;
    int RecNo() const;
    void SetRecNo(int recNo);

    // Moves to the first row (in order) whose integer field equals `value`;
    // false (cursor unchanged) when none does.
    bool Locate(std::string_view fieldName, std::int64_t value);

    // Values of the current row. Raise "Field '%s' not found" for a field
    // the table lacks; a null value (and every value of a table without
    // rows) reads as 0, false or an empty string. AsInteger of a text raises
    // "'%s' is not a valid integer value" unless the text is a number.
    const FieldValue& Value(std::string_view fieldName) const;
    std::int32_t AsInteger(std::string_view fieldName) const;
    bool AsBoolean(std::string_view fieldName) const;
    std::string AsString(std::string_view fieldName) const;  // text or raw bytes

    // Index of a field (names compare without regard to ASCII case), or nothing.
    std::optional<size_t> FieldIndex(std::string_view fieldName) const;

private:
    void RequireOpen() const;
    size_t RequireField(std::string_view fieldName) const;

    bool open_ = true;
    std::vector<FieldDef> fields_;
    std::vector<std::vector<FieldValue>> rows_;
    size_t cursor_ = 0;  // 0-based index of the current row (meaningless without rows)
    bool eof_ = true;    // a Next went past the last row, or there are no rows
};

}  // namespace zq
