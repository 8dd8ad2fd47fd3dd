#include "keyboard/KeyLegend.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/ColorContrast.h"

namespace zq {
namespace {

// A cap's outline reaches this close to every side of its picture.
constexpr int kCapMargin = 3;
// Pixels this close to the face, as a share of the way to the picture's
// farthest pixel, count as face: a faint rim shading can touch a legend
// that comes near it, and would join it to the cap.
constexpr double kFaintShare = 0.1;

double LuminanceOf(RgbPixel pixel) {
    return RelativeLuminance(Rgb(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF));
}

// The pixels that stand out from the face, in groups that touch (diagonally
// too): each glyph of a legend is one or a few of them, the cap one that
// goes round the whole picture.
class Groups {
public:
    Groups(const Bitmap& picture, RgbPixel face)
        : picture_(picture),
          faceLight_(LuminanceOf(face)),
          group_(static_cast<std::size_t>(picture.Width()) * picture.Height(), kNone) {
        double farthest = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                farthest = std::max(farthest, std::abs(LuminanceOf(picture.Pixel(x, y)) - faceLight_));
        faint_ = farthest * kFaintShare;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (StandsOut(x, y) && At(x, y) == kNone) Grow(x, y);
    }

    // Whether a pixel is of the legend: off the face, in a group that
    // neither touches the picture's edge nor reaches near every side.
    bool InLegend(int x, int y) const {
        const int group = At(x, y);
        return group != kNone && !capGroups_[static_cast<std::size_t>(group)];
    }

private:
    static constexpr int kNone = -1;

    int& At(int x, int y) { return group_[static_cast<std::size_t>(y) * picture_.Width() + x]; }
    int At(int x, int y) const { return group_[static_cast<std::size_t>(y) * picture_.Width() + x]; }

    bool StandsOut(int x, int y) const {
        return std::abs(LuminanceOf(picture_.Pixel(x, y)) - faceLight_) > faint_;
    }

    void Grow(int startX, int startY) {
        const int group = static_cast<int>(capGroups_.size());
        const int width = picture_.Width(), height = picture_.Height();
        int left = startX, right = startX, top = startY, bottom = startY;
        std::vector<std::pair<int, int>> open{{startX, startY}};
        At(startX, startY) = group;
        while (!open.empty()) {
            const auto [x, y] = open.back();
            open.pop_back();
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                    if (!StandsOut(nx, ny) || At(nx, ny) != kNone) continue;
                    At(nx, ny) = group;
                    open.emplace_back(nx, ny);
                }
        }
        const bool touchesEdge = left == 0 || top == 0 || right == width - 1 || bottom == height - 1;
        const bool goesRound = left <= kCapMargin && top <= kCapMargin && right >= width - 1 - kCapMargin &&
                               bottom >= height - 1 - kCapMargin;
        capGroups_.push_back(touchesEdge || goesRound);
    }

    const Bitmap& picture_;
    double faceLight_;
    double faint_ = 0;
    std::vector<int> group_;
    std::vector<bool> capGroups_;
};

}  // namespace

KeyLegend::KeyLegend(const Bitmap& picture, RgbPixel face)
    : width_(picture.Width()),
      height_(picture.Height()),
      cover_(static_cast<std::size_t>(width_) * height_, 0) {
    const Groups groups(picture, face);
    // The legend's own colour is the one farthest from the face in
    // brightness; anti-aliased pixels lie between the two, and a pixel on
    // the face's other side is a speck of shading, not legend.
    const double faceLight = LuminanceOf(face);
    double inkLight = faceLight;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (groups.InLegend(x, y) &&
                std::abs(LuminanceOf(picture.Pixel(x, y)) - faceLight) > std::abs(inkLight - faceLight))
                inkLight = LuminanceOf(picture.Pixel(x, y));
    if (inkLight == faceLight) return;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            if (!groups.InLegend(x, y)) continue;
            const double share = (LuminanceOf(picture.Pixel(x, y)) - faceLight) / (inkLight - faceLight);
            cover_[static_cast<std::size_t>(y) * width_ + x] =
                static_cast<std::uint8_t>(std::lround(std::clamp(share, 0.0, 1.0) * 255));
        }
}

}  // namespace zq
