#pragma once

#include <string>

namespace zq {

// Turns UTF-16 code units, handed over one at a time, into the characters
// they encode: the program's one decoder of surrogate pairs (the Unicode
// texts of keyboard templates, the \u characters of rich text). A surrogate
// pair becomes the one character it encodes; a surrogate without its partner
// becomes U+FFFD.
class Utf16Decoder {
public:
    static constexpr char32_t kReplacement = 0xFFFD;

    // Appends to `out` what `unit` completes: nothing for a high surrogate
    // (its partner may come next), else the unit's character, or that of the
    // pair it ends, after U+FFFD for a high surrogate left without a partner.
    void Take(char16_t unit, std::u32string& out);

    // The end of the text: a high surrogate still waiting becomes U+FFFD.
    void Finish(std::u32string& out);

private:
    char16_t pendingHigh_ = 0;  // 0: none
};

}  // namespace zq
