#pragma once

#include <cstdint>
#include <string>

#include "keyboard/Bitmap.h"

namespace zq {

class KeyArea;

// Where and how big a key is, in pixels of the key area.
struct KeyRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// One key of the on-screen keyboard: a picture drawn over a face colour,
// a pressed state shared with its group, and the highlight that swaps the
// picture for its inverse. The key has no window of its own; its key area
// draws it and is told of every change.
class ButtonType {
public:
    ButtonType(KeyArea& owner, KeyRect rect);
    ButtonType(const ButtonType&) = delete;
    ButtonType& operator=(const ButtonType&) = delete;

    const KeyRect& Rect() const { return rect_; }

    // Kept from the key table; the guidance itself does not use them.
    std::string Hint;
    std::int32_t KeyValue = 0;
    std::int32_t KeyType2 = 0;
    std::int32_t Finger = -1;  // 0 to 9, as the templates number them

    // Sets the picture: the normal one as given, the highlighted one its
    // inverse, and the face colour the normal picture's bottom-left pixel.
    void SetGlyph(Bitmap picture);
    const Bitmap& NormalGlyph() const { return normalGlyph_; }
    const Bitmap& HighlightGlyph() const { return highlightGlyph_; }
    // The picture shown now; its bottom-left colour is drawn transparent.
    const Bitmap& Glyph() const { return showsHighlight_ ? highlightGlyph_ : normalGlyph_; }
    bool ShowsHighlightGlyph() const { return showsHighlight_; }
    RgbPixel FaceColor() const { return faceColor_; }

    bool BlinkMode = false;

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group) { groupIndex_ = group; }
    bool AllowAllUp = false;

    // The pressed state. A key without a group never looks pressed; pressing
    // a key releases the other key of its group that is pressed.
    bool Down() const { return down_; }
    void SetDown(bool down);
    // Released because another key of the group was pressed.
    void PopUp();

    // Steady keys show the inverted picture while highlighted; every key with
    // a group is pressed while highlighted.
    void SetHighlight(bool on);

private:
    void ShowHighlightGlyph(bool on);

    KeyArea& owner_;
    KeyRect rect_;
    Bitmap normalGlyph_;
    Bitmap highlightGlyph_;
    bool showsHighlight_ = false;
    RgbPixel faceColor_ = 0xF0F0F0;  // a key without a picture shows a plain light face
    int groupIndex_ = 0;
    bool down_ = false;
};

}  // namespace zq
