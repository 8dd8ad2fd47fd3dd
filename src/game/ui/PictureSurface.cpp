#include "game/ui/PictureSurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/ui/Colors.h"

namespace zq {
namespace {

constexpr QRgb kRgbBits = 0x00FFFFFF;

QRect ToQRect(const GameRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

// The bands of a rectangle outlined with a pen `width` pixels wide, centred
// on its edges, and its inside: together they cover every pixel once.
struct OutlinedRect {
    std::vector<GameRect> outline;
    GameRect inside;
};

OutlinedRect Outline(const GameRect& rect, std::int32_t width) {
    const std::int32_t w = std::max(width, 1);
    const GameRect outer{rect.left - (w - 1) / 2, rect.top - (w - 1) / 2, rect.right + w / 2,
                         rect.bottom + w / 2};
    const std::int32_t innerTop = std::min(outer.top + w, outer.bottom);
    const std::int32_t innerBottom = std::max(outer.bottom - w, innerTop);
    const std::int32_t innerLeft = std::min(outer.left + w, outer.right);
    const std::int32_t innerRight = std::max(outer.right - w, innerLeft);
    OutlinedRect result;
    result.outline = {
        {outer.left, outer.top, outer.right, innerTop},
        {outer.left, innerBottom, outer.right, outer.bottom},
        {outer.left, innerTop, innerLeft, innerBottom},
        {innerRight, innerTop, outer.right, innerBottom},
    };
    result.inside = {innerLeft, innerTop, innerRight, innerBottom};
    return result;
}

}  // namespace

void PictureSurface::Reset(QSize size, qreal ratio, TColor background, const QPalette& palette) {
    size_ = size.expandedTo(QSize(0, 0));
    ratio_ = ratio > 0 ? ratio : 1;
    palette_ = palette;
    image_ = QImage((QSizeF(size_) * ratio_).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Resolve(background));
    std::lock_guard<std::mutex> lock(changesMutex_);
    changes_.Reset(size_);
}

QRegion PictureSurface::TakeChanges() {
    std::lock_guard<std::mutex> lock(changesMutex_);
    return changes_.Take();
}

void PictureSurface::NoteChange(const QRect& rect) {
    std::lock_guard<std::mutex> lock(changesMutex_);
    changes_.Mark(rect);
}

QRgb PictureSurface::Resolve(TColor color) const {
    return ToQColor(color, palette_, QColor(Qt::black)).rgba();
}

QRect PictureSurface::ToDevice(const GameRect& rect) const {
    const QRect device(QPoint(qRound(rect.left * ratio_), qRound(rect.top * ratio_)),
                       QPoint(qRound(rect.right * ratio_) - 1, qRound(rect.bottom * ratio_) - 1));
    return device.intersected(image_.rect());
}

void PictureSurface::Fill(const QRect& device, QRgb color) {
    if (device.isEmpty() || qAlpha(color) == 0) return;  // "no colour" paints nothing
    for (int y = device.top(); y <= device.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + device.left(), line + device.right() + 1, color | ~kRgbBits);
    }
}

void PictureSurface::Xor(const QRect& device, QRgb color) {
    if (device.isEmpty()) return;
    const QRgb bits = color & kRgbBits;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = device.left(); x <= device.right(); ++x) line[x] ^= bits;
    }
}

void PictureSurface::Paint(const GameRect& rect, QRgb color, PenMode mode) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    if (mode == PenMode::Xor) {
        Xor(ToDevice(rect), color);
    } else {
        Fill(ToDevice(rect), color);
    }
}

void PictureSurface::DrawChar(std::int32_t x, std::int32_t y, char32_t ch, const GameFont& font,
                              TColor background) {
    QRgb backgroundRgb = Resolve(background);
    if (qAlpha(backgroundRgb) == 0) backgroundRgb = qRgb(0, 0, 0);
    const QImage& cell = glyphs_.Cell(ch, font, Resolve(font.color), backgroundRgb, ratio_);
    const QPoint origin(qRound(x * ratio_), qRound(y * ratio_));
    const QRect target = QRect(origin, cell.size()).intersected(image_.rect());
    if (target.isEmpty()) return;
    const int skipX = target.left() - origin.x();
    const int skipY = target.top() - origin.y();
    const auto rowBytes = static_cast<std::size_t>(target.width()) * sizeof(QRgb);
    for (int row = 0; row < target.height(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(cell.constScanLine(skipY + row)) + skipX;
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(target.top() + row)) + target.left();
        std::memcpy(to, from, rowBytes);
    }
    NoteChange(QRect(QPoint(x, y), QSize(static_cast<int>(std::ceil(cell.width() / ratio_)),
                                         static_cast<int>(std::ceil(cell.height() / ratio_)))));
}

void PictureSurface::FillRect(const GameRect& rect, TColor color) {
    Paint(rect, Resolve(color), PenMode::Replace);
    NoteChange(ToQRect(rect));
}

void PictureSurface::DrawRect(const GameRect& rect, const GamePen& pen, TColor fill) {
    const OutlinedRect shape = Outline(rect, pen.width);
    const QRgb penRgb = Resolve(pen.color);
    for (const GameRect& band : shape.outline) Paint(band, penRgb, pen.mode);
    Paint(shape.inside, Resolve(fill), pen.mode);
    const GameRect& top = shape.outline[0];
    const GameRect& bottom = shape.outline[1];
    NoteChange(ToQRect(GameRect{top.left, top.top, top.right, bottom.bottom}));
}

}  // namespace zq
