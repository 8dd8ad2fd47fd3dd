#include "keyboard/DatasetPacket.h"

#include <bit>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "base/CodePage.h"
#include "base/Utf16Decoder.h"

namespace zq {

namespace {

constexpr std::string_view kSignature = "\x96\x19\xE0\xBD";
constexpr std::uint32_t kHeaderLength = 24;
constexpr std::uint32_t kWrittenVersion = 1;
constexpr std::uint32_t kHeaderFlags = 3;

// Type word of a field or property: the base type in the low bits and two flags.
constexpr std::uint16_t kBaseTypeMask = 0x3F;
constexpr std::uint16_t kVaryingFlag = 0x40;
constexpr std::uint16_t kArrayFlag = 0x80;

constexpr std::uint16_t kRequiredAttribute = 4;

// Smallest encodings: a property with an empty name and value (name length,
// size, type); a field with an empty name and no properties (name length,
// size, type, attributes, property count).
constexpr std::uint64_t kMinimumPropertySize = 5;
constexpr std::uint64_t kMinimumFieldSize = 9;

// Row status: rows with these bits are not part of the table.
constexpr std::uint8_t kOriginalRow = 0x01;
constexpr std::uint8_t kDeletedRow = 0x02;
constexpr std::uint8_t kUnusedRow = 0x20;

// Two status bits per field.
constexpr unsigned kNullBit = 1;
constexpr unsigned kNotChangedBit = 2;

// Thrown inside the reader when the bytes do not hold what they claim, or
// ask for more than the bounds allow.
struct DamagedPacket {};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    size_t Position() const { return position_; }
    size_t Remaining() const { return bytes_.size() - position_; }

    std::string_view Take(std::uint64_t count) {
        if (count > Remaining()) throw DamagedPacket{};
        const std::string_view taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }

