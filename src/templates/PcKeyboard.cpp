#include "templates/PcKeyboard.h"

#include <cmath>

#include "base/VirtualKeys.h"

namespace zq {
namespace {

// Pixels per key unit, the gap left between neighbouring keys, and the
// margin around the keys (the keyboard window adds its own on the right and
// at the bottom).
constexpr int kPitch = 36;
constexpr int kGap = 3;
constexpr int kMargin = 10;

// The main rows stand half a unit below the function row.
constexpr double kMainTop = 1.5;

// Horizontal starts of the three blocks right of the main block.
constexpr double kNavigationLeft = 15.25;
constexpr double kKeypadLeft = 18.5;

constexpr int kExtended = 256;  // scan codes sent after 0xE0

// Fingers, numbered across both hands.
enum Finger {
    kLeftLittle = 0,
    kLeftRing,
    kLeftMiddle,
    kLeftIndex,
    kLeftThumb,
    kRightThumb,
    kRightIndex,
    kRightMiddle,
    kRightRing,
    kRightLittle,
};

// Touch-typing fingers of the columns of the main block, from the column of
// "1" (and Q, A) rightwards; the key left of "1" and the keys left of Z take
// the left little finger too. The function keys follow the digit keys below.
constexpr int kColumnFingers[12] = {kLeftLittle, kLeftRing,    kLeftMiddle,  kLeftIndex,
                                    kLeftIndex,  kRightIndex,  kRightIndex,  kRightMiddle,
                                    kRightRing,  kRightLittle, kRightLittle, kRightLittle};

// Builds one row from left to right: each Add places a key at the current
// position and moves past it.
class RowBuilder {
public:
    RowBuilder(std::vector<PcKey>& keys, int row, double x)
        : keys_(keys), row_(row), x_(x), y_(row == 0 ? 0.0 : kMainTop + row - 1) {}

