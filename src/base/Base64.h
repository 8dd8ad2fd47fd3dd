#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zq {

// Base64 of RFC 4648 (the alphabet with "+" and "/"), as keyboard template
// descriptions carry key pictures.

// The text of `bytes`, padded with "=" to a multiple of four characters.
std::string EncodeBase64(std::string_view bytes);

// The bytes of `text`, or nothing when it holds a character outside the
// alphabet, padding anywhere but at its end, or a length no encoding has.
// The padding may be left out.
std::optional<std::string> DecodeBase64(std::string_view text);

}  // namespace zq
