#pragma once

#include <QWidget>
#include <optional>

#include "base/ContrastPalette.h"

namespace zq {

// The title bar a small window draws itself: its window's title, centred,
// elided when the window is narrower than it, in the colours of a button.
// A window manager's title bar cannot serve a window a hand wide: it puts its
// own buttons there and leaves no room for the title. Dragging the strip
// moves its window, as dragging a title bar does; a strip of a window that
// stands inside another one (a hand inside the drill window) moves nothing.
class CaptionStrip : public QWidget {
    Q_OBJECT
public:
    // A strip along the top of `window`, showing its title as it changes.
    explicit CaptionStrip(QWidget& window);

    // The strip's height in its font: a line and a little room.
    int Height() const;
    // Stretches the strip across the window's width, at its height: the
    // window calls it whenever it takes a new size.
    void FitWindowWidth();

    // The window's title as the strip shows it: whole when there is room,
    // elided otherwise.
    QString ShownTitle() const;

    // The title `scale` times the size of the program's font, in the text
    // colour of a contrast palette on its background, or as a button is
    // drawn without one. The window sizes itself afresh (see Height).
    void SetLook(double scale, const std::optional<ContrastPalette>& palette);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect TextRoom() const;

    QWidget& window_;
};

}  // namespace zq
