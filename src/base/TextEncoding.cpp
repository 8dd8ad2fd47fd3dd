#include "base/TextEncoding.h"

#include "base/Utf16Decoder.h"
#include "base/Utf8Char.h"

namespace zq {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

char16_t UnitAt(std::string_view units, std::size_t at, TextEncoding encoding) {
    const auto first = static_cast<unsigned char>(units[at]);
    const auto second = static_cast<unsigned char>(units[at + 1]);
    return encoding == TextEncoding::Utf16BigEndian ? static_cast<char16_t>(first << 8 | second)
                                                    : static_cast<char16_t>(second << 8 | first);
}

void AppendUnit(std::string& out, char16_t unit, TextEncoding encoding) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    if (encoding == TextEncoding::Utf16BigEndian) {
        out += high;
        out += low;
    } else {
        out += low;
        out += high;
    }
}

}  // namespace

TextEncoding MarkedEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return TextEncoding::Utf8;
    if (bytes.starts_with(kUtf16LittleEndianMark)) return TextEncoding::Utf16LittleEndian;
    if (bytes.starts_with(kUtf16BigEndianMark)) return TextEncoding::Utf16BigEndian;
    return TextEncoding::Unmarked;
}

std::string_view ByteOrderMark(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return kUtf8Mark;
        case TextEncoding::Utf16LittleEndian:
            return kUtf16LittleEndianMark;
        case TextEncoding::Utf16BigEndian:
            return kUtf16BigEndianMark;
        case TextEncoding::Unmarked:
            break;
    }
    return {};
}

bool IsUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian;
}

std::string Utf16ToUtf8(std::string_view units, TextEncoding encoding) {
    std::string utf8;
    utf8.reserve(units.size());
    Utf16Decoder decoder;
    std::u32string characters;  // what one unit completes: none, one or two
    const auto append = [&] {
        for (const char32_t ch : characters) AppendUtf8(utf8, ch);
        characters.clear();
    };
    for (std::size_t at = 0; at + 1 < units.size(); at += 2) {
        decoder.Take(UnitAt(units, at, encoding), characters);
        append();
    }
    decoder.Finish(characters);
    if (units.size() % 2 != 0) characters += Utf16Decoder::kReplacement;
    append();
    return utf8;
}

std::string Utf8ToUtf16(std::string_view utf8, TextEncoding encoding) {
    std::string units;
    units.reserve(utf8.size() * 2);
    std::size_t at = 0;
    while (at < utf8.size()) {
        char32_t ch = Utf16Decoder::kReplacement;
        if (!DecodeUtf8(utf8, at, ch)) ++at;
        if (ch < 0x10000) {
            AppendUnit(units, static_cast<char16_t>(ch), encoding);
            continue;
        }
        const char32_t offset = ch - 0x10000;
        AppendUnit(units, static_cast<char16_t>(0xD800 + (offset >> 10)), encoding);
        AppendUnit(units, static_cast<char16_t>(0xDC00 + (offset & 0x3FF)), encoding);
    }
    return units;
}

std::string TextAfterMark(std::string_view bytes) {
    const TextEncoding encoding = MarkedEncoding(bytes);
    bytes.remove_prefix(ByteOrderMark(encoding).size());
    return IsUtf16(encoding) ? Utf16ToUtf8(bytes, encoding) : std::string(bytes);
}

}  // namespace zq
