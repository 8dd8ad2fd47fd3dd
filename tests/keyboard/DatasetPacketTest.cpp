#include "keyboard/DatasetPacket.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "TemplateArchive.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using namespace std::string_literals;
using testing::CharRow;
using testing::KeyRow;

std::uint32_t U32At(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void PutU32(std::string& bytes, size_t at, std::uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutU16(std::string& bytes, size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

size_t RowsStart(const std::string& packet) {
    return static_cast<unsigned char>(packet[22]) | static_cast<unsigned char>(packet[23]) << 8;
}

FieldDef Field(std::string name, FieldType type, std::uint16_t size, bool varying = false) {
    FieldDef field;
    field.name = std::move(name);
    field.type = type;
    field.size = size;
    field.varying = varying;
    return field;
}

void ExpectSameFields(const std::vector<FieldDef>& actual, const std::vector<FieldDef>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].type, expected[i].type);
        EXPECT_EQ(actual[i].varying, expected[i].varying);
        EXPECT_EQ(actual[i].size, expected[i].size);
        EXPECT_EQ(actual[i].attributes, expected[i].attributes);
        ASSERT_EQ(actual[i].properties.size(), expected[i].properties.size());
        for (size_t p = 0; p < actual[i].properties.size(); ++p) {
            EXPECT_EQ(actual[i].properties[p].name, expected[i].properties[p].name);
            EXPECT_EQ(actual[i].properties[p].type, expected[i].properties[p].type);
            EXPECT_EQ(actual[i].properties[p].value, expected[i].properties[p].value);
        }
    }
}

TEST(DatasetPacket, EmptyKeyTableHasTheFormatsHeaderAndFieldDescriptions) {
    const std::string packet = testing::KeyPacket({});
    EXPECT_EQ(packet.substr(0, 22),
              "\x96\x19\xE0\xBD"s
              "\x01\0\0\0"s
              "\x18\0\0\0"s
              "\x0B\0"s
              "\0\0\0\0"s
              "\x03\0\0\0"s);
    EXPECT_EQ(RowsStart(packet), packet.size());
    EXPECT_NE(packet.find("\x04Name\x01\0\x49\0\x04\0\x01\0\x05WIDTH\x02\0\x02\0\x14\0"s), std::string::npos);
    EXPECT_NE(packet.find("\x05Glyph\x04\0\x4B\0\0\0\x01\0\x07SUBTYPE\x02\0\x49\0\x09\0Graphics\0"s),
              std::string::npos);
    EXPECT_NE(packet.find("\x04Hint\x01\0\x49\0\0\0\x01\0\x05WIDTH\x02\0\x02\0\x7F\0"s), std::string::npos);
    EXPECT_NE(packet.find("\x05Width\x04\0\x01\0\0\0\0\0"s), std::string::npos);
    EXPECT_EQ(packet.substr(packet.size() - 2), "\0\0"s);  // no table properties

    const std::string chars = testing::CharPacket({});
    EXPECT_EQ(chars[12], 6);
    EXPECT_NE(chars.find("\x05Shift\x02\0\x03\0\0\0\0\0"s), std::string::npos);
}

TEST(DatasetPacket, BothTablesSurviveARoundTrip) {
    const std::string glyph = "BM"s + std::string(300, '\xAB') + "\0end"s;
    const std::vector<std::vector<FieldValue>> keys = {KeyRow("K16 Q", 16, 0, glyph),
                                                       KeyRow("\xC4 key", -5, 9), KeyRow("", 2147483647, 4)};
    const auto readKeys = ReadDatasetPacket(testing::KeyPacket(keys));
    ASSERT_TRUE(readKeys.has_value());
    ExpectSameFields(readKeys->fields, KeyTableFields());
    EXPECT_EQ(readKeys->rows, keys);

    const std::vector<std::vector<FieldValue>> chars = {CharRow("e acute", 233, 18, false, false, 2002),
                                                        CharRow("A", 65, 30, true),
                                                        CharRow("euro", 128, 18, false, true)};
    const auto readChars = ReadDatasetPacket(testing::CharPacket(chars));
    ASSERT_TRUE(readChars.has_value());
    ExpectSameFields(readChars->fields, CharTableFields());
    EXPECT_EQ(readChars->rows, chars);
}

TEST(DatasetPacket, NullValuesStayNull) {
    std::vector<FieldValue> row = KeyRow("K1", 1);
    row[1] = FieldValue{};   // KeyValue
    row[5] = FieldValue{};   // Glyph
    row[10] = FieldValue{};  // Hint, the last field
    const auto read = ReadDatasetPacket(testing::KeyPacket({row, KeyRow("K2", 2)}));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->rows.size(), 2u);
    EXPECT_EQ(read->rows[0], row);
    EXPECT_EQ(read->rows[1], KeyRow("K2", 2));
}

