#pragma once

#include <QWidget>
#include <optional>

#include "base/ContrastPalette.h"

namespace zq {

// The title bar a small window draws itself: its window's title, centred,
// elided when the window is narrower than it, in the colours of a button.
// A window manager's title bar cannot serve a window a hand wide: it puts its
// own buttons there and leaves no room for the title. The strip is a caption
// only: the drill that shows the window places it (while the drill runs,
// every other window of the program is closed to the mouse), and the window
// manager's own way of moving a window (Alt and drag, on most desktops)
// still moves it.
class CaptionStrip : public QWidget {
    Q_OBJECT
public:
    // A strip along the top of `window`, showing its title as it changes.
    explicit CaptionStrip(QWidget& window);

    // The strip's height in its font: a line and a little room.
    int NeededHeight() const;
    // Stretches the strip across the window's width, at its height: the
    // window calls it whenever it takes a new size.
    void FitWindowWidth();

    // The window's title as the strip shows it: whole when there is room,
    // elided otherwise.
    QString ShownTitle() const;

    // The title `scale` times the size of the program's font, in the text
    // colour of a contrast palette on its background, or as a button is
    // drawn without one. The window sizes itself afresh (see NeededHeight).
    void SetLook(double scale, const std::optional<ContrastPalette>& palette);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextRoom() const;

    QWidget& window_;
};

}  // namespace zq
