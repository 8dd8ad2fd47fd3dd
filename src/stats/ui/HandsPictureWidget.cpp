#include "stats/ui/HandsPictureWidget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/ScaledFont.h"
#include "base/ui/Utf8Text.h"
#include "keyboard/FingerNames.h"

namespace zq {

namespace {

constexpr int kMargin = 6;
constexpr int kLongestBar = 90;
constexpr int kBarWidth = 12;
// Finger lengths of a hand when the template gives none, little to thumb.
constexpr int kUsualLengths[5] = {52, 70, 80, 72, 40};
const QColor kUntypedFinger(225, 225, 225);
const QColor kOutline(90, 90, 90);

// The figures under the bars are set a little smaller than the captions,
// so that five fingers of a hand take no more room than its caption.
constexpr double kFigureScale = 0.85;

int UsualLength(int finger) {
    return kUsualLengths[finger <= 4 ? finger : 9 - finger];
}

}  // namespace

HandsPictureWidget::HandsPictureWidget(QWidget* parent) : QWidget(parent) {
    EnableAccessibleParts();  // first: see AccessibleParts
    setAccessibleDescription(QString::fromUtf8(Tr("The arrow keys go from finger to finger.")));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void HandsPictureWidget::SetPicture(const HandsPicture& picture) {
    picture_ = picture;
    ReportPartsChanged(*this);
    updateGeometry();
    update();
}

QString HandsPictureWidget::PartName(int part) const {
    return FromUtf8View(FingerName(part));
}

QString HandsPictureWidget::PartDescription(int part) const {
    return FromUtf8View(picture_.fingers.at(static_cast<std::size_t>(part)).tip);
}

QRect HandsPictureWidget::PartRect(int part) const {
    return {SlotLeft(part), kMargin, SlotWidth(), height() - kMargin};
}

QString HandsPictureWidget::WholeDescription() const {
    // Each hand's name and figures, as the captions above the hands say.
    QStringList hands;
    for (std::size_t hand = 0; hand < 2; ++hand) {
        QString text = FromUtf8View(picture_.hands[hand]);
        if (!picture_.figures[hand].empty())
            text += QStringLiteral(": ") + FromUtf8View(picture_.figures[hand]);
        hands << text;
    }
    return hands.join(QStringLiteral(", "));
}

QFont HandsPictureWidget::FigureFont() const {
    return ScaledFont(font(), kFigureScale);
}

int HandsPictureWidget::SlotWidth() const {
    // Room for the widest figure under a bar.
    return std::max(kBarWidth + 14,
                    QFontMetrics(FigureFont()).horizontalAdvance(QStringLiteral("100 %")) + 4);
}

int HandsPictureWidget::HandSpan() const {
    int span = 5 * SlotWidth();
    for (std::size_t hand = 0; hand < 2; ++hand) {
        span = std::max(span, fontMetrics().horizontalAdvance(FromUtf8View(picture_.hands[hand])));
        span = std::max(span, fontMetrics().horizontalAdvance(FromUtf8View(picture_.figures[hand])));
    }
    return span;
}

int HandsPictureWidget::HandGap() const {
    return SlotWidth() / 2;
}

int HandsPictureWidget::HandLeft(int hand) const {
    const int contentWidth = 2 * HandSpan() + HandGap();
    const int origin = std::max(kMargin, (width() - contentWidth) / 2);
    return origin + hand * (HandSpan() + HandGap());
}

int HandsPictureWidget::SlotLeft(int finger) const {
    const int hand = finger <= 4 ? 0 : 1;
    return HandLeft(hand) + (HandSpan() - 5 * SlotWidth()) / 2 + (finger - 5 * hand) * SlotWidth();
}

int HandsPictureWidget::BarLength(int finger) const {
    // The template's lengths, scaled so that the longest finger is kLongestBar.
    int longest = 0;
    for (const HandsPicture::Finger& each : picture_.fingers) longest = std::max(longest, each.length);
    const int length = picture_.fingers[static_cast<std::size_t>(finger)].length;
    if (longest <= 0) return UsualLength(finger);
    return std::max(8, length * kLongestBar / longest);
}

int HandsPictureWidget::BaseLine() const {
    return kMargin + 2 * fontMetrics().height() + 6 + kLongestBar;
}

QSize HandsPictureWidget::sizeHint() const {
    return {2 * kMargin + 2 * HandSpan() + HandGap(),
            BaseLine() + 4 + 2 * QFontMetrics(FigureFont()).height() + kMargin};
}

std::optional<int> HandsPictureWidget::FingerAt(QPoint point) const {
    for (int finger = 0; finger < 10; ++finger) {
        if (point.x() >= SlotLeft(finger) && point.x() < SlotLeft(finger) + SlotWidth() &&
            point.y() >= kMargin && point.y() < height())
            return finger;
    }
    return std::nullopt;
}

void HandsPictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int base = BaseLine();
    const int fingersWidth = 5 * SlotWidth();
    for (int hand = 0; hand < 2; ++hand) {
        const auto index = static_cast<std::size_t>(hand);
        const QRect caption(HandLeft(hand), kMargin, HandSpan(), metrics.height());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, FromUtf8View(picture_.hands[index]));
        painter.drawText(caption.translated(0, metrics.height()), Qt::AlignCenter,
                         FromUtf8View(picture_.figures[index]));
        painter.setPen(kOutline);
        painter.drawLine(SlotLeft(hand * 5) + 2, base, SlotLeft(hand * 5) + fingersWidth - 2, base);
    }
    for (int finger = 0; finger < 10; ++finger) {
        const HandsPicture::Finger& shown = picture_.fingers[static_cast<std::size_t>(finger)];
        const int middle = SlotLeft(finger) + SlotWidth() / 2;
        const int length = BarLength(finger);
        const QRect bar(middle - kBarWidth / 2, base - length, kBarWidth, length);
        painter.setPen(kOutline);
        painter.setBrush(shown.color ? ToQColor(*shown.color) : kUntypedFinger);
        painter.drawRoundedRect(bar, kBarWidth / 2.0, kBarWidth / 2.0);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(FigureFont());
        const int lineHeight = QFontMetrics(FigureFont()).height();
        const QRect speed(SlotLeft(finger), base + 4, SlotWidth(), lineHeight);
        painter.drawText(speed, Qt::AlignCenter, FromUtf8View(shown.speed));
        painter.drawText(speed.translated(0, lineHeight), Qt::AlignCenter, FromUtf8View(shown.accuracy));
        painter.setFont(font());
    }
    if (hasFocus() && current_ >= 0) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(PartRect(current_).adjusted(1, 1, -2, -2));
    }
}

void HandsPictureWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> next = BrowsedPart(current_, PartCount(), event->key());
    if (!next) {
        QWidget::keyPressEvent(event);
        return;
    }
    current_ = *next;
    ShowCurrent();
}

void HandsPictureWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (current_ < 0) current_ = 0;
    ShowCurrent();
}

void HandsPictureWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    QToolTip::hideText();
    update();
}

void HandsPictureWidget::ShowCurrent() {
    update();
    QToolTip::showText(mapToGlobal(PartRect(current_).bottomLeft()), PartDescription(current_), this);
    ReportFocusedPart(*this, current_);
}

bool HandsPictureWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<int> finger = FingerAt(help->pos());
        if (finger) {
            QToolTip::showText(help->globalPos(),
                               FromUtf8View(picture_.fingers[static_cast<std::size_t>(*finger)].tip), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace zq
