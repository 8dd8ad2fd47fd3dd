#pragma once

#include <QImage>
#include <QPalette>
#include <QRegion>
#include <mutex>

#include "game/GameSurface.h"
#include "game/ui/ChangedTiles.h"
#include "game/ui/GlyphCache.h"

namespace zq {

// The playing area's picture: the game draws straight into it, on the game
// thread and on the user-interface thread (never on both at once), and the
// window copies the parts that changed to the screen. Drawing is done pixel
// by pixel, which makes the exclusive-or of the bullets exact and keeps a
// drop step of fifty words well inside a tick.
class PictureSurface : public GameSurface {
public:
    // A blank picture of `size` pixels, `ratio` device pixels a pixel, filled
    // with `background`; theme colours are taken from `palette`. The whole
    // picture counts as changed. Not while the game draws (see TgameFrame::SceneLock).
    void Reset(QSize size, qreal ratio, TColor background, const QPalette& palette);

    const QImage& Picture() const { return image_; }
    QSize Size() const { return size_; }
    // The parts drawn since the last call, in pixels of the playing area,
    // rounded out to whole tiles. Any thread.
    QRegion TakeChanges();

    // GameSurface.
    void DrawChar(std::int32_t x, std::int32_t y, char32_t ch, const GameFont& font,
                  TColor background) override;
    void FillRect(const GameRect& rect, TColor color) override;
    void DrawRect(const GameRect& rect, const GamePen& pen, TColor fill) override;
    std::int32_t Height() const override { return size_.height(); }

private:
    QRgb Resolve(TColor color) const;
    // The device pixels of a rectangle of the playing area, clipped to the picture.
    QRect ToDevice(const GameRect& rect) const;
    void Fill(const QRect& device, QRgb color);
    void Xor(const QRect& device, QRgb color);
    void Paint(const GameRect& rect, QRgb color, PenMode mode);
    void NoteChange(const QRect& rect);

    QImage image_;
    QSize size_;
    qreal ratio_ = 1;
    QPalette palette_;
    GlyphCache glyphs_;

    std::mutex changesMutex_;  // the window takes the changes on its own
    ChangedTiles changes_;
};

}  // namespace zq
