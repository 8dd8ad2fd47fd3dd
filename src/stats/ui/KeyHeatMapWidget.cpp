#include "stats/ui/KeyHeatMapWidget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <QTransform>
#include <algorithm>

#include "base/ColorContrast.h"
#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/Utf8Text.h"
#include "keyboard/KeyLegend.h"
#include "keyboard/ui/KeyImage.h"
#include "stats/KeyHeatMap.h"

namespace zq {

namespace {

// Keys not practised keep a pale face, so that the coloured ones stand out.
constexpr TColor kUntypedFace = Rgb(235, 235, 235);
// Never drawn smaller than this: the key pictures would blur into noise.
constexpr double kSmallestScale = 0.5;

// A legend's coverage as an image's alpha.
QImage LegendMask(const KeyLegend& legend) {
    QImage mask(legend.Width(), legend.Height(), QImage::Format_Alpha8);
    for (int y = 0; y < legend.Height(); ++y) {
        uchar* line = mask.scanLine(y);
        for (int x = 0; x < legend.Width(); ++x) line[x] = legend.Cover(x, y);
    }
    return mask;
}

// The legend in one colour.
QImage Inked(const QImage& mask, const QColor& ink) {
    QImage image(mask.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(ink);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, mask);
    return image;
}

}  // namespace

KeyHeatMapWidget::KeyHeatMapWidget(QWidget* parent) : QWidget(parent) {
    EnableAccessibleParts();  // first: see AccessibleParts
    setAccessibleName(QString::fromUtf8(Tr("Errors per key")));
    setAccessibleDescription(QString::fromUtf8(Tr("The arrow keys go from key to key.")));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // At its template's size where there is room, smaller where there is not.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void KeyHeatMapWidget::SetKeyboard(const KeyHeatMap* keyboard) {
    keyboard_ = keyboard;
    legends_.clear();
    current_ = -1;
    ReportPartsChanged(*this);
    updateGeometry();
    update();
}

int KeyHeatMapWidget::PartCount() const {
    return keyboard_ ? static_cast<int>(keyboard_->Keys().Keys().size()) : 0;
}

QString KeyHeatMapWidget::PartName(int part) const {
    const std::string name = keyboard_->Keyboard().KeyName(static_cast<std::size_t>(part));
    return name.empty() ? FromUtf8View(Format(Tr("key %d"), {std::to_string(part + 1)})) : FromUtf8View(name);
}

QString KeyHeatMapWidget::PartDescription(int part) const {
    return FromUtf8View(keyboard_->TipOf(static_cast<std::size_t>(part)));
}

QRect KeyHeatMapWidget::PartRect(int part) const {
    return Shown(*keyboard_->Keys().Keys().at(static_cast<std::size_t>(part)));
}

QSize KeyHeatMapWidget::sizeHint() const {
    if (!keyboard_) return {10, 10};
    return {keyboard_->Keys().Width(), keyboard_->Keys().Height()};
}

QSize KeyHeatMapWidget::minimumSizeHint() const {
    return sizeHint() * kSmallestScale;
}

QTransform KeyHeatMapWidget::Placement() const {
    const QSize whole = sizeHint();
    const double scale = std::min({1.0, double(width()) / whole.width(), double(height()) / whole.height()});
    const QSizeF shown = QSizeF(whole) * scale;
    return QTransform::fromTranslate((width() - shown.width()) / 2, (height() - shown.height()) / 2)
        .scale(scale, scale);
}

QRect KeyHeatMapWidget::Shown(const ButtonType& key) const {
    return Placement().mapRect(QRectF(RectOf(key))).toAlignedRect();
}

int KeyHeatMapWidget::KeyAt(QPoint point) const {
    if (!keyboard_) return -1;
    const auto& keys = keyboard_->Keys().Keys();
    for (int i = static_cast<int>(keys.size()) - 1; i >= 0; --i) {
        if (Shown(*keys[static_cast<std::size_t>(i)]).contains(point)) return i;
    }
    return -1;
}

void KeyHeatMapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!keyboard_) return;
    // The keys are drawn in the template's own coordinates.
    painter.setTransform(Placement());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto& keys = keyboard_->Keys().Keys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const ButtonType& key = *keys[i];
        const QRect area = RectOf(key);
        // The key's face in its heat colour, the legend over it in black or
        // white, whichever reads better there; the cap's own shading would
        // only blur the colour.
        const TColor face = keyboard_->ColorOf(i).value_or(kUntypedFace);
        painter.fillRect(area, ToQColor(face));
        if (!key.NormalGlyph().Empty()) {
            const QImage& legend = LegendOf(i, key);
            QRect target(QPoint(), legend.size());
            target.moveCenter(area.center());
            painter.drawImage(target, Inked(legend, ToQColor(ReadableInkOn(face))));
        }
        painter.setPen(QColor(90, 90, 90));
        // On the key's border pixels at every scale, so that no line of the
        // face shows outside it.
        painter.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (hasFocus() && current_ >= 0 && current_ < PartCount()) {
        painter.resetTransform();
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(PartRect(current_).adjusted(1, 1, -2, -2));
    }
}

const QImage& KeyHeatMapWidget::LegendOf(std::size_t index, const ButtonType& key) {
    auto legend = legends_.find(index);
    if (legend == legends_.end())
        legend =
            legends_.emplace(index, LegendMask(KeyLegend(key.NormalGlyph(), key.NormalGlyph().BottomLeft())))
                .first;
    return legend->second;
}

void KeyHeatMapWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> next = BrowsedPart(current_, PartCount(), event->key());
    if (!next) {
        QWidget::keyPressEvent(event);
        return;
    }
    current_ = *next;
    ShowCurrent();
}

void KeyHeatMapWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (current_ < 0 && PartCount() > 0) current_ = 0;
    if (current_ >= 0) ShowCurrent();
}

void KeyHeatMapWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    QToolTip::hideText();
    update();
}

void KeyHeatMapWidget::ShowCurrent() {
    update();
    const QRect key = PartRect(current_);
    QToolTip::showText(mapToGlobal(key.bottomLeft()), PartDescription(current_), this);
    ReportFocusedPart(*this, current_);
}

bool KeyHeatMapWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && keyboard_) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int key = KeyAt(help->pos());
        if (key >= 0) {
            QToolTip::showText(help->globalPos(),
                               QString::fromStdString(keyboard_->TipOf(static_cast<std::size_t>(key))), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace zq
