#pragma once

#include <string>
#include <string_view>

namespace zq {

// Keys larger than this are not drawn (a description must give a picture).
inline constexpr int kMaxDrawnKeySide = 2000;

// The picture `build` gives a key: a rounded key cap with its label (UTF-8;
// "\n" separates the Shift line from the plain line), `width` x `height`
// pixels, as the bytes of a 24-bit Windows bitmap file. Every pixel outside
// the cap's outline and on its face has the face colour, which is also the
// bottom-left pixel: the on-screen keyboard treats that colour as the face.
// Needs a QGuiApplication.
std::string DrawKeyPicture(std::string_view label, int width, int height);

}  // namespace zq
