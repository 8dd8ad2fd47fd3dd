#include "keyboard/ui/TVKeyboard.h"

#include <QScreen>
#include <QShowEvent>

#include "keyboard/Hand.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindow.h"

namespace zq {

TVKeyboard::TVKeyboard(QWidget* parent) : TVKeyboard(DataMod(), parent) {}

TVKeyboard::TVKeyboard(TDataMod& store, QWidget* parent)
    : QWidget(parent), kbFrame_(new TKbFm(this)), keyboard_(store, *this, kbFrame_) {
    MakeGuidanceWindow(*this);
    setWindowTitle(QString());
    QPalette olive = palette();
    olive.setColor(QPalette::Window, QColor(128, 128, 0));
    setPalette(olive);
    setAutoFillBackground(true);

    kbFrame_->SetKeyArea(&keyboard_.KbFrame());
    kbFrame_->KeyAreaChanged();
    SetClientSize(keyboard_.KbFrame().Width(), keyboard_.KbFrame().Height());

    TimerofKB.setInterval(OnScreenKeyboard::kBlinkIntervalMs);
    connect(&TimerofKB, &QTimer::timeout, this, &TVKeyboard::TimerofKBTimer);
}

bool TVKeyboard::LoadTemplate(const std::string& path) {
    return keyboard_.LoadTemplate(path);
}

int TVKeyboard::HighlightKey(unsigned char character) {
    return keyboard_.HighlightKey(character);
}

// A keyboard that does not fit beside the two hands windows across the
// screen (a small screen at a large scale factor) is drawn smaller, so that
// no key hides behind a hand. The room for a window's frame (and the gap
// between windows) is a guess, since a frame is known only once shown.
void TVKeyboard::SetClientSize(int width, int height) {
    constexpr int kFrameAllowance = 16;
    const int hands = 2 * (Hand::kClientWidth + kFrameAllowance);
    const int room = screen()->availableGeometry().width() - kFrameAllowance - hands;
    kbFrame_->SetScale(width > room && room > 0 ? qreal(room) / width : 1);
    const QSize size = width > 0 && height > 0 ? kbFrame_->ScaledSize() : QSize(width, height);
    kbFrame_->setGeometry(QRect(QPoint(0, 0), size));
    resize(size);
}

void TVKeyboard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    keyboard_.Shown();
}

void TVKeyboard::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    keyboard_.Hidden();
}

}  // namespace zq
