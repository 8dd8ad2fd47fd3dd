#include "keyboard/ui/TVKeyboard.h"

#include <QShowEvent>

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

void TVKeyboard::LoadTemplate(const std::string& path) {
    keyboard_.LoadTemplate(path);
}

int TVKeyboard::HighlightKey(unsigned char character) {
    return keyboard_.HighlightKey(character);
}

void TVKeyboard::SetClientSize(int width, int height) {
    kbFrame_->setGeometry(0, 0, width, height);
    resize(width, height);
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
