#include "keyboard/TDataMod.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <new>
#include <optional>

#include "base/AsciiText.h"
#include "base/Numbers.h"
#include "base/TextFile.h"
#include "keyboard/DatasetPacket.h"
#include "keyboard/ZipArchive.h"

namespace zq {

namespace {

// Finger keys in the order in which the settings are set.
constexpr std::array<const char*, 10> kFingerKeys = {"LLittle", "LRing", "LMiddle", "LIndex", "LThumb",
                                                     "RLittle", "RRing", "RMiddle", "RIndex", "RThumb"};

// The settings lines of a "readme" text: the value of a key is the rest of
// the first line whose text before its first "=" is the key, compared
// without regard to case.
class ReadmeLines {
public:
    explicit ReadmeLines(std::string_view text) : lines_(SplitLines(text)) {}

    std::optional<std::string> Value(std::string_view key) const {
        for (const auto& line : lines_) {
            const size_t equals = line.find('=');
            if (equals != std::string::npos &&
                EqualsIgnoringAsciiCase(std::string_view(line).substr(0, equals), key)) {
                return line.substr(equals + 1);
            }
        }
        return std::nullopt;
    }

private:
    std::vector<std::string> lines_;
};

enum class TableStep { Kept, Loaded, Failed };

// Whether the packet has a field of every name in `fields`.
bool HasFieldsNamed(const DatasetPacket& packet, const std::vector<FieldDef>& fields) {
    return std::ranges::all_of(fields, [&](const FieldDef& wanted) {
        return std::ranges::any_of(packet.fields, [&](const FieldDef& field) {
            return EqualsIgnoringAsciiCase(field.name, wanted.name);
        });
    });
}

// Loads one packet entry into `table`, ordered by `orderField`. A missing or
// empty entry keeps the table; one that cannot be read keeps it too (the
// archive is damaged); a packet that cannot be loaded closes it, as does one
// without a field the keyboard reads (`fields`): another table in its place
// would fail at every use of the keyboard.
TableStep LoadTableEntry(const ZipArchive& archive, std::string_view entryName, DataTable& table,
                         const std::vector<FieldDef>& fields, std::string_view orderField) {
    const ZipArchive::Entry entry = archive.Extract(entryName);
    if (entry.status == ZipArchive::Status::Failed) return TableStep::Failed;
    if (entry.status == ZipArchive::Status::Missing || entry.bytes.empty()) return TableStep::Kept;

    std::optional<DatasetPacket> packet = ReadDatasetPacket(entry.bytes);
    if (!packet || !HasFieldsNamed(*packet, fields)) {
        table.Close();
        return TableStep::Failed;
    }
    try {
        table.Reset(std::move(packet->fields), std::move(packet->rows));
        table.SortBy(orderField);
    } catch (const std::bad_alloc&) {
        table.Close();  // loaded in part: unusable, like any packet that cannot be loaded
        return TableStep::Failed;
    }
    return TableStep::Loaded;
}

}  // namespace

TDataMod::TDataMod() : MainTbl(KeyTableFields()), Ctbl(CharTableFields()) {}

// The steps, in order; a failing step ends the reading with false, and what
// earlier steps replaced stays replaced:
//   1. open the file as a ZIP archive (a missing or non-ZIP file fails);
//   2. "key.cds" into MainTbl, ordered by Name;
//   3. "char.cds" into Ctbl, ordered by Code (stable);
//   4. "readme" (an empty text when the archive lacks it);
//   5. the settings: "bkcolor" first (missing or invalid fails before any
//      setting changes), then the others, where a missing or invalid finger
//      value becomes 0.
bool TDataMod::LoadTemplate(const std::string& path) {
    // Silent whatever happens: memory running out included.
    try {
        return ReadTemplate(path);
    } catch (const std::exception&) {
        return false;
    }
}

bool TDataMod::ReadTemplate(const std::string& path) {
    const ZipArchive archive(path);
    if (!archive.IsOpen()) return false;
    if (LoadTableEntry(archive, "key.cds", MainTbl, KeyTableFields(), "Name") == TableStep::Failed)
        return false;
    if (LoadTableEntry(archive, "char.cds", Ctbl, CharTableFields(), "Code") == TableStep::Failed)
        return false;

    const ZipArchive::Entry readme = archive.Extract("readme");
    if (readme.status == ZipArchive::Status::Failed) return false;
    const ReadmeLines lines(readme.bytes);

    const auto bkcolor = lines.Value("bkcolor");
    const auto color = bkcolor ? TryParseInt32(*bkcolor) : std::nullopt;
    if (!color) return false;
    numbers_["bkcolor"] = *color;
    texts_["author"] = lines.Value("Author").value_or("");
    texts_["misc"] = lines.Value("misc").value_or("");
    for (const std::string suffix : {"", "x", "Color"}) {
        for (const char* finger : kFingerKeys) {
            const std::string key = finger + suffix;
            const auto value = lines.Value(key);
            numbers_[AsciiLower(key)] = value ? ParseInt32Or(*value, 0) : 0;
        }
    }
    return true;
}

std::int32_t TDataMod::IntSetting(std::string_view key) const {
    const auto found = numbers_.find(AsciiLower(key));
    return found == numbers_.end() ? 0 : found->second;
}

std::string TDataMod::TextSetting(std::string_view key) const {
    const auto found = texts_.find(AsciiLower(key));
    return found == texts_.end() ? std::string() : found->second;
}

TDataMod& DataMod() {
    static TDataMod store;
    return store;
}

std::vector<FieldDef> KeyTableFields() {
    return {StringField("Name", 20, true),
            IntegerField("KeyValue"),
            IntegerField("KeyType"),
            IntegerField("KeyType2"),
            IntegerField("Finger"),
            GraphicField("Glyph"),
            IntegerField("Width"),
            IntegerField("Height"),
            IntegerField("X"),
            IntegerField("Y"),
            StringField("Hint", 127)};
}

std::vector<FieldDef> CharTableFields() {
    return {StringField("Name", 30), IntegerField("Code"),  IntegerField("KeyNo"),
            BooleanField("Shift"),   BooleanField("AltGr"), IntegerField("Accent")};
}

// The optional header: the 16-bit words 1 and 0x0100, then the 32-bit length
// of what follows it, all little-endian.
std::string_view GlyphBitmapBytes(std::string_view fieldValue) {
    constexpr size_t kHeaderSize = 8;
    if (fieldValue.size() < kHeaderSize) return fieldValue;
    auto byte = [&](size_t i) { return std::uint32_t(static_cast<unsigned char>(fieldValue[i])); };
    const std::uint32_t first = byte(0) | byte(1) << 8;
    const std::uint32_t second = byte(2) | byte(3) << 8;
    const std::uint32_t length = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
    if (first == 1 && second == 0x0100 && length == fieldValue.size() - kHeaderSize) {
        return fieldValue.substr(kHeaderSize);
    }
    return fieldValue;
}

}  // namespace zq
