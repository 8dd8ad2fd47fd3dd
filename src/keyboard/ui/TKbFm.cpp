#include "keyboard/ui/TKbFm.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "base/ui/Colors.h"
#include "keyboard/KeyGroups.h"
#include "keyboard/ui/KeyImage.h"

namespace zq {
namespace {

// A pushed-in key: shaded, with a shadow along its top and left edges and a
// light line along the others.
void PaintPushedIn(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, QColor(0, 0, 0, 40));
    const QColor shadow(40, 40, 40);
    painter.fillRect(rect.left(), rect.top(), rect.width(), 2, shadow);
    painter.fillRect(rect.left(), rect.top(), 2, rect.height(), shadow);
    const QColor light(255, 255, 255, 170);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, light);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), light);
}

// A key picture with `ratio` device pixels to each of its pixels. Enlarged,
// each pixel becomes a block of whole device pixels (some a pixel larger at a
// fractional ratio), so that its edges stay as sharp as at a ratio of 1;
// smoothing would blur them. Reduced (a keyboard drawn smaller than its
// template), it is smoothed, so that no line of it drops out.
QImage SharpImage(const QImage& picture, qreal ratio) {
    if (ratio == 1) return picture;
    QImage sharp = picture.scaled((QSizeF(picture.size()) * ratio).toSize(), Qt::IgnoreAspectRatio,
                                  ratio > 1 ? Qt::FastTransformation : Qt::SmoothTransformation);
    sharp.setDevicePixelRatio(ratio);
    return sharp;
}

// The picture's drawn pixels in one colour, its transparent ones kept: a
// legend in the contrast palette whatever colours the template gave it.
QImage InkedImage(const QImage& picture, const QColor& ink) {
    QImage inked = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&inked);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(inked.rect(), ink);
    return inked;
}

}  // namespace

TKbFm::TKbFm(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKbFm::KeyAreaChanged() {
    images_.clear();
    heldKey_ = nullptr;
    if (area_) resize(ScaledSize());
    update();
}

void TKbFm::KeyChanged(const ButtonType& key) {
    update(OnScreen(key));
}

void TKbFm::SetScale(qreal scale) {
    scale_ = std::clamp(scale, 0.1, kLargestScale);
    images_.clear();
    if (area_) resize(ScaledSize());
    update();
}

void TKbFm::SetContrastPalette(const std::optional<ContrastPalette>& palette) {
    if (palette == contrast_) return;
    contrast_ = palette;
    images_.clear();
    update();
}

QSize TKbFm::ScaledSize() const {
    if (!area_) return {};
    return {static_cast<int>(std::ceil(area_->Width() * scale_)),
            static_cast<int>(std::ceil(area_->Height() * scale_))};
}

QRect TKbFm::OnScreen(const ButtonType& key) const {
    const QRect onTemplate = RectOf(key);
    if (scale_ == 1) return onTemplate;
    const QRectF scaled(QPointF(onTemplate.topLeft()) * scale_, QSizeF(onTemplate.size()) * scale_);
    return scaled.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void TKbFm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const TColor background = contrast_ ? contrast_->background : area_ ? area_->BackgroundColor() : clBlack;
    painter.fillRect(event->rect(), ToQColor(background, palette()));
    if (!area_) return;
    // Pictures made for another scale factor (the window moved to another screen) are made again.
    const qreal ratio = devicePixelRatioF() * scale_;
    if (imagesRatio_ != ratio) images_.clear();
    imagesRatio_ = ratio;
    painter.scale(scale_, scale_);
    // In building order, so that a later key lies on top of an earlier one.
    for (const auto& key : area_->Keys()) {
        if (event->region().intersects(OnScreen(*key))) PaintKey(painter, *key);
    }
}

void TKbFm::PaintKey(QPainter& painter, const ButtonType& key) {
    const QRect rect = RectOf(key);
    const bool pushedIn = key.Down() || &key == heldKey_;
    // A lit key shows its inverted picture, or is pressed (a key of a group).
    const bool lit = key.ShowsHighlightGlyph() || key.Down();
    painter.save();
    painter.setClipRect(rect);
    if (contrast_) {
        painter.fillRect(rect, ToQColor(lit ? contrast_->highlightBackground : contrast_->background));
    } else {
        painter.fillRect(rect, QColor::fromRgb(key.FaceColor()));
    }
    if (!key.Glyph().Empty()) {
        const QImage& image = ImageOf(key);
        QRect target(0, 0, key.Glyph().Width(), key.Glyph().Height());
        target.moveCenter(rect.center());
        if (pushedIn) target.translate(1, 1);
        // On whole device pixels, so that the picture is copied, not resampled
        // (the picture's ratio includes the area's scale).
        const qreal ratio = image.devicePixelRatio();
        painter.drawImage(
            QPointF(std::round(target.left() * ratio) / ratio, std::round(target.top() * ratio) / ratio),
            image);
    }
    if (contrast_) {
        // An outline, so that keys stand apart on the dark ground.
        painter.setPen(QPen(ToQColor(lit ? contrast_->highlightBackground : contrast_->text), 1));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else if (pushedIn) {
        PaintPushedIn(painter, rect);
    }
    painter.restore();
}

const QImage& TKbFm::ImageOf(const ButtonType& key) {
    const bool lit = key.ShowsHighlightGlyph() || key.Down();
    const auto id = std::make_tuple(&key, key.ShowsHighlightGlyph(), lit);
    auto found = images_.find(id);
    if (found == images_.end()) {
        // In a contrast palette the normal picture serves a lit key too: its
        // face is what lets the palette's colour through, where the inverted
        // picture's face need not be.
        const Bitmap& glyph = contrast_ ? key.NormalGlyph() : key.Glyph();
        QImage picture = ToKeyImage(glyph, glyph.BottomLeft());
        if (contrast_)
            picture = InkedImage(picture, ToQColor(lit ? contrast_->highlightText : contrast_->text));
        found = images_.emplace(id, SharpImage(picture, imagesRatio_)).first;
    }
    return found->second;
}

ButtonType* TKbFm::KeyAt(QPoint point) const {
    if (!area_) return nullptr;
    const auto& keys = area_->Keys();
    const QPoint onTemplate = scale_ == 1 ? point : (QPointF(point) / scale_).toPoint();
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {  // topmost first
        if (RectOf(**key).contains(onTemplate)) return key->get();
    }
    return nullptr;
}

void TKbFm::mousePressEvent(QMouseEvent* event) {
    ButtonType* key = KeyAt(event->position().toPoint());
    if (!key || event->button() != Qt::LeftButton) return;
    if (key->GroupIndex() == kNoKeyGroup) {
        heldKey_ = key;
        update(OnScreen(*key));
    } else {
        key->SetDown(!key->Down());
    }
}

void TKbFm::mouseReleaseEvent(QMouseEvent*) {
    if (!heldKey_) return;
    update(OnScreen(*heldKey_));
    heldKey_ = nullptr;
}

}  // namespace zq
