#include "keyboard/ui/TVKeyboard.h"

#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/Utf8Text.h"
#include "keyboard/FingerNames.h"
#include "keyboard/Hand.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindow.h"

namespace zq {
namespace {

const QColor kOlive(128, 128, 0);

void SetFrameColor(QWidget& window, const QColor& color) {
    QPalette colors = window.palette();
    colors.setColor(QPalette::Window, color);
    window.setPalette(colors);
}

}  // namespace

TVKeyboard::TVKeyboard(QWidget* parent) : TVKeyboard(DataMod(), parent) {}

TVKeyboard::TVKeyboard(TDataMod& store, QWidget* parent)
    : QWidget(parent), kbFrame_(new TKbFm(this)), keyboard_(store, *this, kbFrame_) {
    // First: Qt keeps the first interface it makes for a widget, and
    // setting the title below makes one.
    EnableAccessibleParts();
    MakeGuidanceWindow(*this);
    setWindowTitle(QString());
    // The window has no title to show; a screen reader names it.
    setAccessibleName(QString::fromUtf8(Tr("On-screen keyboard")));
    SetFrameColor(*this, kOlive);
    setAutoFillBackground(true);

    kbFrame_->SetKeyArea(&keyboard_.KbFrame());
    kbFrame_->KeyAreaChanged();
    SetClientSize(keyboard_.KbFrame().Width(), keyboard_.KbFrame().Height());

    TimerofKB.setInterval(OnScreenKeyboard::kBlinkIntervalMs);
    connect(&TimerofKB, &QTimer::timeout, this, &TVKeyboard::TimerofKBTimer);
}

bool TVKeyboard::LoadTemplate(const std::string& path) {
    // The keys a reader saw go, even when the new template cannot be read.
    struct NewKeys {
        TVKeyboard& window;
        ~NewKeys() { ReportPartsChanged(window); }
    } newKeys{*this};
    return keyboard_.LoadTemplate(path);
}

int TVKeyboard::HighlightKey(unsigned char character) {
    const int previous = keyboard_.CurrentKeyIndex();
    const int finger = keyboard_.HighlightKey(character);
    ReportPickedPart(*this, previous, keyboard_.CurrentKeyIndex());
    return finger;
}

void TVKeyboard::SetLook(double scale, const std::optional<ContrastPalette>& palette) {
    lookScale_ = std::clamp(scale, 1.0, double{TKbFm::kLargestScale});
    SetFrameColor(*this, palette ? ToQColor(palette->background) : kOlive);
    kbFrame_->SetContrastPalette(palette);
    SetClientSize(keyboard_.KbFrame().Width(), keyboard_.KbFrame().Height());
}

// --- the keys, as a screen reader finds them ------------------------------------

int TVKeyboard::PartCount() const {
    return static_cast<int>(keyboard_.KbFrame().Keys().size());
}

QString TVKeyboard::PartName(int part) const {
    return FromUtf8View(keyboard_.KeyName(part));
}

QString TVKeyboard::PartDescription(int part) const {
    return FromUtf8View(FingerName(keyboard_.KbFrame().Keys().at(static_cast<std::size_t>(part))->Finger));
}

QRect TVKeyboard::PartRect(int part) const {
    const QRect onArea = kbFrame_->OnScreen(*keyboard_.KbFrame().Keys().at(static_cast<std::size_t>(part)));
    return onArea.translated(kbFrame_->pos());
}

bool TVKeyboard::PartPicked(int part) const {
    return part == keyboard_.CurrentKeyIndex();
}

QString TVKeyboard::WholeDescription() const {
    return FromUtf8View(keyboard_.LitKeyText());
}

// A keyboard that does not fit beside the two hands windows across the
// screen (a small screen at a large scale factor) is drawn smaller, so that
// no key hides behind a hand. The room for a window's frame (and the gap
// between windows) is a guess, since a frame is known only once shown.
void TVKeyboard::SetClientSize(int width, int height) {
    constexpr int kFrameAllowance = 16;
    const int hands = 2 * (static_cast<int>(Hand::kClientWidth * lookScale_) + kFrameAllowance);
    const int room = screen()->availableGeometry().width() - kFrameAllowance - hands;
    const bool fits = width * lookScale_ <= room || room <= 0;
    kbFrame_->SetScale(fits ? lookScale_ : qreal(room) / width);
    const QSize size = width > 0 && height > 0 ? kbFrame_->ScaledSize() : QSize(width, height);
    kbFrame_->setGeometry(QRect(QPoint(0, 0), size));
    // The window keeps the size of its keys: the keys are drawn at the
    // template's sizes (smaller only to fit the screen, as above), and a
    // window resized by hand would crop them or leave them in a corner.
    setFixedSize(size);
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
