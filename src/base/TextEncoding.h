#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zq {

// The encoding a text file's byte order mark names: the program's one judge
// of what a file's first bytes say about the rest. Windows editors save
// "Unicode" texts as UTF-16 behind such a mark; a file without one is 8-bit
// text or UTF-8, told apart by its bytes (see IsUtf8WithNonAscii).
enum class TextEncoding : std::uint8_t { Unmarked, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The encoding whose mark `bytes` begin with; Unmarked when there is none.
TextEncoding MarkedEncoding(std::string_view bytes);

// The bytes of the encoding's mark; empty for Unmarked.
std::string_view ByteOrderMark(TextEncoding encoding);

bool IsUtf16(TextEncoding encoding);

// UTF-16 code units (the bytes after the mark) in the byte order of
// `encoding`, as UTF-8. A surrogate without its partner, and a last byte
// without its partner, become U+FFFD.
std::string Utf16ToUtf8(std::string_view units, TextEncoding encoding);

// UTF-8 text as UTF-16 code units in the byte order of `encoding`, without
// a mark; bytes that are not UTF-8 become U+FFFD.
std::string Utf8ToUtf16(std::string_view utf8, TextEncoding encoding);

// The text of a file's bytes after its mark: the bytes as they are when
// there is no mark or the UTF-8 one, UTF-8 when the mark says UTF-16.
std::string TextAfterMark(std::string_view bytes);

}  // namespace zq
