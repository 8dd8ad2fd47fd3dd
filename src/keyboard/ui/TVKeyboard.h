#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>

#include "base/ui/AccessibleParts.h"
#include "keyboard/OnScreenKeyboard.h"
#include "keyboard/ui/TKbFm.h"

namespace zq {

class TDataMod;

// The on-screen keyboard window: the keys of the current template on an
// olive frame, with the key of the next character lit, steadily or
// blinking every 250 ms while the window is shown. Screen readers find the
// keys as its parts, the lit key selected and told in its description.
class TVKeyboard : public QWidget, public AccessibleParts, private KeyboardView {
    Q_OBJECT
    Q_INTERFACES(zq::AccessibleParts)
public:
    explicit TVKeyboard(QWidget* parent = nullptr);
    TVKeyboard(TDataMod& store, QWidget* parent = nullptr);

    // Reads the template into the store and rebuilds the keys from what the
    // store holds; true when the whole template was read (see
    // OnScreenKeyboard::LoadTemplate).
    bool LoadTemplate(const std::string& path);
    // Lights the key of an 8-bit character and gives its finger (0-9), or -1.
    int HighlightKey(unsigned char character);

    bool BlinkMode() const { return keyboard_.BlinkMode; }
    void SetBlinkMode(bool blinking) { keyboard_.BlinkMode = blinking; }
    // Also light the Shift, AltGr and dead keys of a character (the profile's
    // ShowModifiers); takes effect at the next character.
    bool ShowModifiers() const { return keyboard_.ShowModifiers; }
    void SetShowModifiers(bool show) { keyboard_.ShowModifiers = show; }

    // Draws the keys `scale` times the template's size (as far as the screen
    // leaves room) in a contrast palette or the template's colours; the
    // window takes its new size at once.
    void SetLook(double scale, const std::optional<ContrastPalette>& palette);
    double LookScale() const { return lookScale_; }

    // The blink timer's handler, every 250 ms while the window is shown.
    void TimerofKBTimer() { keyboard_.BlinkTick(); }

    TKbFm* KbFrame() { return kbFrame_; }
    const OnScreenKeyboard& Keyboard() const { return keyboard_; }
    bool BlinkTimerActive() const { return TimerofKB.isActive(); }

    // AccessibleParts: the keys.
    int PartCount() const override;
    QString PartName(int part) const override;
    QString PartDescription(int part) const override;
    QRect PartRect(int part) const override;
    bool PartPicked(int part) const override;
    QAccessible::Role PartRole() const override { return QAccessible::Button; }
    QAccessible::Role WholeRole() const override { return QAccessible::Window; }
    QString WholeDescription() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetClientSize(int width, int height) override;
    void StartBlinkTimer() override { TimerofKB.start(); }
    void StopBlinkTimer() override { TimerofKB.stop(); }

    TKbFm* kbFrame_;
    double lookScale_ = 1;
    OnScreenKeyboard keyboard_;
    QTimer TimerofKB;
};

}  // namespace zq
