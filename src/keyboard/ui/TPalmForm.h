#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>

#include "base/ContrastPalette.h"
#include "base/ui/AccessibleParts.h"
#include "keyboard/Hand.h"

namespace zq {

class CaptionStrip;
class TDataMod;

// A hands window: the five fingers of one hand as coloured bars on black,
// the finger that types the next character marked by a dot or by blinking,
// under a caption strip with the window's title that it draws itself.
// The fingers draw on a retained picture of the client area, which a
// repaint of the window shows as it stands. Screen readers find the
// fingers as its parts, the finger pointed at selected.
class TPalmForm : public QWidget, public AccessibleParts, private HandView {
    Q_OBJECT
    Q_INTERFACES(zq::AccessibleParts)
public:
    explicit TPalmForm(QWidget* parent = nullptr);
    TPalmForm(TDataMod& store, QWidget* parent = nullptr);

    // Left or right hand; the title says which.
    void SetLeftHand(bool isLeft);
    bool IsLeft() const { return hand_.IsLeft(); }

    bool BlinkMode() const { return hand_.BlinkMode; }
    void SetBlinkMode(bool blinking) { hand_.BlinkMode = blinking; }

    // Sizes the window and places the fingers from the store's settings.
    void BuildFingers();
    void BuildFingers(const FingerSettings& settings);

    // Draws the hand `scale` times its template's size, in a contrast palette
    // (fingers in its text colour, the mark of the finger to use in its
    // highlight colour, on its background) or in the template's colours on
    // black; the window takes its new size at once.
    void SetLook(double scale, const std::optional<ContrastPalette>& palette);
    double LookScale() const { return scale_; }

    void PointFinger(int slot);
    void ClearFinger();
    // Shows the window unless this hand has no fingers.
    void ShowHands();

    // The blink timer's handler, every 250 ms from PointFinger to ClearFinger.
    void TimerOfPalmTimer() { hand_.BlinkTick(); }

    const Hand& Fingers() const { return hand_; }
    // Where the hand stands on the window: below its caption strip.
    QRect HandArea() const;
    bool BlinkTimerActive() const { return TimerOfPalm.isActive(); }

    // AccessibleParts: the five fingers, the little finger first.
    int PartCount() const override { return 5; }
    QString PartName(int part) const override;
    QRect PartRect(int part) const override;
    bool PartPicked(int part) const override;
    QAccessible::Role WholeRole() const override { return QAccessible::Window; }
    QString WholeDescription() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetClientHeight(int height) override;
    void StartBlinkTimer() override { TimerOfPalm.start(); }
    void StopBlinkTimer() override { TimerOfPalm.stop(); }
    void DrawBar(int x, int bottom, int top, TColor color) override;
    void DrawDot(int x, int y, TColor color) override;

    // Clears the retained picture to the background and draws the whole hand on it.
    void RepaintFingers();
    // A colour of the hand as the window draws it: the palette's, if any.
    QColor Shown(TColor color, bool isMark) const;
    // A rectangle of the hand's own coordinates on the window.
    QRect OnWindow(const QRectF& onHand) const;
    bool CanvasFits() const;
    int PointedPart() const;

    TDataMod& store_;
    Hand hand_;
    CaptionStrip* caption_ = nullptr;  // a child of the window
    QTimer TimerOfPalm;
    QImage canvas_;
    double scale_ = 1;
    int handHeight_ = 1;  // the client height the hand asks for, unscaled
    std::optional<ContrastPalette> contrast_;
};

}  // namespace zq
