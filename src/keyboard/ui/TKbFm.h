#pragma once

#include <QImage>
#include <QWidget>
#include <map>

#include "keyboard/KeyArea.h"

namespace zq {

// The key area of the on-screen keyboard window: draws the keys of its
// KeyArea on the template's background colour. The keys are for display;
// while the area is enabled a click presses a key as a toolbar button
// would, and a disabled area ignores the mouse.
class TKbFm : public QWidget, public KeyAreaView {
    Q_OBJECT
public:
    explicit TKbFm(QWidget* parent = nullptr);

    // The rules whose keys this area draws (owned by the keyboard).
    void SetKeyArea(KeyArea* area) { area_ = area; }

    void KeyAreaChanged() override;
    void KeyChanged(const ButtonType& key) override;

    // Draws the keys at `scale` times the template's size (at most 1), for a
    // keyboard wider than the screen; the area's size follows.
    void SetScale(qreal scale);
    qreal Scale() const { return scale_; }
    // The template's size at the current scale.
    QSize ScaledSize() const;
    // Where a key is drawn, in the area's own coordinates, whole pixels
    // around it.
    QRect OnScreen(const ButtonType& key) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintKey(QPainter& painter, const ButtonType& key);
    const QImage& ImageOf(const ButtonType& key);
    ButtonType* KeyAt(QPoint point) const;

    KeyArea* area_ = nullptr;
    qreal scale_ = 1;
    // Pictures made transparent, by key and by which picture is shown, with
    // imagesRatio_ device pixels to a template pixel.
    std::map<std::pair<const ButtonType*, bool>, QImage> images_;
    qreal imagesRatio_ = 1;
    ButtonType* heldKey_ = nullptr;  // a key without a group held down by the mouse
};

}  // namespace zq
