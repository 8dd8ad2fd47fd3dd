#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "base/ui/AccessibleParts.h"
#include "keyboard/Hand.h"

namespace zq {

class TDataMod;

// A hands window: the five fingers of one hand as coloured bars on black,
// the finger that types the next character marked by a dot or by blinking.
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

    void PointFinger(int slot);
    void ClearFinger();
    // Shows the window unless this hand has no fingers.
    void ShowHands();

    // The blink timer's handler, every 250 ms from PointFinger to ClearFinger.
    void TimerOfPalmTimer() { hand_.BlinkTick(); }

    const Hand& Fingers() const { return hand_; }
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

private:
    void SetClientHeight(int height) override;
    void StartBlinkTimer() override { TimerOfPalm.start(); }
    void StopBlinkTimer() override { TimerOfPalm.stop(); }
    void DrawBar(int x, int bottom, int top, TColor color) override;
    void DrawDot(int x, int y, TColor color) override;

    // Clears the retained picture to black and draws the whole hand on it.
    void RepaintFingers();
    bool CanvasFits() const;
    int PointedPart() const;

    TDataMod& store_;
    Hand hand_;
    QTimer TimerOfPalm;
    QImage canvas_;
};

}  // namespace zq
