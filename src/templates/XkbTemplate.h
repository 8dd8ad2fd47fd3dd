#pragma once

#include <string>

#include <xkbcommon/xkbcommon.h>

#include "keyboard/KeyTypes.h"
#include "templates/Description.h"

namespace zq {

class XkbLayout;

// The template of a full-size PC keyboard with the layout's characters,
// limited to those of the system code page in force (SetSystemCodePage).
// `layoutName` is only quoted in the readme.
KeyboardDescription DescribeLayout(const XkbLayout& layout, const std::string& layoutName);

// The accent code of a dead keysym, kNoAccent for other keysyms and for
// accents a template cannot name.
int AccentOfDeadKeysym(xkb_keysym_t keysym);

}  // namespace zq
