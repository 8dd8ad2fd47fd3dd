#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

namespace zq {

// The frame a window manager gave a window, remembered for the moments it
// is unknown. An X11 window manager takes a window's frame away when the
// window is hidden and frames it anew once it is shown; until its frame
// arrives, Qt reports the frame as the window itself. A window moved then by
// the corner of its frame would land with its title bar where the frame
// should have begun, a title bar's height above the place asked for. The
// last frame seen stands in until the new one arrives. A window that never
// had a frame (a window manager without decorations) is placed as it is.
class RememberedFrame {
public:
    // The frame around a window of `geometry`, whose frame Qt reports as
    // `reported`.
    QRect FrameAround(const QRect& geometry, const QRect& reported);

    // The point to hand QWidget::move, which places a window by its frame
    // as Qt knows it, so that the frame's corner lands at `frameTopLeft`.
    QPoint MovePoint(const QPoint& frameTopLeft, const QRect& geometry, const QRect& reported);

private:
    QMargins Margins(const QRect& geometry, const QRect& reported);

    QMargins known_;
};

}  // namespace zq