TEST(DatasetPacket, FixedWidthValuesOfEveryKind) {
    FieldDef tiny = IntegerField("Tiny");
    tiny.size = 1;
    FieldDef big = IntegerField("Big");
    big.size = 8;
    FieldDef word = IntegerField("Word");
    word.type = FieldType::Unsigned;
    word.size = 2;
    const FieldDef real = Field("Real", FieldType::Float, 8);
    const FieldDef fixedText = Field("Fixed", FieldType::String, 6);
    FieldDef longText = StringField("Long", 400);
    longText.size = 2;
    const std::vector<FieldDef> fields = {tiny, big, word, real, fixedText, longText};
    const std::vector<FieldValue> row = {std::int64_t{-1},    std::int64_t{-5000000000},
                                         std::int64_t{65535}, 2.5,
                                         std::string("abc"),  std::string(300, 'x')};
    const auto read = ReadDatasetPacket(WriteDatasetPacket(fields, {row}));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->rows.at(0), row);
}

// A packet of the fields Name (text) and Code (integer) followed by rows
// written by hand, with their status bytes.
std::string PacketWithRows(const std::vector<std::string>& rows) {
    std::string packet = WriteDatasetPacket({StringField("Name", 30), IntegerField("Code")}, {});
    PutU32(packet, 14, static_cast<std::uint32_t>(rows.size()));
    for (const auto& row : rows) packet += row;
    return packet;
}

std::string Name(const std::string& text) {
    return static_cast<char>(text.size()) + text;
}
std::string Code(std::uint8_t code) {
    return std::string{static_cast<char>(code), 0, 0, 0};
}

TEST(DatasetPacket, RowStatusesDecideWhichRowsBelongToTheTable) {
    const std::string packet = PacketWithRows({
        "\x00\x00"s + Name("plain") + Code(1), "\x02\x00"s + Name("deleted") + Code(2),
        "\x01\x00"s + Name("before") + Code(3),
        "\x08\x02"s + Code(30),  // changed: Name not changed, Code changed
        "\x20\x00"s + Name("unused") + Code(5),
        "\x04\x01"s + Code(6),  // inserted with a null Name
    });
    const auto read = ReadDatasetPacket(packet);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->rows, (std::vector<std::vector<FieldValue>>{{"plain"s, std::int64_t{1}},
                                                                {"before"s, std::int64_t{30}},
                                                                {FieldValue{}, std::int64_t{6}}}));
}

TEST(DatasetPacket, OtherVersionNumbersAndUtf16TextAreRead) {
    std::string packet = WriteDatasetPacket({Field("W", FieldType::Bytes, 2, true)}, {{"\xE9\x00\xAC\x20"s}});
    const size_t type = packet.find("\x01W\x02\x00\x4B"s);
    ASSERT_NE(type, std::string::npos);
    packet[type + 4] = 0x4A;  // varying UTF-16 text
    PutU32(packet, 4, 2);
    const auto read = ReadDatasetPacket(packet);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->fields.at(0).type, FieldType::WideString);
    EXPECT_EQ(read->rows.at(0).at(0), FieldValue("\xE9\x80"s));  // e acute and the euro sign in 1252
}

// A pair of surrogates is one character (here one the code page lacks); a
// surrogate without its partner is a character of its own that no code page
// holds.
TEST(DatasetPacket, Utf16SurrogatePairsAreOneCharacter) {
    const std::string text = "a\x00\x3D\xD8\x00\xDE\x00\xDC\x62\x00\x3D\xD8"s;
    std::string packet = WriteDatasetPacket({Field("W", FieldType::Bytes, 2, true)}, {{text}});
    const size_t type = packet.find("\x01W\x02\x00\x4B"s);
    ASSERT_NE(type, std::string::npos);
    packet[type + 4] = 0x4A;  // varying UTF-16 text
    const auto read = ReadDatasetPacket(packet);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->rows.at(0).at(0), FieldValue("a??b?"s));
}

class DamagedPacket : public ::testing::Test {
protected:
    // One key row: status byte, three bytes of field bits, then the values.
    const std::string packet = testing::KeyPacket({KeyRow("K16 Q", 16, 0, "BM-picture")});
    const size_t rows = RowsStart(packet);
    const size_t namePrefix = rows + 4;
    const size_t glyphPrefix = namePrefix + 1 + 5 + 4 * 4;
};

TEST_F(DamagedPacket, TheUndamagedPacketReads) {
    ASSERT_EQ(U32At(packet, glyphPrefix), 10u);
    EXPECT_TRUE(ReadDatasetPacket(packet).has_value());
}

TEST_F(DamagedPacket, EveryTruncationFails) {
    for (size_t length = 0; length < packet.size(); ++length) {
        EXPECT_FALSE(ReadDatasetPacket(packet.substr(0, length)).has_value()) << "length " << length;
    }
}

