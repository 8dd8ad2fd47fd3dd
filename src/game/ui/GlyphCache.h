#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "game/GameSurface.h"

namespace zq {

// The character cells of the playing area: a character in its font and
// colour over its background, drawn once with the toolkit's text drawing
// and copied pixel by pixel afterwards. The falling words redraw hundreds
// of cells a second, and drawing text anew each time would cost more than
// a tick has. Used by one thread at a time.
class GlyphCache {
public:
    // The cell of `ch`: as wide as the character's advance and as high as
    // the font's line, in device pixels at `ratio` device pixels a pixel.
    const QImage& Cell(char32_t ch, const GameFont& font, QRgb foreground, QRgb background, qreal ratio);

    std::size_t Size() const { return cells_.size(); }

private:
    struct Key {
        char32_t ch = 0;
        GameFont font;
        QRgb foreground = 0;
        QRgb background = 0;
        qreal ratio = 1;

        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    // Many fonts and colours over a long run would otherwise pile up.
    static constexpr std::size_t kMostCells = 4096;

    std::unordered_map<Key, QImage, KeyHash> cells_;
};

// The toolkit font of a game font. Its size is in points of a 96-dot inch,
// so that a word's letters keep their size next to the cells, whatever the
// screen's resolution.
QFont ToQFont(const GameFont& font);

}  // namespace zq
