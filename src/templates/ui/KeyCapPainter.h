#pragma once

#include "templates/KeyPicturePainter.h"

namespace zq {

// Draws a key as a rounded key cap with its label in DejaVu Sans: a light
// face with a lower rim and an outline. Every pixel outside the cap's
// outline has the face colour too, so the corners show the face. Needs a
// QGuiApplication (for the fonts).
class KeyCapPainter : public KeyPicturePainter {
private:
    std::string DrawKey(std::string_view label, int width, int height) override;
};

}  // namespace zq