    RowBuilder& Skip(double units) {
        x_ += units;
        return *this;
    }
    RowBuilder& MoveTo(double x) {
        x_ = x;
        return *this;
    }
    RowBuilder& Add(const char* xkbName, const char* caption, KeyRole role, int scanCode, int virtualKey,
                    int finger, double width = 1.0, double height = 1.0) {
        keys_.push_back({xkbName, caption, role, scanCode, virtualKey, finger, row_, x_, y_, width, height});
        x_ += width;
        return *this;
    }
    // A key typing what the layout puts on it.
    RowBuilder& Char(const char* xkbName, int scanCode, int finger, double width = 1.0) {
        return Add(xkbName, "", KeyRole::Character, scanCode, 0, finger, width);
    }

private:
    std::vector<PcKey>& keys_;
    int row_;
    double x_, y_;
};

void AddFunctionRow(std::vector<PcKey>& keys) {
    RowBuilder row(keys, 0, 0);
    row.Add("ESC", "Esc", KeyRole::Other, 1, VK_ESCAPE, kLeftLittle).Skip(1);
    static const char* const names[12] = {"FK01", "FK02", "FK03", "FK04", "FK05", "FK06",
                                          "FK07", "FK08", "FK09", "FK10", "FK11", "FK12"};
    static const char* const captions[12] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                             "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 12; ++i) {
        if (i == 4 || i == 8) row.Skip(0.5);
        const int scanCode = i < 10 ? 59 + i : 87 + (i - 10);
        row.Add(names[i], captions[i], KeyRole::Other, scanCode, VK_F1 + i, kColumnFingers[i]);
    }
    row.MoveTo(kNavigationLeft)
        .Add("PRSC", "PrtSc", KeyRole::Other, kExtended + 0x37, VK_SNAPSHOT, kRightIndex)
        .Add("SCLK", "ScrLk", KeyRole::Other, 70, VK_SCROLL, kRightMiddle)
        .Add("PAUS", "Pause", KeyRole::Other, 2 * kExtended + 0x45, VK_PAUSE, kRightRing);
}

void AddDigitRow(std::vector<PcKey>& keys) {
    RowBuilder row(keys, 1, 0);
    row.Char("TLDE", 41, kLeftLittle);
    static const char* const names[12] = {"AE01", "AE02", "AE03", "AE04", "AE05", "AE06",
                                          "AE07", "AE08", "AE09", "AE10", "AE11", "AE12"};
    for (int i = 0; i < 12; ++i) row.Char(names[i], 2 + i, kColumnFingers[i]);
    row.Add("BKSP", "Bksp", KeyRole::Control, 14, VK_BACK, kRightLittle, 2.0);
    row.MoveTo(kNavigationLeft)
        .Add("INS", "Ins", KeyRole::Other, kExtended + 0x52, VK_INSERT, kRightIndex)
        .Add("HOME", "Home", KeyRole::Other, kExtended + 0x47, VK_HOME, kRightMiddle)
        .Add("PGUP", "PgUp", KeyRole::Other, kExtended + 0x49, VK_PRIOR, kRightRing);
    row.MoveTo(kKeypadLeft)
        .Add("NMLK", "Num", KeyRole::Other, 69, VK_NUMLOCK, kRightIndex)
        .Add("KPDV", "", KeyRole::Keypad, kExtended + 0x35, VK_DIVIDE, kRightMiddle)
        .Add("KPMU", "", KeyRole::Keypad, 55, VK_MULTIPLY, kRightRing)
        .Add("KPSU", "", KeyRole::Keypad, 74, VK_SUBTRACT, kRightLittle);
}

void AddTopLetterRow(std::vector<PcKey>& keys, KeyboardShape shape) {
    RowBuilder row(keys, 2, 0);
    row.Add("TAB", "Tab", KeyRole::Control, 15, VK_TAB, kLeftLittle, 1.5);
    static const char* const names[12] = {"AD01", "AD02", "AD03", "AD04", "AD05", "AD06",
                                          "AD07", "AD08", "AD09", "AD10", "AD11", "AD12"};
    for (int i = 0; i < 12; ++i) row.Char(names[i], 16 + i, kColumnFingers[i]);
    if (shape == KeyboardShape::Iso) {
        // The tall Enter key spans this row and the next; drawn as one
        // rectangle, it leaves a quarter unit free after the last letter key.
        row.Skip(0.25).Add("RTRN", "Enter", KeyRole::Control, 28, VK_RETURN, kRightLittle, 1.25, 2.0);
    } else {
        row.Char("BKSL", 43, kRightLittle, 1.5);
    }
    row.MoveTo(kNavigationLeft)
        .Add("DELE", "Del", KeyRole::Other, kExtended + 0x53, VK_DELETE, kRightIndex)
        .Add("END", "End", KeyRole::Other, kExtended + 0x4F, VK_END, kRightMiddle)
        .Add("PGDN", "PgDn", KeyRole::Other, kExtended + 0x51, VK_NEXT, kRightRing);
    row.MoveTo(kKeypadLeft)
        .Add("KP7", "", KeyRole::Keypad, 71, VK_NUMPAD0 + 7, kRightIndex)
        .Add("KP8", "", KeyRole::Keypad, 72, VK_NUMPAD0 + 8, kRightMiddle)
        .Add("KP9", "", KeyRole::Keypad, 73, VK_NUMPAD0 + 9, kRightRing)
        .Add("KPAD", "", KeyRole::Keypad, 78, VK_ADD, kRightLittle, 1.0, 2.0);
}

void AddHomeRow(std::vector<PcKey>& keys, KeyboardShape shape) {
    RowBuilder row(keys, 3, 0);
    row.Add("CAPS", "Caps", KeyRole::CapsLock, 58, VK_CAPITAL, kLeftLittle, 1.75);
    static const char* const names[11] = {"AC01", "AC02", "AC03", "AC04", "AC05", "AC06",
                                          "AC07", "AC08", "AC09", "AC10", "AC11"};
    for (int i = 0; i < 11; ++i) row.Char(names[i], 30 + i, kColumnFingers[i]);
    if (shape == KeyboardShape::Iso) {
        row.Char("BKSL", 43, kRightLittle);
    } else {
        row.Add("RTRN", "Enter", KeyRole::Control, 28, VK_RETURN, kRightLittle, 2.25);
    }
    row.MoveTo(kKeypadLeft)
        .Add("KP4", "", KeyRole::Keypad, 75, VK_NUMPAD0 + 4, kRightIndex)
        .Add("KP5", "", KeyRole::Keypad, 76, VK_NUMPAD0 + 5, kRightMiddle)
        .Add("KP6", "", KeyRole::Keypad, 77, VK_NUMPAD0 + 6, kRightRing);
}

void AddBottomLetterRow(std::vector<PcKey>& keys, KeyboardShape shape) {
    RowBuilder row(keys, 4, 0);
    if (shape == KeyboardShape::Iso) {
        row.Add("LFSH", "Shift", KeyRole::LeftShift, 42, VK_SHIFT, kLeftLittle, 1.25)
            .Char("LSGT", 86, kLeftLittle);
    } else {
        row.Add("LFSH", "Shift", KeyRole::LeftShift, 42, VK_SHIFT, kLeftLittle, 2.25);
    }
    static const char* const names[10] = {"AB01", "AB02", "AB03", "AB04", "AB05",
                                          "AB06", "AB07", "AB08", "AB09", "AB10"};
    for (int i = 0; i < 10; ++i) row.Char(names[i], 44 + i, kColumnFingers[i]);
    row.Add("RTSH", "Shift", KeyRole::RightShift, 54, VK_SHIFT, kRightLittle, 2.75);
    row.MoveTo(kNavigationLeft + 1)
        .Add("UP", "\u2191", KeyRole::Other, kExtended + 0x48, VK_UP, kRightMiddle);
    row.MoveTo(kKeypadLeft)
        .Add("KP1", "", KeyRole::Keypad, 79, VK_NUMPAD0 + 1, kRightIndex)
        .Add("KP2", "", KeyRole::Keypad, 80, VK_NUMPAD0 + 2, kRightMiddle)
        .Add("KP3", "", KeyRole::Keypad, 81, VK_NUMPAD0 + 3, kRightRing)
        .Add("KPEN", "Enter", KeyRole::Other, kExtended + 0x1C, VK_RETURN, kRightLittle, 1.0, 2.0);
}

void AddSpaceRow(std::vector<PcKey>& keys) {
    RowBuilder row(keys, 5, 0);
    row.Add("LCTL", "Ctrl", KeyRole::Other, 29, VK_CONTROL, kLeftLittle, 1.25)
        .Add("LWIN", "Win", KeyRole::Other, kExtended + 0x5B, VK_LWIN, kLeftLittle, 1.25)
        .Add("LALT", "Alt", KeyRole::Other, 56, VK_MENU, kLeftThumb, 1.25)
        .Char("SPCE", 57, kRightThumb, 6.25)
        .Add("RALT", "AltGr", KeyRole::RightAlt, kExtended + 0x38, VK_MENU, kRightThumb, 1.25)
        .Add("RWIN", "Win", KeyRole::Other, kExtended + 0x5C, VK_RWIN, kRightLittle, 1.25)
        .Add("COMP", "Menu", KeyRole::Other, kExtended + 0x5D, VK_APPS, kRightLittle, 1.25)
        .Add("RCTL", "Ctrl", KeyRole::Other, kExtended + 0x1D, VK_CONTROL, kRightLittle, 1.25);
    row.MoveTo(kNavigationLeft)
        .Add("LEFT", "\u2190", KeyRole::Other, kExtended + 0x4B, VK_LEFT, kRightIndex)
        .Add("DOWN", "\u2193", KeyRole::Other, kExtended + 0x50, VK_DOWN, kRightMiddle)
        .Add("RGHT", "\u2192", KeyRole::Other, kExtended + 0x4D, VK_RIGHT, kRightRing);
    row.MoveTo(kKeypadLeft)
        .Add("KP0", "", KeyRole::Keypad, 82, VK_NUMPAD0, kRightThumb, 2.0)
        .Add("KPDL", "", KeyRole::Keypad, 83, VK_DECIMAL, kRightRing);
}

}  // namespace

std::vector<PcKey> PcKeyboard(KeyboardShape shape) {
    std::vector<PcKey> keys;
    AddFunctionRow(keys);
    AddDigitRow(keys);
    AddTopLetterRow(keys, shape);
    AddHomeRow(keys, shape);
    AddBottomLetterRow(keys, shape);
    AddSpaceRow(keys);
    return keys;
}

PixelRect KeyPixels(const PcKey& key) {
    const auto pixels = [](double units) { return static_cast<int>(std::lround(units * kPitch)); };
    return {kMargin + pixels(key.x), kMargin + pixels(key.y), pixels(key.width) - kGap,
            pixels(key.height) - kGap};
}

}  // namespace zq
