#pragma once

#include <QImage>

#include <optional>
#include <string>

namespace zq {

// A keyboard template as the program's windows show it.
struct TemplatePreview {
    QImage picture;
    // False when the template could be read only in part: the picture then
    // shows what was read.
    bool readWhole = false;
    // The finger of the lit key as the on-screen keyboard gives it (0 left
    // little ... 9 right little, -1 when the character has no key); nothing
    // when no character was lit.
    std::optional<int> finger;
};

// Draws the on-screen keyboard of the template at `path` with the key of
// `character` (an 8-bit code of the code page in force) lit steadily, and
// both hands beside it pointing at its finger, with the program's own
// windows (never shown). Needs a QApplication. Raises LibraryError when the
// template's pictures cannot be read.
TemplatePreview PreviewTemplate(const std::string& path, std::optional<unsigned char> character);

}  // namespace zq
