#include "stats/ui/KeyHeatMapWidget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <QTransform>
#include <algorithm>

#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/Utf8Text.h"
#include "keyboard/ui/KeyImage.h"
#include "stats/KeyHeatMap.h"

namespace zq {

namespace {

// Keys not practised keep a pale face, so that the coloured ones stand out.
const QColor kUntypedFace(235, 235, 235);
// Never drawn smaller than this: the key pictures would blur into noise.
constexpr double kSmallestScale = 0.5;

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
    pictures_.clear();
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
        const std::optional<TColor> heat = keyboard_->ColorOf(i);
        painter.fillRect(area, heat ? ToQColor(*heat) : kUntypedFace);
        if (!key.NormalGlyph().Empty()) {
            auto picture = pictures_.find(i);
            // The picture's own face colour lets the heat colour show through.
            if (picture == pictures_.end())
                picture =
                    pictures_.emplace(i, ToKeyImage(key.NormalGlyph(), key.NormalGlyph().BottomLeft())).first;
            QRect target(QPoint(), picture->second.size());
            target.moveCenter(area.center());
            painter.drawImage(target, picture->second);
        }
        painter.setPen(QColor(90, 90, 90));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    if (hasFocus() && current_ >= 0 && current_ < PartCount()) {
        painter.resetTransform();
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(PartRect(current_).adjusted(1, 1, -2, -2));
    }
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
