#include "templates/KeyPicturePainter.h"

#include <stdexcept>

namespace zq {

std::string KeyPicturePainter::Draw(std::string_view label, int width, int height) {
    if (width < 1 || height < 1 || width > kMaxDrawnKeySide || height > kMaxDrawnKeySide) {
        throw std::invalid_argument("a key of " + std::to_string(width) + " x " + std::to_string(height) +
                                    " pixels cannot be drawn");
    }
    return DrawKey(label, width, height);
}

}  // namespace zq