    std::uint64_t Unsigned(size_t width) {
        const std::string_view raw = Take(width);
        std::uint64_t value = 0;
        for (size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(raw[i]);
        return value;
    }
    std::uint8_t U8() { return static_cast<std::uint8_t>(Unsigned(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Unsigned(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Unsigned(4)); }

    // A length prefix of `width` bytes and the bytes it counts.
    std::string_view Prefixed(size_t width) { return Take(Unsigned(width)); }

    // The bytes from `start` up to the current position.
    std::string_view Since(size_t start) const { return bytes_.substr(start, position_ - start); }

    void Seek(size_t position) {
        if (position > bytes_.size()) throw DamagedPacket{};
        position_ = position;
    }

private:
    std::string_view bytes_;
    size_t position_ = 0;
};

class ByteWriter {
public:
    void Unsigned(std::uint64_t value, size_t width) {
        for (size_t i = 0; i < width; ++i) bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    void Raw(std::string_view raw) { bytes_.append(raw); }
    void ShortName(std::string_view name) {
        if (name.size() > 255) throw std::invalid_argument("name longer than 255 bytes");
        Unsigned(name.size(), 1);
        Raw(name);
    }
    void PatchU16(size_t position, std::uint16_t value) {
        bytes_[position] = static_cast<char>(value & 0xFF);
        bytes_[position + 1] = static_cast<char>(value >> 8);
    }
    size_t Size() const { return bytes_.size(); }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

bool IsPrefixWidth(std::uint16_t size) {
    return size == 1 || size == 2 || size == 4;
}

// Whether this reader knows how to decode a field's values.
bool HasReadableLayout(const FieldDef& field) {
    if (field.array) return false;
    if (field.varying) return IsPrefixWidth(field.size);
    switch (field.type) {
        case FieldType::Integer:
        case FieldType::Unsigned:
            return field.size == 1 || field.size == 2 || field.size == 4 || field.size == 8;
        case FieldType::Boolean:
            return field.size == 1 || field.size == 2 || field.size == 4;
        case FieldType::Float:
            return field.size == 4 || field.size == 8;
        default:
            return true;  // kept as raw bytes
    }
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// UTF-16LE text, up to a NUL unit, to the 8-bit code page: characters the
// code page lacks, and unpaired surrogates, become "?".
std::string Utf16ToCodePage(std::string_view bytes) {
    Utf16Decoder decoder;
    std::u32string characters;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                                (static_cast<unsigned char>(bytes[at + 1]) << 8));
        if (unit == 0) break;
        decoder.Take(unit, characters);
    }
    decoder.Finish(characters);
    std::string text8;
    for (const char32_t ch : characters) text8 += static_cast<char>(CodeOfChar(ch).value_or('?'));
    return text8;
}

FieldValue DecodeFixed(const FieldDef& field, ByteReader& reader) {
    switch (field.type) {
        case FieldType::Integer: {
            const std::uint64_t raw = reader.Unsigned(field.size);
            const unsigned unusedBits = 64 - 8 * field.size;
            return static_cast<std::int64_t>(raw << unusedBits) >> unusedBits;  // sign-extended
        }
        case FieldType::Unsigned:
            return static_cast<std::int64_t>(reader.Unsigned(field.size));
        case FieldType::Boolean:
            return reader.Unsigned(field.size) != 0;
        case FieldType::Float:
            if (field.size == 4) return double(std::bit_cast<float>(reader.U32()));
            return std::bit_cast<double>(reader.Unsigned(8));
        case FieldType::String:
            return std::string(UpToNul(reader.Take(field.size)));
        case FieldType::WideString:
            return Utf16ToCodePage(reader.Take(field.size));
        default:
            return std::string(reader.Take(field.size));
    }
}

FieldValue DecodeValue(const FieldDef& field, ByteReader& reader) {
    if (!field.varying) return DecodeFixed(field, reader);
    const std::string_view data = reader.Prefixed(field.size);
    switch (field.type) {
        case FieldType::String:
            return std::string(UpToNul(data));
        case FieldType::WideString:
            return Utf16ToCodePage(data);
        default:
            return std::string(data);
    }
}

// Fails unless `count` items of at least `minimumSize` bytes each fit in what
// is left, so that no count makes the reader allocate more than the data.
void RequireRoomFor(const ByteReader& reader, std::uint64_t count, std::uint64_t minimumSize) {
    if (count * minimumSize > reader.Remaining()) throw DamagedPacket{};
}

// Counts the bytes of the text values read, copies of an original row's
// values included, against kMaxPacketValueBytes.
class ValueBudget {
public:
    void Spend(const FieldValue& value) {
        if (const auto* text = std::get_if<std::string>(&value)) spent_ += text->size();
        if (spent_ > kMaxPacketValueBytes) throw DamagedPacket{};
    }

private:
    std::uint64_t spent_ = 0;
};

// Properties, each kept with its value bytes as stored after its type word.
std::vector<FieldDef::Property> ReadProperties(ByteReader& reader) {
    const std::uint16_t propertyCount = reader.U16();
    RequireRoomFor(reader, propertyCount, kMinimumPropertySize);
    std::vector<FieldDef::Property> properties(propertyCount);
    for (auto& property : properties) {
        property.name = std::string(reader.Take(reader.U8()));
        property.size = reader.U16();
        property.type = reader.U16();
        const size_t start = reader.Position();
        if (property.type & kArrayFlag) {
            const std::uint64_t elements = reader.U32();
            reader.Take(elements * property.size);
        } else if (property.type & kVaryingFlag) {
            if (!IsPrefixWidth(property.size)) throw DamagedPacket{};
            reader.Prefixed(property.size);
        } else {
            reader.Take(property.size);
        }
        property.value = std::string(reader.Since(start));
    }
    return properties;
}

FieldDef ReadFieldDescription(ByteReader& reader) {
    FieldDef field;
    field.name = std::string(reader.Take(reader.U8()));
    field.size = reader.U16();
    const std::uint16_t type = reader.U16();
    field.type = static_cast<FieldType>(type & kBaseTypeMask);
    field.varying = (type & kVaryingFlag) != 0;
    field.array = (type & kArrayFlag) != 0;
    field.attributes = reader.U16();
    field.properties = ReadProperties(reader);
    return field;
}

DatasetPacket ReadPacket(std::string_view bytes) {
    ByteReader reader(bytes);
    if (reader.Take(kSignature.size()) != kSignature) throw DamagedPacket{};
    reader.U32();  // version: any, as long as the layout below holds
    const std::uint32_t headerLength = reader.U32();
    const std::uint16_t fieldCount = reader.U16();
    const std::uint32_t rowCount = reader.U32();
    reader.U32();  // flags
    const std::uint16_t rowsStart = reader.U16();
    if (headerLength != kHeaderLength) throw DamagedPacket{};

    RequireRoomFor(reader, fieldCount, kMinimumFieldSize);
    DatasetPacket packet;
    packet.fields.reserve(fieldCount);
    for (unsigned i = 0; i < fieldCount; ++i) {
        packet.fields.push_back(ReadFieldDescription(reader));
        if (!HasReadableLayout(packet.fields.back())) throw DamagedPacket{};
    }
    ReadProperties(reader);  // table properties: nothing in them matters here
    if (rowsStart < reader.Position()) throw DamagedPacket{};
    reader.Seek(rowsStart);

    if (std::uint64_t{rowCount} * fieldCount > kMaxPacketCells) throw DamagedPacket{};
    const size_t statusBytes = (fieldCount + 3) / 4;
    RequireRoomFor(reader, rowCount, 1 + statusBytes);
    ValueBudget budget;
    std::vector<FieldValue> original(fieldCount);
    for (std::uint32_t r = 0; r < rowCount; ++r) {
        const std::uint8_t rowStatus = reader.U8();
        const std::string_view fieldBits = reader.Take(statusBytes);
        std::vector<FieldValue> row(fieldCount);
        for (size_t f = 0; f < fieldCount; ++f) {
            const unsigned bits = (static_cast<unsigned char>(fieldBits[f / 4]) >> (2 * (f % 4))) & 3;
            if (bits == 0) {
                row[f] = DecodeValue(packet.fields[f], reader);
            } else if (bits == kNotChangedBit) {
                row[f] = original[f];
            }  // otherwise null
            budget.Spend(row[f]);
        }
        if (rowStatus & kOriginalRow) {
            original = std::move(row);
        } else if (!(rowStatus & (kDeletedRow | kUnusedRow))) {
            packet.rows.push_back(std::move(row));
        }
    }
    return packet;
}

std::int64_t NumberOf(const FieldValue& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? 1 : 0;
    throw std::invalid_argument("a numeric field needs a number");
}

const std::string& TextOf(const FieldValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    throw std::invalid_argument("a string or byte field needs a text");
}

void WriteValue(ByteWriter& writer, const FieldDef& field, const FieldValue& value) {
    if (field.varying) {
        const std::string& text = TextOf(value);
        const std::uint64_t limit = field.size == 4 ? std::numeric_limits<std::uint32_t>::max()
                                                    : (std::uint64_t(1) << (8 * field.size)) - 1;
        const std::string_view stored = std::string_view(text).substr(0, limit);
        writer.Unsigned(stored.size(), field.size);
        writer.Raw(stored);
        return;
    }
    switch (field.type) {
        case FieldType::Integer:
        case FieldType::Unsigned:
        case FieldType::Boolean:
            writer.Unsigned(static_cast<std::uint64_t>(NumberOf(value)), field.size);
            return;
        case FieldType::Float: {
            const double* real = std::get_if<double>(&value);
            const double number = real ? *real : double(NumberOf(value));
            if (field.size == 4) {
                writer.Unsigned(std::bit_cast<std::uint32_t>(float(number)), 4);
            } else {
                writer.Unsigned(std::bit_cast<std::uint64_t>(number), 8);
            }
            return;
        }
        case FieldType::WideString:
            throw std::invalid_argument("UTF-16 fields are not written");
        default: {
            std::string text = TextOf(value);
            text.resize(field.size, '\0');
            writer.Raw(text);
        }
    }
}

void WriteFieldDescription(ByteWriter& writer, const FieldDef& field) {
    if (field.array || !HasReadableLayout(field)) {
        throw std::invalid_argument("field '" + field.name + "' has a layout that cannot be written");
    }
    writer.ShortName(field.name);
    writer.Unsigned(field.size, 2);
    const auto type = static_cast<std::uint16_t>(static_cast<std::uint16_t>(field.type) |
                                                 (field.varying ? kVaryingFlag : 0));
    writer.Unsigned(type, 2);
    writer.Unsigned(field.attributes, 2);
    writer.Unsigned(field.properties.size(), 2);
    for (const auto& property : field.properties) {
        writer.ShortName(property.name);
        writer.Unsigned(property.size, 2);
        writer.Unsigned(property.type, 2);
        writer.Raw(property.value);
    }
}

FieldDef::Property UnsignedProperty(std::string name, std::uint16_t value) {
    std::string raw{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    return {std::move(name), 2, static_cast<std::uint16_t>(FieldType::Unsigned), std::move(raw)};
}

FieldDef::Property TextProperty(std::string name, std::string_view text) {
    const auto length = static_cast<std::uint16_t>(text.size() + 1);  // with its NUL
    std::string raw{static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)};
    raw.append(text);
    raw.push_back('\0');
    return {std::move(name), 2,
            static_cast<std::uint16_t>(static_cast<std::uint16_t>(FieldType::String) | kVaryingFlag),
            std::move(raw)};
}

}  // namespace

std::optional<DatasetPacket> ReadDatasetPacket(std::string_view bytes) {
    try {
        return ReadPacket(bytes);
    } catch (const DamagedPacket&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::string WriteDatasetPacket(const std::vector<FieldDef>& fields,
                               const std::vector<std::vector<FieldValue>>& rows) {
    if (fields.size() > std::numeric_limits<std::uint16_t>::max()) throw std::length_error("too many fields");
    ByteWriter writer;
    writer.Raw(kSignature);
    writer.Unsigned(kWrittenVersion, 4);
    writer.Unsigned(kHeaderLength, 4);
    writer.Unsigned(fields.size(), 2);
    writer.Unsigned(rows.size(), 4);
    writer.Unsigned(kHeaderFlags, 4);
    const size_t rowsStartPosition = writer.Size();
    writer.Unsigned(0, 2);  // patched below
    for (const auto& field : fields) WriteFieldDescription(writer, field);
    writer.Unsigned(0, 2);  // no table properties
    if (writer.Size() > std::numeric_limits<std::uint16_t>::max()) {
        throw std::length_error("field descriptions longer than 64 KiB");
    }
    writer.PatchU16(rowsStartPosition, static_cast<std::uint16_t>(writer.Size()));

    for (const auto& row : rows) {
        writer.Unsigned(0, 1);  // a plain row
        std::string fieldBits((fields.size() + 3) / 4, '\0');
        for (size_t f = 0; f < fields.size(); ++f) {
            if (f >= row.size() || std::holds_alternative<std::monostate>(row[f])) {
                fieldBits[f / 4] = static_cast<char>(fieldBits[f / 4] | (kNullBit << (2 * (f % 4))));
            }
        }
        writer.Raw(fieldBits);
        for (size_t f = 0; f < fields.size() && f < row.size(); ++f) {
            if (!std::holds_alternative<std::monostate>(row[f])) WriteValue(writer, fields[f], row[f]);
        }
    }
    return writer.Take();
}

FieldDef IntegerField(std::string name) {
    FieldDef field;
    field.name = std::move(name);
    field.type = FieldType::Integer;
    field.size = 4;
    return field;
}

FieldDef BooleanField(std::string name) {
    FieldDef field;
    field.name = std::move(name);
    field.type = FieldType::Boolean;
    field.size = 2;
    return field;
}

FieldDef StringField(std::string name, int width, bool required) {
    FieldDef field;
    field.name = std::move(name);
    field.type = FieldType::String;
    field.varying = true;
    field.size = 1;
    field.attributes = required ? kRequiredAttribute : 0;
    field.properties.push_back(UnsignedProperty("WIDTH", static_cast<std::uint16_t>(width)));
    return field;
}

FieldDef GraphicField(std::string name) {
    FieldDef field;
    field.name = std::move(name);
    field.type = FieldType::Bytes;
    field.varying = true;
    field.size = 4;
    field.properties.push_back(TextProperty("SUBTYPE", "Graphics"));
    return field;
}

}  // namespace zq
