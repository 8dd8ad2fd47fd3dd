#include "templates/TemplateDump.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "base/CodePage.h"
#include "base/Numbers.h"
#include "base/TextFile.h"
#include "keyboard/DatasetPacket.h"
#include "keyboard/ZipArchive.h"
#include "templates/KeyPicturePainter.h"
#include "templates/TemplateBuild.h"
#include "templates/TemplateError.h"

namespace zq {

namespace {

constexpr int kDefaultCodePage = 1252;

// The key labels and code page that BuildTemplate keeps in its extra entry;
// a template from another tool has none (no labels, code page 1252).
struct Labels {
    int codePage = kDefaultCodePage;
    std::vector<std::string> labels;
};

Labels ReadLabels(const ZipArchive& archive) {
    Labels result;
    const ZipArchive::Entry entry = archive.Extract(kLabelsEntry);
    if (entry.status != ZipArchive::Status::Found) return result;
    const std::vector<std::string> lines = SplitLines(entry.bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto tokens = SplitTokens(lines[i]);
        if (i == 0 && tokens && tokens->size() == 2 && (*tokens)[0] == "codepage") {
            result.codePage = ParseInt32Or((*tokens)[1], kDefaultCodePage);
        } else {
            result.labels.push_back(tokens && tokens->size() == 1 ? (*tokens)[0] : std::string());
        }
    }
    return result;
}

// `codePage` when the system can convert it, else `fallback`.
int KnownCodePageOr(int codePage, int fallback) {
    const CodePageInForce probe(codePage);
    return IsKnownCodePage() ? codePage : fallback;
}

// The fields of a packet row, found by name; a field the packet lacks or a
// null value reads as 0 or an empty text.
class PacketRow {
public:
    PacketRow(const std::vector<FieldDef>& fields, const std::vector<FieldValue>& values)
        : fields_(fields), values_(values) {}

    std::int32_t Number(std::string_view name) const {
        const FieldValue* value = Find(name);
        if (!value) return 0;
        if (const auto* number = std::get_if<std::int64_t>(value)) return static_cast<std::int32_t>(*number);
        if (const auto* flag = std::get_if<bool>(value)) return *flag ? 1 : 0;
        if (const auto* real = std::get_if<double>(value)) return static_cast<std::int32_t>(*real);
        if (const auto* text = std::get_if<std::string>(value)) return ParseInt32Or(*text, 0);
        return 0;
    }
    std::string Text(std::string_view name) const {
        const FieldValue* value = Find(name);
        if (!value) return {};
        if (const auto* text = std::get_if<std::string>(value)) return *text;
        if (const auto* number = std::get_if<std::int64_t>(value)) return std::to_string(*number);
        return {};
    }

private:
    const FieldValue* Find(std::string_view name) const {
        for (size_t i = 0; i < fields_.size() && i < values_.size(); ++i) {
            if (fields_[i].name == name) return &values_[i];
        }
        return nullptr;
    }
    const std::vector<FieldDef>& fields_;
    const std::vector<FieldValue>& values_;
};

std::optional<DatasetPacket> ReadPacketEntry(const ZipArchive& archive, const char* name) {
    const ZipArchive::Entry entry = archive.Extract(name);
    if (entry.status == ZipArchive::Status::Failed) {
        throw TemplateError(std::string(name) +
                            " cannot be extracted (the archive is damaged or the entry too large)");
    }
    if (entry.status == ZipArchive::Status::Missing || entry.bytes.empty()) return std::nullopt;
    auto packet = ReadDatasetPacket(entry.bytes);
    if (!packet) throw TemplateError(std::string(name) + " is not a dataset packet this program can read");
    return packet;
}

// Whether BuildTemplate draws exactly this picture from the key's label.
bool IsDrawnFromLabel(KeyPicturePainter& painter, const DescribedKey& key, const std::string& glyph) {
    try {
        return painter.Draw(key.label, key.width, key.height) == glyph;
    } catch (const std::invalid_argument&) {
        return false;  // a size that is not drawn
    }
}

std::vector<DescribedKey> KeysOf(const ZipArchive& archive, const Labels& labels,
                                 KeyPicturePainter& painter) {
    std::vector<DescribedKey> keys;
    const auto packet = ReadPacketEntry(archive, "key.cds");
    if (!packet) return keys;
    for (size_t i = 0; i < packet->rows.size(); ++i) {
        const PacketRow row(packet->fields, packet->rows[i]);
        DescribedKey key{.name = ToUtf8(row.Text("Name")),
                         .keyValue = row.Number("KeyValue"),
                         .kind = row.Number("KeyType"),
                         .kind2 = row.Number("KeyType2"),
                         .finger = row.Number("Finger"),
                         .x = row.Number("X"),
                         .y = row.Number("Y"),
                         .width = row.Number("Width"),
                         .height = row.Number("Height"),
                         .label = i < labels.labels.size() ? labels.labels[i] : std::string(),
                         .hint = ToUtf8(row.Text("Hint")),
                         .picture = std::nullopt};
        const std::string glyph = row.Text("Glyph");
        if (!IsDrawnFromLabel(painter, key, glyph)) key.picture = glyph;
        keys.push_back(std::move(key));
    }
    return keys;
}

std::vector<DescribedChar> CharsOf(const ZipArchive& archive) {
    std::vector<DescribedChar> chars;
    const auto packet = ReadPacketEntry(archive, "char.cds");
    if (!packet) return chars;
    for (const auto& values : packet->rows) {
        const PacketRow row(packet->fields, values);
        chars.push_back({.name = ToUtf8(row.Text("Name")),
                         .code = row.Number("Code"),
                         .keyValue = row.Number("KeyNo"),
                         .shift = row.Number("Shift") != 0,
                         .altGr = row.Number("AltGr") != 0,
                         .accent = row.Number("Accent")});
    }
    return chars;
}

}  // namespace

KeyboardDescription DescribeTemplate(const std::string& path, KeyPicturePainter& painter) {
    const ZipArchive archive(path);
    if (!archive.IsOpen()) throw TemplateError("cannot open " + path + " as a ZIP archive");
    KeyboardDescription description;
    const Labels labels = ReadLabels(archive);
    description.codePage = KnownCodePageOr(labels.codePage, kDefaultCodePage);
    const CodePageInForce codePage(description.codePage);

    description.keys = KeysOf(archive, labels, painter);
    description.chars = CharsOf(archive);
    const ZipArchive::Entry readme = archive.Extract("readme");
    if (readme.status == ZipArchive::Status::Failed) throw TemplateError("readme cannot be extracted");
    for (const auto& line : SplitLines(readme.bytes)) description.readme.push_back(ToUtf8(line));
    return description;
}

}  // namespace zq
