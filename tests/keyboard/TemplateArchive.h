#pragma once

// Helpers that make keyboard template archives for tests: ZIP files written
// with libzip, and the rows of the two tables.

#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "keyboard/DatasetPacket.h"
#include "keyboard/TDataMod.h"

namespace zq::testing {

struct ArchiveEntry {
    std::string name;
    std::string bytes;
};

// Writes a ZIP archive holding the entries (deflated) at `path`.
inline void WriteZip(const std::filesystem::path& path, const std::vector<ArchiveEntry>& entries) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("cannot create " + path.string());
    for (const auto& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        if (!source || zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + entry.name);
        }
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path.string());
}

inline std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// One key-table row: Name, KeyValue, KeyType, KeyType2, Finger, Glyph,
// Width, Height, X, Y, Hint.
inline std::vector<FieldValue> KeyRow(std::string name, std::int64_t keyValue, std::int64_t finger = 0,
                                      std::string glyph = "BM") {
    return {std::move(name),
            keyValue,
            std::int64_t{1},
            std::int64_t{0},
            finger,
            std::move(glyph),
            std::int64_t{36},
            std::int64_t{36},
            std::int64_t{40} * (keyValue & 15),
            std::int64_t{40},
            std::string("a key")};
}

// One character-table row: Name, Code, KeyNo, Shift, AltGr, Accent.
inline std::vector<FieldValue> CharRow(std::string name, std::int64_t code, std::int64_t keyNo,
                                       bool shift = false, bool altGr = false, std::int64_t accent = 0) {
    return {std::move(name), code, keyNo, shift, altGr, accent};
}

inline std::string KeyPacket(const std::vector<std::vector<FieldValue>>& rows) {
    return WriteDatasetPacket(KeyTableFields(), rows);
}

inline std::string CharPacket(const std::vector<std::vector<FieldValue>>& rows) {
    return WriteDatasetPacket(CharTableFields(), rows);
}

}  // namespace zq::testing
