#pragma once

#include <cstdint>
#include <string>

#include "keyboard/LayoutBackend.h"

namespace zq {

// A locale text of a Windows language identifier from Qt's locale data, as
// 8-bit text: the identifier as 4 hexadecimal digits, "French (France)",
// "France". Empty for a language the program does not know.
std::string LayoutLocaleText(std::uint16_t languageId, LocaleInfo info);

}  // namespace zq
