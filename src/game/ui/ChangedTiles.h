#pragma once

#include <QRegion>
#include <QSize>
#include <cstdint>
#include <vector>

namespace zq {

// The parts of a picture that changed, kept as a grid of small tiles: a drop
// step changes a strip of every falling word, and a region built of dozens of
// separate rectangles, one union at a time, would cost more than the drawing
// itself. What is shown is rounded out to whole tiles.
class ChangedTiles {
public:
    static constexpr int kTileWidth = 32;
    static constexpr int kTileHeight = 16;

    // A picture of `size` pixels, all of it changed.
    void Reset(QSize size);
    void Mark(const QRect& rect);
    // The changed part since the last call, as a region clipped to the picture.
    QRegion Take();

private:
    QSize size_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint8_t> changed_;  // row by row
    bool any_ = false;
};

}  // namespace zq
