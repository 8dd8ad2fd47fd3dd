// zq-template check IN.zqt: loads a template with the program's own store
// and tells the course author what the program will see, and why a template
// that fails to load fails.

#include <array>
#include <filesystem>
#include <iostream>
#include <set>

#include "Commands.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/Numbers.h"
#include "base/TextFile.h"
#include "keyboard/DatasetPacket.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ZipArchive.h"

namespace zq {

namespace {

// Finger keys in finger-number order, left little to right little.
constexpr std::array<const char*, 10> kFingerKeys = {"LLittle", "LRing",  "LMiddle", "LIndex", "LThumb",
                                                     "RThumb",  "RIndex", "RMiddle", "RRing",  "RLittle"};

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

// Why LoadTemplate failed, in the order in which it reads the template.
std::string FailureReason(const std::string& path) {
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
    if (readme.status == ZipArchive::Status::Missing)
        return "the archive has no readme (entries must lie at its top)";
    return "the readme has no \"bkcolor\" line with a valid number";
}

void PrintTable(const char* title, const DataTable& table) {
    std::cout << title << ": ";
    if (table.IsOpen()) {
        std::cout << table.RowCount() << " rows\n";
    } else {
        std::cout << "closed (its packet could not be loaded)\n";
    }
}

void PrintSettings(const TDataMod& store) {
    std::cout << "bkcolor=" << store.IntSetting("bkcolor") << "\n";
    std::cout << "Author=" << ToUtf8(store.TextSetting("Author")) << "\n";
    std::cout << "misc=" << ToUtf8(store.TextSetting("misc")) << "\n";
    for (const char* suffix : {"", "x", "Color"}) {
        for (const char* finger : kFingerKeys) {
            const std::string key = std::string(finger) + suffix;
            std::cout << key << "=" << store.IntSetting(key) << "\n";
        }
    }
}

// Faults that do not stop the program from loading the template but that a
// course author wants to hear about.
std::vector<std::string> Warnings(TDataMod& store) {
    std::vector<std::string> warnings;
    std::set<std::int32_t> keyValues;
    if (store.MainTbl.IsOpen() && store.MainTbl.FieldIndex("KeyValue") && store.MainTbl.FieldIndex("Glyph")) {
        for (store.MainTbl.First(); !store.MainTbl.Eof(); store.MainTbl.Next()) {
            keyValues.insert(store.MainTbl.AsInteger("KeyValue"));
            const std::string glyph = store.MainTbl.AsString("Glyph");
            if (!GlyphBitmapBytes(glyph).starts_with("BM")) {
                warnings.push_back("key \"" + ToUtf8(store.MainTbl.AsString("Name")) +
                                   "\" has a picture that is not a Windows bitmap");
            }
        }
    }
    if (store.Ctbl.IsOpen() && store.Ctbl.FieldIndex("Code") && store.Ctbl.FieldIndex("KeyNo")) {
        for (store.Ctbl.First(); !store.Ctbl.Eof(); store.Ctbl.Next()) {
            const std::int32_t code = store.Ctbl.AsInteger("Code");
            const std::string name = "character row \"" + ToUtf8(store.Ctbl.AsString("Name")) + "\"";
            if (code < 0 || code > 255)
                warnings.push_back(name + " has the code " + std::to_string(code) + ", not 0-255");
            if (store.MainTbl.IsOpen() && !keyValues.contains(store.Ctbl.AsInteger("KeyNo"))) {
                warnings.push_back(name + " refers to key " + std::to_string(store.Ctbl.AsInteger("KeyNo")) +
                                   ", which the key table lacks");
            }
        }
    }
    return warnings;
}

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
    if (args.size() != 1) return ShowUsage();
    const std::string& path = args[0];
    try {
        TDataMod store;
        const bool loaded = store.LoadTemplate(path);
        if (loaded) {
            std::cout << "LoadTemplate succeeded: " << path << "\n";
        } else {
            std::cout << "LoadTemplate failed: " << path << ": " << FailureReason(path) << "\n";
        }
        PrintTable("Key table", store.MainTbl);
        PrintTable("Character table", store.Ctbl);
        PrintSettings(store);
        const auto warnings = Warnings(store);
        for (const auto& warning : warnings) std::cout << "warning: " << warning << "\n";
        return loaded ? 0 : 1;
    } catch (const LibraryError& error) {
        std::cout << "LoadTemplate failed: " << path << ": " << error.what() << "\n";
        return 1;
    }
}

}  // namespace zq
