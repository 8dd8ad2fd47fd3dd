#include "keyboard/KeyArea.h"

#include <algorithm>

#include "base/LibraryError.h"
#include "keyboard/BmpDecoder.h"
#include "keyboard/DataTable.h"
#include "keyboard/KeyGroups.h"
#include "keyboard/TDataMod.h"

namespace zq {

namespace {

// The place of the key of the current row, within the sane range.
KeyRect KeyRectOf(const DataTable& keyTable) {
    const auto extent = [&](std::string_view field) {
        return std::clamp(keyTable.AsInteger(field), -KeyArea::kMaxKeyExtent, KeyArea::kMaxKeyExtent);
    };
    return {extent("X"), extent("Y"), extent("Width"), extent("Height")};
}

}  // namespace

KeyArea::KeyArea(KeyAreaView* view) : view_(view) {}

void KeyArea::ClearKeys() {
    while (!keys_.empty()) keys_.pop_back();
    AreaChanged();
}

void KeyArea::FitToKeys(DataTable& keyTable, TColor backgroundColor) {
    color_ = backgroundColor;
    int right = 0;
    int bottom = 0;
    for (keyTable.First(); !keyTable.Eof(); keyTable.Next()) {
        const KeyRect rect = KeyRectOf(keyTable);
        right = std::max(right, rect.Left + rect.Width);
        bottom = std::max(bottom, rect.Top + rect.Height);
    }
    width_ = right + kMargin;
    height_ = bottom + kMargin;
    AreaChanged();
}

void KeyArea::BuildKeys(DataTable& keyTable, TColor backgroundColor, bool blinkMode) {
    color_ = backgroundColor;
    AreaChanged();
    std::int64_t pixels = 0;
    for (keyTable.First(); !keyTable.Eof(); keyTable.Next()) {
        auto& key = *keys_.emplace_back(std::make_unique<ButtonType>(*this, KeyRectOf(keyTable)));
        key.Hint = keyTable.AsString("Hint");
        key.KeyValue = keyTable.AsInteger("KeyValue");
        key.KeyType2 = keyTable.AsInteger("KeyType2");
        key.Finger = keyTable.AsInteger("Finger");
        // A key without a picture (an empty field) shows its plain face.
        const std::string glyph = keyTable.AsString("Glyph");
        if (!glyph.empty()) {
            Bitmap picture = DecodeBmp(GlyphBitmapBytes(glyph));
            pixels += std::int64_t{picture.Width()} * picture.Height();
            if (pixels > kMaxPicturePixels) throw InvalidBitmapError();
            key.SetGlyph(std::move(picture));
        }
        key.BlinkMode = blinkMode;
        key.AllowAllUp = true;
        key.SetGroupIndex(KeyGroupOf(keyTable.AsInteger("KeyType")));
        AreaChanged();
    }
}

FoundKey KeyArea::FindKey(DataTable& charTable, DataTable& keyTable, unsigned char character) {
    if (!charTable.Locate("Code", character)) return {};
    if (!keyTable.Locate("KeyValue", charTable.AsInteger("KeyNo"))) return {};
    // The r-th row in Name order built the r-th key, unless the building
    // stopped before reaching it.
    const int row = keyTable.RecNo();
    if (row < 1 || row > static_cast<int>(keys_.size())) return {};
    FoundKey found{keys_[row - 1].get(), keyTable.AsInteger("Finger")};
    found.Key->SetHighlight(true);
    return found;
}

void KeyArea::KeyChanged(const ButtonType& key) {
    if (view_) view_->KeyChanged(key);
}

void KeyArea::ReleaseGroup(int group) {
    for (auto& key : keys_) {
        if (key->GroupIndex() == group) key->PopUp();
    }
}

void KeyArea::AreaChanged() {
    if (view_) view_->KeyAreaChanged();
}

}  // namespace zq