TEST_F(DamagedPacket, CountsLargerThanTheDataFail) {
    for (std::uint32_t count : {2u, 1000u, 0xFFFFFFFFu}) {
        std::string damaged = packet;
        PutU32(damaged, 14, count);
        EXPECT_FALSE(ReadDatasetPacket(damaged).has_value()) << count << " rows";
    }
    std::string fields = packet;
    PutU16(fields, 12, 12);
    EXPECT_FALSE(ReadDatasetPacket(fields).has_value());
    std::string properties = packet;
    properties[properties.find("\x05WIDTH"s) - 2] = 9;  // the Name field's property count
    EXPECT_FALSE(ReadDatasetPacket(properties).has_value());
}

TEST_F(DamagedPacket, LengthPrefixesPastTheEndFail) {
    std::string name = packet;
    name[namePrefix] = '\xFF';
    EXPECT_FALSE(ReadDatasetPacket(name).has_value());
    for (std::uint32_t length : {11u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        std::string glyph = packet;
        PutU32(glyph, glyphPrefix, length);
        EXPECT_FALSE(ReadDatasetPacket(glyph).has_value()) << length;
    }
}

TEST_F(DamagedPacket, WrongHeaderOrLayoutFails) {
    std::string signature = packet;
    signature[0] = 'P';
    EXPECT_FALSE(ReadDatasetPacket(signature).has_value());
    std::string headerLength = packet;
    PutU32(headerLength, 8, 20);
    EXPECT_FALSE(ReadDatasetPacket(headerLength).has_value());
    std::string rowsBeforeFields = packet;
    PutU16(rowsBeforeFields, 22, 40);
    EXPECT_FALSE(ReadDatasetPacket(rowsBeforeFields).has_value());
    std::string rowsPastEnd = packet;
    PutU16(rowsPastEnd, 22, static_cast<std::uint16_t>(packet.size() + 1));
    EXPECT_FALSE(ReadDatasetPacket(rowsPastEnd).has_value());
    std::string prefixWidth = packet;
    prefixWidth[prefixWidth.find("\x05Glyph"s) + 6] = 3;  // a three-byte length prefix
    EXPECT_FALSE(ReadDatasetPacket(prefixWidth).has_value());
    std::string array = packet;
    array[array.find("\x05Width"s) + 8] = '\x81';  // an array of integers
    EXPECT_FALSE(ReadDatasetPacket(array).has_value());
}

TEST_F(DamagedPacket, RandomDamageGivesFailureOrWholeRows) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = packet;
        for (int flips = 1 + round % 4; flips > 0; --flips) {
            damaged[random() % damaged.size()] = static_cast<char>(random());
        }
        const auto read = ReadDatasetPacket(damaged);
        if (!read) continue;
        for (const auto& row : read->rows) ASSERT_EQ(row.size(), read->fields.size());
    }
}

// A packet of one picture field: an original row holding `value`, then
// `copies` changed rows of two bytes each that take it over unchanged.
std::string PacketCopying(const std::string& value, std::uint32_t copies) {
    std::string packet = WriteDatasetPacket({GraphicField("Glyph")}, {{value}});
    PutU32(packet, 14, copies + 1);
    packet[RowsStart(packet)] = 0x01;  // the row is the original of the next
    for (std::uint32_t i = 0; i < copies; ++i) packet += "\x08\x02"s;
    return packet;
}

// A few bytes may ask for a table far larger than themselves; the reader
// refuses rather than allocates.
TEST(DatasetPacket, APacketThatWouldExpandBeyondItsBoundsIsRefused) {
    const std::string megabyte(1024 * 1024, 'x');
    const auto fewCopies = ReadDatasetPacket(PacketCopying(megabyte, 3));
    ASSERT_TRUE(fewCopies.has_value());
    EXPECT_EQ(fewCopies->rows, (std::vector<std::vector<FieldValue>>(3, {megabyte})));
    EXPECT_FALSE(ReadDatasetPacket(PacketCopying(megabyte, 70)).has_value());

    std::vector<FieldDef> fields;
    for (int i = 0; i < 1000; ++i) {
        std::string name = "F";  // appended: "F" + ... trips GCC 12's -Wrestrict
        name += std::to_string(i);
        fields.push_back(IntegerField(name));
    }
    const auto hundredThousandCells =
        ReadDatasetPacket(WriteDatasetPacket(fields, {100, std::vector<FieldValue>{}}));
    ASSERT_TRUE(hundredThousandCells.has_value());
    EXPECT_EQ(hundredThousandCells->rows.size(), 100u);
    EXPECT_FALSE(ReadDatasetPacket(WriteDatasetPacket(fields, {101, std::vector<FieldValue>{}})).has_value());
}

TEST(DatasetPacket, WritingRefusesValuesThatDoNotSuitTheirField) {
    EXPECT_THROW(WriteDatasetPacket({IntegerField("Code")}, {{"a"s}}), std::invalid_argument);
    EXPECT_THROW(WriteDatasetPacket({StringField("Name", 20)}, {{std::int64_t{1}}}), std::invalid_argument);
}

}  // namespace
}  // namespace zq
