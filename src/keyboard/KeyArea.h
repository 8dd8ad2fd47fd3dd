#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/Color.h"
#include "keyboard/ButtonType.h"

namespace zq {

class DataTable;

// What the key area's rules ask of the window that draws it.
class KeyAreaView {
public:
    virtual ~KeyAreaView() = default;
    // Keys were added or removed, or the size or colour changed.
    virtual void KeyAreaChanged() = 0;
    // One key's picture or pressed state changed.
    virtual void KeyChanged(const ButtonType& key) = 0;
};

// The key found for a character, and the finger that presses it.
struct FoundKey {
    ButtonType* Key = nullptr;
    std::int32_t Finger = -1;
};

// The key area of the on-screen keyboard: one key per row of the key table,
// built in the table's (Name) order so that a later key lies on top of an
// earlier one, on a background of the template's "bkcolor".
class KeyArea {
public:
    static constexpr int kMargin = 10;  // added right of and below the keys
    // A key's X, Y, Width and Height are taken within this many pixels either
    // side of 0: far beyond any keyboard that fits a screen, and small
    // enough that no sum of them overflows.
    static constexpr int kMaxKeyExtent = 4096;
    // All key pictures of a keyboard together hold at most this many pixels,
    // some thirty times a real keyboard's: a small template can ask for one
    // huge picture on every key.
    static constexpr std::int64_t kMaxPicturePixels = std::int64_t{4} * 1024 * 1024;

    explicit KeyArea(KeyAreaView* view = nullptr);

    // Removes every key, the last built first.
    void ClearKeys();
    // Sizes the area to the keys of the table: the largest X + Width and
    // Y + Height, plus the margin.
    void FitToKeys(DataTable& keyTable, TColor backgroundColor);
    // Builds one key per row. A row that cannot be read stops the building
    // with its error, and so does a picture beyond kMaxPicturePixels ("Bitmap
    // image is not valid"); the keys built before stay.
    void BuildKeys(DataTable& keyTable, TColor backgroundColor, bool blinkMode);
    // The key of a character through the character table's first row with
    // that code and the key table's first row with its KeyNo, highlighted.
    FoundKey FindKey(DataTable& charTable, DataTable& keyTable, unsigned char character);

    int Width() const { return width_; }
    int Height() const { return height_; }
    TColor BackgroundColor() const { return color_; }  // template colour (red in the low byte)
    const std::vector<std::unique_ptr<ButtonType>>& Keys() const { return keys_; }

    // Called by the keys.
    void KeyChanged(const ButtonType& key);
    void ReleaseGroup(int group);

private:
    void AreaChanged();

    KeyAreaView* view_;
    std::vector<std::unique_ptr<ButtonType>> keys_;
    int width_ = kMargin;
    int height_ = kMargin;
    TColor color_ = 0;
};

}  // namespace zq
