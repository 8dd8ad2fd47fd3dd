#pragma once

// Helpers for the tests of the keyboard guidance: key pictures written as
// Windows bitmap files, and key- and character-table rows.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "keyboard/Bitmap.h"
#include "keyboard/DataTable.h"
#include "keyboard/TDataMod.h"

namespace zq::testing {

inline void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

// A 24-bit Windows bitmap file of the picture, rows bottom-up unless asked.
inline std::string BmpBytes(const Bitmap& picture, bool topDown = false) {
    const int stride = (picture.Width() * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * picture.Height());
    std::string out = "BM";
    PutLe(out, 54 + dataSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(picture.Width()), 4);
    PutLe(out, static_cast<std::uint32_t>(topDown ? -picture.Height() : picture.Height()), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    for (int i = 0; i < 6; ++i) PutLe(out, 0, 4);
    for (int row = 0; row < picture.Height(); ++row) {
        const int y = topDown ? row : picture.Height() - 1 - row;
        for (int x = 0; x < picture.Width(); ++x) PutLe(out, picture.Pixel(x, y), 3);  // blue, green, red
        out.append(static_cast<size_t>(stride - picture.Width() * 3), '\0');
    }
    return out;
}

// A key picture: a frame of `edge` colour around a face, with a mark pixel.
inline Bitmap KeyPicture(int width, int height, RgbPixel face, RgbPixel edge = 0x202020) {
    Bitmap picture(width, height, face);
    for (int x = 0; x < width; ++x) {
        picture.SetPixel(x, 0, edge);
        picture.SetPixel(x, height - 2, edge);
    }
    return picture;  // the bottom row keeps the face colour: it is the face
}

struct TestKey {
    std::string name;
    std::int64_t keyValue = 0;
    std::int64_t keyType = 1;
    std::int64_t finger = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 36;
    std::int64_t height = 36;
    std::string glyph = BmpBytes(KeyPicture(36, 36, 0xFFFFFF));
};

// A key-table row in the stored field order: Name, KeyValue, KeyType,
// KeyType2, Finger, Glyph, Width, Height, X, Y, Hint.
inline std::vector<FieldValue> KeyTableRow(const TestKey& k) {
    return {k.name,   k.keyValue, k.keyType, std::int64_t{0}, k.finger, k.glyph, k.width,
            k.height, k.x,        k.y,       "key " + k.name};
}

// A character-table row: Name, Code, KeyNo, Shift, AltGr, Accent.
inline std::vector<FieldValue> CharTableRow(unsigned char code, std::int64_t keyNo, bool shift = false) {
    return {
        std::string(1, static_cast<char>(code)), std::int64_t{code}, keyNo, shift, false, std::int64_t{0}};
}

// Fills the store's tables as a template read would, in their orders.
inline void FillStore(TDataMod& store, const std::vector<TestKey>& keys,
                      std::vector<std::vector<FieldValue>> chars) {
    std::vector<std::vector<FieldValue>> keyRows;
    for (const auto& k : keys) keyRows.push_back(KeyTableRow(k));
    store.MainTbl.Reset(KeyTableFields(), std::move(keyRows));
    store.MainTbl.SortBy("Name");
    store.Ctbl.Reset(CharTableFields(), std::move(chars));
    store.Ctbl.SortBy("Code");
}

}  // namespace zq::testing
