#include "base/Utf16Decoder.h"

namespace zq {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void Utf16Decoder::Take(char16_t unit, std::u32string& out) {
    if (IsLowSurrogate(unit) && pendingHigh_ != 0) {
        const char32_t high = static_cast<char32_t>(pendingHigh_) - 0xD800;
        out += static_cast<char32_t>(0x10000 + (high << 10) + (unit - 0xDC00));
        pendingHigh_ = 0;
        return;
    }
    Finish(out);
    if (IsHighSurrogate(unit)) {
        pendingHigh_ = unit;
        return;
    }
    out += IsLowSurrogate(unit) ? kReplacement : static_cast<char32_t>(unit);
}

void Utf16Decoder::Finish(std::u32string& out) {
    if (pendingHigh_ == 0) return;
    out += kReplacement;
    pendingHigh_ = 0;
}

}  // namespace zq
