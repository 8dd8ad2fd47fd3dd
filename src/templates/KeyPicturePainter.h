#pragma once

#include <string>
#include <string_view>

namespace zq {

// Draws the pictures of keys whose description gives none. Making a
// template calls it; the drawing itself needs a toolkit, so it is done
// behind this interface (templates/ui/KeyCapPainter draws with Qt).
class KeyPicturePainter {
public:
    // Keys larger than this are not drawn (a description must give a picture).
    static constexpr int kMaxDrawnKeySide = 2000;

    virtual ~KeyPicturePainter() = default;

    // The picture of a key `width` x `height` pixels with its label (UTF-8;
    // "\n" separates the Shift line from the plain line), as the bytes of a
    // 24-bit Windows bitmap file. The bottom-left pixel has the colour of
    // the key's face: the on-screen keyboard takes that colour as the face.
    // The same label and size always give the same bytes. Throws
    // std::invalid_argument for a side below 1 or above kMaxDrawnKeySide.
    std::string Draw(std::string_view label, int width, int height);

private:
    // Draw with a size already checked.
    virtual std::string DrawKey(std::string_view label, int width, int height) = 0;
};

}  // namespace zq
