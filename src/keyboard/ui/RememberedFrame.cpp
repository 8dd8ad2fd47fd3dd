#include "keyboard/ui/RememberedFrame.h"

namespace zq {

namespace {
QMargins ReportedMargins(const QRect& geometry, const QRect& reported) {
    return {geometry.left() - reported.left(), geometry.top() - reported.top(),
            reported.right() - geometry.right(), reported.bottom() - geometry.bottom()};
}
}  // namespace

QMargins RememberedFrame::Margins(const QRect& geometry, const QRect& reported) {
    const QMargins margins = ReportedMargins(geometry, reported);
    if (!margins.isNull()) known_ = margins;
    return known_;
}

QRect RememberedFrame::FrameAround(const QRect& geometry, const QRect& reported) {
    return geometry.marginsAdded(Margins(geometry, reported));
}

QPoint RememberedFrame::MovePoint(const QPoint& frameTopLeft, const QRect& geometry, const QRect& reported) {
    const QMargins assumed = ReportedMargins(geometry, reported);
    const QMargins margins = Margins(geometry, reported);
    return frameTopLeft + QPoint(margins.left() - assumed.left(), margins.top() - assumed.top());
}

}  // namespace zq
