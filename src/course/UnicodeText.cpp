#include "course/UnicodeText.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "base/Utf8Char.h"

namespace zq {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The C library's Unicode character classes, whatever locale the program
// runs in. C.UTF-8 is part of every Debian system.
locale_t UnicodeLocale() {
    static const locale_t locale = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return made != static_cast<locale_t>(nullptr) ? made : newlocale(LC_CTYPE_MASK, "C", nullptr);
    }();
    return locale;
}

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

}  // namespace

std::u32string DecodeText(std::string_view bytes, const std::string& encoding) {
    if (encoding == "UTF-8" || encoding == "utf-8" || encoding == "UTF8") return FromUtf8Text(bytes);
    const iconv_t opened = iconv_open("UTF-32LE", encoding.c_str());
    if (opened == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("the encoding '" + encoding + "' is not known to the system");
    const std::unique_ptr<void, IconvCloser> cd(opened);
    // No byte gives more than one character: the result fits, and a large
    // dictionary is decoded in place without a second buffer.
    std::u32string chars(bytes.size() + 1, U'\0');
    std::size_t produced = 0;
    char* in = const_cast<char*>(bytes.data());  // iconv does not write its input
    size_t inLeft = bytes.size();
    const auto convert = [&](char** input, size_t* inputLeft) {
        char* out = reinterpret_cast<char*>(chars.data() + produced);
        size_t outLeft = (chars.size() - produced) * sizeof(char32_t);
        const size_t result = iconv(opened, input, inputLeft, &out, &outLeft);
        produced = chars.size() - outLeft / sizeof(char32_t);
        return result;
    };
    while (inLeft > 0) {
        if (convert(&in, &inLeft) == static_cast<size_t>(-1) && inLeft > 0) {
            chars[produced++] = kReplacement;
            ++in;
            --inLeft;
            iconv(opened, nullptr, nullptr, nullptr, nullptr);
        }
    }
    convert(nullptr, nullptr);  // what a stateful converter holds back
    chars.resize(produced);
    return chars;
}

std::u32string FromUtf8Text(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        char32_t ch = 0;
        if (DecodeUtf8(utf8, at, ch)) {
            out += ch;
        } else {
            out += kReplacement;
            ++at;
        }
    }
    return out;
}

std::string ToUtf8Text(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t ch : text) AppendUtf8(out, ch);
    return out;
}

bool IsLetter(char32_t ch) {
    return iswalpha_l(static_cast<wint_t>(ch), UnicodeLocale()) != 0;
}

bool IsUpperCase(char32_t ch) {
    return iswupper_l(static_cast<wint_t>(ch), UnicodeLocale()) != 0;
}

bool IsLowerCase(char32_t ch) {
    return iswlower_l(static_cast<wint_t>(ch), UnicodeLocale()) != 0;
}

char32_t ToLowerCase(char32_t ch) {
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(ch), UnicodeLocale()));
}

bool IsDigit(char32_t ch) {
    return ch >= U'0' && ch <= U'9';
}

bool IsVowel(char32_t ch) {
    // Lower-case vowels with the accented forms the Windows code pages hold.
    static constexpr std::u32string_view kVowels =
        U"aeiouy\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF"
        U"\u00F2\u00F3\u00F4\u00F5\u00F6\u00F8\u00F9\u00FA\u00FB\u00FC\u00FD\u00FF"
        U"\u0101\u0103\u0105\u0113\u0115\u0117\u0119\u011B\u012B\u012F\u0131\u014D\u0151\u0153\u016B\u016F"
        U"\u0171\u0173\u01A1\u01B0"
        U"\u0430\u0435\u0451\u0438\u043E\u0443\u044B\u044D\u044E\u044F\u0454\u0456\u0457\u045E"
        U"\u03B1\u03B5\u03B7\u03B9\u03BF\u03C5\u03C9\u03AC\u03AD\u03AE\u03AF\u03CC\u03CD\u03CE\u03CA\u03CB"
        U"\u0390\u03B0";
    return kVowels.find(ToLowerCase(ch)) != std::u32string_view::npos;
}

bool IsCombiningMark(char32_t ch) {
    // The ranges of the categories Mn and Me in the blocks of the code
    // pages' scripts (Unicode's character database).
    static constexpr std::pair<char32_t, char32_t> kMarks[] = {
        {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
        {0x05C4, 0x05C5}, {0x05C7, 0x05C7}, {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670},
        {0x06D6, 0x06DC}, {0x06DF, 0x06E4}, {0x06E7, 0x06E8}, {0x06EA, 0x06ED}, {0x0E31, 0x0E31},
        {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20F0},
    };
    return std::ranges::any_of(kMarks,
                               [ch](const auto& range) { return ch >= range.first && ch <= range.second; });
}

bool IsFinalForm(char32_t ch) {
    return std::u32string_view(U"\u05DA\u05DD\u05DF\u05E3\u05E5\u03C2").find(ch) != std::u32string_view::npos;
}

bool IsBaseLetter(char32_t ch) {
    return IsLetter(ch) && !IsCombiningMark(ch);
}

}  // namespace zq
