#pragma once

#include <string>

#include <xkbcommon/xkbcommon.h>

#include "templates/Description.h"

namespace zq {

class XkbLayout;

// Accent codes of dead keys as the keyboard template stores them.
enum AccentCode {
    kNoAccent = 0,
    kAccentGrave = 2001,
    kAccentAcute = 2002,
    kAccentCircumflex = 2003,
    kAccentTilde = 2004,
    kAccentUmlaut = 2005,
    kAccentRing = 2006,
    kAccentCaron = 2007,
    kAccentCedilla = 2008,
};

// Key kinds that are not Windows virtual-key codes.
enum KeyKind {
    kLetterKey = 1,     // Caps Lock swaps its plain and Shift characters
    kCharacterKey = 2,  // any other key that types characters
    kCapsLockKey = 20,
    kAltGrKey = 1000,
    kLeftShiftKey = 1002,
    kRightShiftKey = 1003,
};

// The template of a full-size PC keyboard with the layout's characters,
// limited to those of the system code page in force (SetSystemCodePage).
// `layoutName` is only quoted in the readme.
KeyboardDescription DescribeLayout(const XkbLayout& layout, const std::string& layoutName);

// The accent code of a dead keysym, kNoAccent for other keysyms and for
// accents a template cannot name.
int AccentOfDeadKeysym(xkb_keysym_t keysym);

}  // namespace zq
