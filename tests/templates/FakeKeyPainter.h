#pragma once

// A key picture painter for the templates library's tests: instead of a
// bitmap it gives a short text naming the label and size, in a style of its
// own, and counts what it was asked to draw.

#include <string>
#include <string_view>

#include "templates/KeyPicturePainter.h"

namespace zq::testing {

class FakeKeyPainter : public KeyPicturePainter {
public:
    explicit FakeKeyPainter(std::string style = "BM") : style_(std::move(style)) {}

    // What Draw gives for a key of this label and size.
    std::string PictureOf(std::string_view label, int width, int height) const {
        return style_ + " " + std::string(label) + " " + std::to_string(width) + "x" + std::to_string(height);
    }

    int drawn = 0;

private:
    std::string DrawKey(std::string_view label, int width, int height) override {
        ++drawn;
        return PictureOf(label, width, height);
    }

    std::string style_;
};

}  // namespace zq::testing
