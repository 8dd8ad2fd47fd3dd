#include "keyboard/ui/CaptionStrip.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "base/ui/Colors.h"
#include "base/ui/ScaledFont.h"

namespace zq {
namespace {
constexpr int kTextMargin = 2;
}  // namespace

CaptionStrip::CaptionStrip(QWidget& window) : QWidget(&window), window_(window) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    window_.installEventFilter(this);
    FitWindowWidth();
}

int CaptionStrip::NeededHeight() const {
    return fontMetrics().height() + 2 * kTextMargin;
}

void CaptionStrip::SetLook(double scale, const std::optional<ContrastPalette>& palette) {
    setFont(ScaledFont(QApplication::font(), scale));
    QPalette colors = QApplication::palette();
    if (palette) {
        colors.setColor(QPalette::Button, ToQColor(palette->background));
        colors.setColor(QPalette::ButtonText, ToQColor(palette->text));
        colors.setColor(QPalette::Mid, ToQColor(palette->text));
    }
    setPalette(colors);
    update();
}

bool CaptionStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowTitleChange) update();
    return QWidget::eventFilter(watched, event);
}

void CaptionStrip::FitWindowWidth() {
    setGeometry(0, 0, window_.width(), NeededHeight());
}

QRect CaptionStrip::TextRoom() const {
    return rect().adjusted(kTextMargin, 0, -kTextMargin, -1);
}

QString CaptionStrip::ShownTitle() const {
    return fontMetrics().elidedText(window_.windowTitle(), Qt::ElideRight, TextRoom().width());
}

void CaptionStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(TextRoom(), Qt::AlignCenter, ShownTitle());
}

}  // namespace zq
