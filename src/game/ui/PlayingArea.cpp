#include "game/ui/PlayingArea.h"

#include <QPaintEvent>
#include <QPainter>

#include "game/ui/PictureSurface.h"

namespace zq {

PlayingArea::PlayingArea(const PictureSurface& picture, SceneLocker lockScene, QWidget* parent)
    : QWidget(parent), picture_(picture), lockScene_(std::move(lockScene)) {
    setObjectName(QStringLiteral("PlayingAreaBox"));
    // The picture covers every pixel: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PlayingArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& picture = picture_.Picture();
    const qreal ratio = picture.devicePixelRatio();
    const auto lock = lockScene_();
    // Rectangle by rectangle: a plain copy each, where a clip of many
    // rectangles would make the painter walk the whole picture.
    for (const QRect& rect : event->region()) {
        const QRect source(QPointF(rect.topLeft() * ratio).toPoint(), QSizeF(rect.size() * ratio).toSize());
        painter.drawImage(rect, picture, source);
    }
}

}  // namespace zq
