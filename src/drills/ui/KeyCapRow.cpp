#include "drills/ui/KeyCapRow.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "base/Translation.h"
#include "base/ui/ScaledFont.h"
#include "base/ui/Utf8Text.h"

namespace zq {

namespace {

constexpr int kGap = 4;
constexpr int kFocusFrame = 3;
constexpr double kCapFontScale = 1.4;
constexpr int kShortOfTargetHue = 90;
constexpr int kReachedHue = 120;

}  // namespace

KeyCapRow::KeyCapRow(QWidget* parent) : QWidget(parent) {
    EnableAccessibleParts();  // first: see AccessibleParts
    setObjectName(QStringLiteral("KeyCaps"));
    setAccessibleName(QString::fromUtf8(Tr("Keys in play")));
    // Larger than the window's texts: the keys are read at a glance while typing.
    QFont capFont = ScaledFont(font(), kCapFontScale);
    capFont.setBold(true);
    setFont(capFont);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void KeyCapRow::SetKeys(std::vector<KeyInPlay> keys) {
    keys_ = std::move(keys);
    // A reader of the screen hears the keys and their progress.
    QString description;
    for (const KeyInPlay& key : keys_) {
        if (!description.isEmpty()) description += QStringLiteral(", ");
        description +=
            FromUtf8View(Format(Tr("%s: %d %%"), {key.caption, std::to_string(key.progressPercent)}));
    }
    setAccessibleDescription(description);
    ReportPartsChanged(*this);
    updateGeometry();
    update();
}

QString KeyCapRow::ProgressText(std::size_t index) const {
    const KeyInPlay& key = keys_.at(index);
    return FromUtf8View(Format(Tr("%s: %d %% of the way to your target"),
                               {key.caption, std::to_string(key.progressPercent)}));
}

QString KeyCapRow::PartName(int part) const {
    return FromUtf8View(keys_.at(static_cast<std::size_t>(part)).caption);
}

QString KeyCapRow::PartDescription(int part) const {
    return ProgressText(static_cast<std::size_t>(part));
}

QColor KeyCapRow::ProgressColor(int percent) {
    // Red, through yellow, to a yellowish green short of the target; a key
    // that has reached it stands out in full green.
    const int hue = percent >= 100 ? kReachedHue : std::max(percent, 0) * kShortOfTargetHue / 100;
    return QColor::fromHsv(hue, 150, 240);
}

int KeyCapRow::CapSide() const {
    return fontMetrics().height() + 10;
}

int KeyCapRow::CapsPerRow(int width) const {
    return std::max(1, (width + kGap) / (CapSide() + kGap));
}

QRect KeyCapRow::CapRect(std::size_t index, int width) const {
    const int perRow = CapsPerRow(width);
    const int side = CapSide();
    const int column = static_cast<int>(index) % perRow;
    const int row = static_cast<int>(index) / perRow;
    return {column * (side + kGap), row * (side + kGap), side, side};
}

int KeyCapRow::heightForWidth(int width) const {
    const int rows =
        keys_.empty() ? 1 : (static_cast<int>(keys_.size()) + CapsPerRow(width) - 1) / CapsPerRow(width);
    return rows * (CapSide() + kGap) - kGap;
}

QSize KeyCapRow::sizeHint() const {
    const int count = std::max<int>(1, static_cast<int>(keys_.size()));
    return {count * (CapSide() + kGap) - kGap, CapSide()};
}

QSize KeyCapRow::minimumSizeHint() const {
    return {CapSide(), CapSide()};
}

void KeyCapRow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const KeyInPlay& key = keys_[i];
        const int frame = key.focus ? kFocusFrame : 1;
        const QRectF cap =
            QRectF(CapRect(i, width())).adjusted(frame / 2.0, frame / 2.0, -frame / 2.0, -frame / 2.0);
        painter.setPen(QPen(key.focus ? ink : QColor(Qt::darkGray), frame));
        painter.setBrush(ProgressColor(key.progressPercent));
        painter.drawRoundedRect(cap, 4, 4);
        painter.setPen(Qt::black);
        painter.drawText(cap, Qt::AlignCenter, FromUtf8View(key.caption));
    }
}

bool KeyCapRow::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (!CapRect(i, width()).contains(help->pos())) continue;
        QToolTip::showText(help->globalPos(), ProgressText(i), this);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

}  // namespace zq
