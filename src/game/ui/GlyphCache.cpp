#include "game/ui/GlyphCache.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

namespace zq {
namespace {

constexpr int kDotsPerInch = 96;
constexpr int kPointsPerInch = 72;

void Combine(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

}  // namespace

QFont ToQFont(const GameFont& font) {
    QFont result(QString::fromStdString(font.nameUtf8));
    result.setPixelSize(std::max(1, (font.sizePoints * kDotsPerInch + kPointsPerInch / 2) / kPointsPerInch));
    result.setBold(font.style.Bold);
    result.setItalic(font.style.Italic);
    result.setUnderline(font.style.Underline);
    result.setStrikeOut(font.style.StrikeOut);
    return result;
}

std::size_t GlyphCache::KeyHash::operator()(const Key& key) const {
    std::size_t seed = std::hash<char32_t>()(key.ch);
    Combine(seed, std::hash<std::string>()(key.font.nameUtf8));
    Combine(seed, std::hash<std::int32_t>()(key.font.sizePoints));
    const FontStyle& style = key.font.style;
    Combine(seed, (style.Bold ? 1u : 0u) | (style.Italic ? 2u : 0u) | (style.Underline ? 4u : 0u) |
                      (style.StrikeOut ? 8u : 0u));
    Combine(seed, key.foreground);
    Combine(seed, key.background);
    Combine(seed, std::hash<qreal>()(key.ratio));
    return seed;
}

const QImage& GlyphCache::Cell(char32_t ch, const GameFont& font, QRgb foreground, QRgb background,
                               qreal ratio) {
    Key key{ch, font, foreground, background, ratio};
    key.font.color = 0;  // the colour is in `foreground`, already resolved
    if (const auto found = cells_.find(key); found != cells_.end()) return found->second;
    if (cells_.size() >= kMostCells) cells_.clear();

    const QFont qfont = ToQFont(font);
    const QFontMetrics metrics(qfont);
    const QString text = QString::fromUcs4(&ch, 1);
    const int width = std::max(1, metrics.horizontalAdvance(text));
    const int height = std::max(1, metrics.height());
    QImage cell(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)),
                QImage::Format_RGB32);
    cell.setDevicePixelRatio(ratio);
    cell.fill(background);
    if (qAlpha(foreground) != 0) {
        QPainter painter(&cell);
        painter.setFont(qfont);
        painter.setPen(QColor::fromRgba(foreground));
        painter.drawText(QPointF(0, metrics.ascent()), text);
    }
    return cells_.emplace(key, std::move(cell)).first->second;
}

}  // namespace zq
