#include "templates/TemplateCheck.h"

#include <filesystem>
#include <set>

#include "base/CodePage.h"
#include "keyboard/DatasetPacket.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ZipArchive.h"

namespace zq {

namespace {

std::string DescribeEntryFailure(const ZipArchive& archive, const char* name, const char* orderField) {
    const ZipArchive::Entry entry = archive.Extract(name);
    if (entry.status == ZipArchive::Status::Failed) {
        return std::string(name) + " cannot be extracted: the archive is damaged or the entry is over 16 MiB";
    }
    if (entry.status == ZipArchive::Status::Missing || entry.bytes.empty()) return {};
    const auto packet = ReadDatasetPacket(entry.bytes);
    if (!packet) return std::string(name) + " is damaged or is not a dataset packet";
    for (const auto& field : packet->fields) {
        if (field.name == orderField) return {};
    }
    return std::string(name) + " has no field " + orderField;
}

void AddKeyWarnings(DataTable& keys, std::set<std::int32_t>& keyValues, std::vector<std::string>& warnings) {
    if (!keys.IsOpen() || !keys.FieldIndex("KeyValue") || !keys.FieldIndex("Glyph")) return;
    for (keys.First(); !keys.Eof(); keys.Next()) {
        keyValues.insert(keys.AsInteger("KeyValue"));
        if (!GlyphBitmapBytes(keys.AsString("Glyph")).starts_with("BM")) {
            warnings.push_back("key \"" + ToUtf8(keys.AsString("Name")) +
                               "\" has a picture that is not a Windows bitmap");
        }
    }
}

void AddCharacterWarnings(DataTable& chars, const std::set<std::int32_t>* keyValues,
                          std::vector<std::string>& warnings) {
    if (!chars.IsOpen() || !chars.FieldIndex("Code") || !chars.FieldIndex("KeyNo")) return;
    for (chars.First(); !chars.Eof(); chars.Next()) {
        const std::int32_t code = chars.AsInteger("Code");
        const std::string name = "character row \"" + ToUtf8(chars.AsString("Name")) + "\"";
        if (code < 0 || code > 255)
            warnings.push_back(name + " has the code " + std::to_string(code) + ", not 0-255");
        if (keyValues && !keyValues->contains(chars.AsInteger("KeyNo"))) {
            warnings.push_back(name + " refers to key " + std::to_string(chars.AsInteger("KeyNo")) +
                               ", which the key table lacks");
        }
    }
}

}  // namespace

std::string TemplateLoadFailure(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return "the file does not exist or is not a file";
    const ZipArchive archive(path);
    if (!archive.IsOpen()) return "the file is not a ZIP archive or cannot be read";
    for (const auto& [entry, field] : {std::pair{"key.cds", "Name"}, std::pair{"char.cds", "Code"}}) {
        std::string reason = DescribeEntryFailure(archive, entry, field);
        if (!reason.empty()) return reason;
    }
    const ZipArchive::Entry readme = archive.Extract("readme");
    if (readme.status == ZipArchive::Status::Failed) return "readme cannot be extracted";
    if (readme.status == ZipArchive::Status::Missing) {
        return "the archive has no readme (entries must lie at its top)";
    }
    return "the readme has no \"bkcolor\" line with a valid number";
}

std::vector<std::string> TemplateWarnings(TDataMod& store) {
    std::vector<std::string> warnings;
    std::set<std::int32_t> keyValues;
    AddKeyWarnings(store.MainTbl, keyValues, warnings);
    // Without a key table, no row can be said to miss its key.
    AddCharacterWarnings(store.Ctbl, store.MainTbl.IsOpen() ? &keyValues : nullptr, warnings);
    return warnings;
}

}  // namespace zq
