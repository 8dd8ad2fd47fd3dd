#pragma once

#include <string>
#include <string_view>

#include "base/CodePage.h"

namespace zq {

// True when the bytes are a rich-text (RTF) document: they begin with
// "{\rtf", possibly after a UTF-8 byte order mark or blanks.
bool LooksLikeRtf(std::string_view bytes);

// The plain text of a rich-text document, as a learner sees it on the page:
// 8-bit text of `textCodePage` (the drill's) with every paragraph and line
// break as CR LF. Font, colour and style tables, pictures, objects, headers, footers,
// hidden text and every other part that is not running text are left out.
// Characters come from the document's code page (\ansicpg and the fonts'
// character sets) and from Unicode escapes; those `textCodePage` cannot
// hold become a close ASCII stand-in where one exists, else "?".
// Malformed input (unbalanced braces, truncated escapes, oversized \bin)
// never fails: what can be read is returned.
std::string RtfToText(std::string_view rtf, int textCodePage = SystemCodePage());

}  // namespace zq
