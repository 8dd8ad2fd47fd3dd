#include "keyboard/ui/TPalmForm.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/Utf8Text.h"
#include "keyboard/FingerNames.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/CaptionStrip.h"
#include "keyboard/ui/GuidanceWindow.h"

namespace zq {
namespace {
constexpr int kBlinkIntervalMs = 250;
constexpr qreal kPenWidth = 6;
}  // namespace

TPalmForm::TPalmForm(QWidget* parent) : TPalmForm(DataMod(), parent) {}

TPalmForm::TPalmForm(TDataMod& store, QWidget* parent) : QWidget(parent), store_(store), hand_(*this) {
    // First: Qt keeps the first interface it makes for a widget.
    EnableAccessibleParts();
    // A title bar without window buttons, which the window draws itself
    // (see CaptionStrip). Made first: making the window a tool window
    // already changes its font, which sizes the window around the caption.
    caption_ = new CaptionStrip(*this);
    MakeGuidanceWindow(*this, Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedWidth(Hand::kClientWidth);
    SetClientHeight(handHeight_);
    TimerOfPalm.setInterval(kBlinkIntervalMs);
    connect(&TimerOfPalm, &QTimer::timeout, this, &TPalmForm::TimerOfPalmTimer);
}

void TPalmForm::SetLeftHand(bool isLeft) {
    hand_.SetLeftHand(isLeft);
    setWindowTitle(QString::fromUtf8(isLeft ? Tr("Left") : Tr("Right")));
    // The title is short for a small window; a screen reader says more.
    setAccessibleName(QString::fromUtf8(isLeft ? Tr("Left hand") : Tr("Right hand")));
    ReportPartsChanged(*this);
}

void TPalmForm::SetLook(double scale, const std::optional<ContrastPalette>& palette) {
    scale_ = std::clamp(scale, 1.0, 4.0);
    contrast_ = palette;
    caption_->SetLook(scale_, palette);
    setFixedWidth(static_cast<int>(std::lround(Hand::kClientWidth * scale_)));
    SetClientHeight(handHeight_);
    RepaintFingers();
}

QColor TPalmForm::Shown(TColor color, bool isMark) const {
    if (!contrast_) return ToQColor(color, palette());
    if (color == clBlack) return ToQColor(contrast_->background);
    return ToQColor(isMark ? contrast_->highlightBackground : contrast_->text);
}

QRect TPalmForm::HandArea() const {
    const int top = caption_->NeededHeight();
    return {0, top, width(), std::max(height() - top, 1)};
}

QRect TPalmForm::OnWindow(const QRectF& onHand) const {
    return QRectF(onHand.topLeft() * scale_, onHand.size() * scale_)
        .toAlignedRect()
        .translated(HandArea().topLeft());
}

void TPalmForm::PointFinger(int slot) {
    const int previous = PointedPart();
    hand_.PointFinger(slot);
    ReportPickedPart(*this, previous, PointedPart());
}

void TPalmForm::ClearFinger() {
    const int previous = PointedPart();
    hand_.ClearFinger();
    ReportPickedPart(*this, previous, PointedPart());
}

// --- the fingers, as a screen reader finds them --------------------------------------

int TPalmForm::PointedPart() const {
    for (int slot = 1; slot <= 5; ++slot) {
        if (hand_.Marked(slot)) return slot - 1;
    }
    return -1;
}

QString TPalmForm::PartName(int part) const {
    return FromUtf8View(FingerName(hand_.FingerNumber(part + 1)));
}

QRect TPalmForm::PartRect(int part) const {
    const finger& bar = hand_.Finger(part + 1);
    const int top = bar.Base() - bar.Length() - finger::kMarkGap - static_cast<int>(kPenWidth);
    const QRect onHand = QRect(QPoint(bar.X() - static_cast<int>(kPenWidth) / 2, top),
                               QPoint(bar.X() + static_cast<int>(kPenWidth) / 2, bar.Base()))
                             .normalized();
    return OnWindow(QRectF(onHand));
}

bool TPalmForm::PartPicked(int part) const {
    return part == PointedPart();
}

QString TPalmForm::WholeDescription() const {
    const int pointed = PointedPart();
    if (pointed < 0) return {};
    return FromUtf8View(Format(Tr("Finger to use: %s"), {FingerNameInText(hand_.FingerNumber(pointed + 1))}));
}

void TPalmForm::BuildFingers() {
    BuildFingers(FingerSettingsOf(store_));
}

void TPalmForm::BuildFingers(const FingerSettings& settings) {
    hand_.BuildFingers(settings);
    RepaintFingers();
}

void TPalmForm::ShowHands() {
    if (!hand_.NoFingers()) show();
}

void TPalmForm::SetClientHeight(int height) {
    handHeight_ = std::max(height, 1);
    setFixedHeight(caption_->NeededHeight() + static_cast<int>(std::lround(handHeight_ * scale_)));
    caption_->FitWindowWidth();
}

void TPalmForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!CanvasFits()) RepaintFingers();
}

void TPalmForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The caption's height follows the font: the hand keeps its own.
    if (event->type() == QEvent::FontChange) SetClientHeight(handHeight_);
}

bool TPalmForm::CanvasFits() const {
    const qreal ratio = devicePixelRatioF();
    return canvas_.devicePixelRatio() == ratio &&
           canvas_.size() == (QSizeF(HandArea().size()) * ratio).toSize();
}

void TPalmForm::RepaintFingers() {
    const qreal ratio = devicePixelRatioF();
    canvas_ = QImage((QSizeF(HandArea().size()) * ratio).toSize(), QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio);
    canvas_.fill(Shown(clBlack, false));
    hand_.PaintFingers();
    update();
}

void TPalmForm::paintEvent(QPaintEvent* event) {
    // A new size or scale factor: draw the hand afresh at the new resolution.
    if (!CanvasFits()) RepaintFingers();
    const QRect area = HandArea();
    const QRect shown = event->rect() & area;
    QPainter painter(this);
    painter.drawImage(shown, canvas_,
                      QRectF(QPointF(shown.topLeft() - area.topLeft()) * canvas_.devicePixelRatio(),
                             QSizeF(shown.size()) * canvas_.devicePixelRatio()));
    // Without a window manager's frame, a line keeps the black hand apart
    // from a dark desktop.
    painter.setPen(contrast_ ? ToQColor(contrast_->text) : palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TPalmForm::DrawBar(int x, int bottom, int top, TColor color) {
    if (canvas_.isNull()) return;
    QPainter painter(&canvas_);
    painter.scale(scale_, scale_);
    const QRectF bar = QRectF(x - kPenWidth / 2, top, kPenWidth, bottom - top).normalized();
    painter.fillRect(bar, Shown(color, false));
    update(OnWindow(bar));
}

void TPalmForm::DrawDot(int x, int y, TColor color) {
    if (canvas_.isNull()) return;
    QPainter painter(&canvas_);
    painter.scale(scale_, scale_);
    // The dot replaces what stood on its spot, so that erasing it in black
    // leaves no rim of the smoothed edge behind.
    const QRectF spot(x - kPenWidth / 2 - 1, y - kPenWidth / 2 - 1, kPenWidth + 2, kPenWidth + 2);
    painter.fillRect(spot, Shown(clBlack, true));
    if (color != clBlack) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Shown(color, true));
        painter.drawEllipse(QPointF(x, y), kPenWidth / 2, kPenWidth / 2);
    }
    update(OnWindow(spot));
}

}  // namespace zq
