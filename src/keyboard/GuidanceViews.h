#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/ContrastPalette.h"

namespace zq {

// What the program asks of its keyboard guidance: the on-screen keyboard and
// the two hands windows. The logic never sees a toolkit type: the Qt windows
// (keyboard/ui/GuidanceWindowSet) implement these interfaces, and the tests
// implement them with recording fakes.

struct DrillRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;  // 0 in a placement request: the window keeps its own height
};

// The on-screen keyboard as a drill drives it.
class KeyboardGuide {
public:
    virtual ~KeyboardGuide() = default;
    // Lights the key that produces `ch` (8-bit code; 0 lights nothing) and
    // returns its finger 0..9, or a value outside 0..9 when there is no key.
    virtual int HighlightKey(unsigned char ch) = 0;
    virtual DrillRect Frame() const = 0;
    virtual void MoveTo(int left, int top) = 0;
    // Shows the window unless it has no keys to show.
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// One hands window (left or right hand).
class HandGuide {
public:
    virtual ~HandGuide() = default;
    // Points at slot 1..5 (little finger .. thumb); other values are ignored.
    virtual void PointFinger(int slot) = 0;
    virtual void ClearFinger() = 0;
    // Shows the window unless it has nothing to show.
    virtual void ShowHands() = 0;
    virtual void Hide() = 0;
    virtual DrillRect Frame() const = 0;
    virtual void MoveTo(int left, int top) = 0;
};

// The guidance windows a drill drives; any of them may be missing.
struct DrillGuidance {
    KeyboardGuide* keyboard = nullptr;
    HandGuide* leftHand = nullptr;
    HandGuide* rightHand = nullptr;
};

// Points the hand of finger 0..9 at it (0 to 4: the left hand's little
// finger to its thumb, 5 to 9: the right hand's thumb to its little finger)
// and clears the other hand; any other value clears both.
void PointHandsAt(const DrillGuidance& guidance, int finger);

// The three windows as the main window makes and prepares them for a run.
class GuidanceWindows {
public:
    virtual ~GuidanceWindows() = default;
    // Makes the three windows (none shown), blinking or not.
    virtual void Create(bool blinking) = 0;
    // Reads the keyboard template and lets the hands place their fingers;
    // a template that cannot be read leaves the windows empty. True when
    // the whole template was read.
    virtual bool PrepareGuidance(const std::string& layoutPath) = 0;
    // The keys no longer react to the mouse.
    virtual void DisableKeyArea() = 0;
    // The keyboard also lights the Shift, AltGr and dead keys of a character.
    virtual void SetShowModifiers(bool show) = 0;
    // The keyboard and the hands drawn `scale` times their template's size
    // (1: as the template has them), in a contrast palette or, without
    // one, in the template's colours. The windows take their new size at once.
    virtual void SetLook(double scale, const std::optional<ContrastPalette>& palette) = 0;
    // The finger (0 to 9) that types an 8-bit character on the template's
    // keyboard, or -1 (see FingerOfCharacter).
    virtual std::int32_t FingerOf(unsigned char character8) = 0;
};

}  // namespace zq
