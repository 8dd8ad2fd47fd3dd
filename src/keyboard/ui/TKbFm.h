#pragma once

#include <QImage>
#include <QWidget>
#include <map>
#include <optional>
#include <tuple>

#include "base/ContrastPalette.h"
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

    // Draws the keys at `scale` times the template's size: less than 1 for a
    // keyboard wider than the screen, more for large print (at most
    // kLargestScale); the area's size follows.
    void SetScale(qreal scale);
    static constexpr qreal kLargestScale = 4;
    // Draws the keys in a contrast palette: legends in its text colour on
    // its background, the lit key in its highlight colours, each key
    // outlined; without one (the start), in the template's colours.
    void SetContrastPalette(const std::optional<ContrastPalette>& palette);
    const std::optional<ContrastPalette>& Contrast() const { return contrast_; }
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
    // Pictures made transparent, by key, by which picture is shown and by
    // whether the key is lit (which inks it in a contrast palette), with
    // imagesRatio_ device pixels to a template pixel.
    std::map<std::tuple<const ButtonType*, bool, bool>, QImage> images_;
    qreal imagesRatio_ = 1;
    ButtonType* heldKey_ = nullptr;  // a key without a group held down by the mouse
    std::optional<ContrastPalette> contrast_;
};

}  // namespace zq
