#include "stats/ui/KeyHeatMapWidget.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "base/ui/Colors.h"
#include "keyboard/ui/KeyImage.h"
#include "stats/KeyHeatMap.h"

namespace zq {

namespace {

// Keys not practised keep a pale face, so that the coloured ones stand out.
const QColor kUntypedFace(235, 235, 235);

}  // namespace

KeyHeatMapWidget::KeyHeatMapWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void KeyHeatMapWidget::SetKeyboard(const KeyHeatMap* keyboard) {
    keyboard_ = keyboard;
    pictures_.clear();
    updateGeometry();
    update();
}

QSize KeyHeatMapWidget::sizeHint() const {
    if (!keyboard_) return {10, 10};
    return {keyboard_->Keys().Width(), keyboard_->Keys().Height()};
}

int KeyHeatMapWidget::KeyAt(QPoint point) const {
    if (!keyboard_) return -1;
    const auto& keys = keyboard_->Keys().Keys();
    for (int i = static_cast<int>(keys.size()) - 1; i >= 0; --i) {
        if (RectOf(*keys[static_cast<std::size_t>(i)]).contains(point)) return i;
    }
    return -1;
}

void KeyHeatMapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!keyboard_) return;
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
