#include "game/ui/ChangedTiles.h"

#include <algorithm>

namespace zq {

void ChangedTiles::Reset(QSize size) {
    size_ = size.expandedTo(QSize(0, 0));
    columns_ = (size_.width() + kTileWidth - 1) / kTileWidth;
    rows_ = (size_.height() + kTileHeight - 1) / kTileHeight;
    changed_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 1);
    any_ = !changed_.empty();
}

void ChangedTiles::Mark(const QRect& rect) {
    const QRect inside = rect.intersected(QRect(QPoint(0, 0), size_));
    if (inside.isEmpty()) return;
    const int firstColumn = inside.left() / kTileWidth;
    const int lastColumn = inside.right() / kTileWidth;
    for (int row = inside.top() / kTileHeight; row <= inside.bottom() / kTileHeight; ++row) {
        auto line = changed_.begin() + static_cast<std::ptrdiff_t>(row) * columns_;
        std::fill(line + firstColumn, line + lastColumn + 1, std::uint8_t{1});
    }
    any_ = true;
}

QRegion ChangedTiles::Take() {
    QRegion region;
    if (!any_) return region;
    // Row by row, each run of changed tiles one rectangle: sorted, not
    // touching side by side, one height a row, as QRegion::setRects wants.
    std::vector<QRect> rects;
    for (int row = 0; row < rows_; ++row) {
        auto line = changed_.begin() + static_cast<std::ptrdiff_t>(row) * columns_;
        const int top = row * kTileHeight;
        const int height = std::min(kTileHeight, size_.height() - top);
        for (int column = 0; column < columns_;) {
            if (line[column] == 0) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns_ && line[column] != 0) line[column++] = 0;
            const int left = first * kTileWidth;
            const int right = std::min(column * kTileWidth, size_.width());
            rects.emplace_back(left, top, right - left, height);
        }
    }
    any_ = false;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

}  // namespace zq
