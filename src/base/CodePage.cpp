#include "base/CodePage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <mutex>
#include <string>
#include <unordered_map>

#include "base/CodePageDecoder.h"
#include "base/TextEncoding.h"
#include "base/Utf8Char.h"

namespace zq {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One code page's bytes and their Unicode characters, built once with iconv.
struct CodePageTable {
    std::array<char32_t, 256> charOfCode{};
    std::unordered_map<char32_t, unsigned char> codeOfChar;
};

CodePageTable BuildTable(int codePage) {
    CodePageTable table;
    CodePageDecoder decoder;
    for (int code = 0; code < 256; ++code) {
        auto ch = static_cast<char32_t>(code);
        if (code >= 128) {
            const std::u32string decoded = decoder.Decode(codePage, std::string(1, static_cast<char>(code)));
            ch = decoded.size() == 1 ? decoded[0] : kReplacement;
        }
        table.charOfCode[code] = ch;
        if (ch != kReplacement) table.codeOfChar.emplace(ch, static_cast<unsigned char>(code));
    }
    return table;
}

int g_codePage = 1252;

// The tables stay where they are once built (the map's nodes do not move),
// so a reference stays good after the lock is released.
const CodePageTable& Table(int codePage) {
    static std::mutex mutex;
    static std::unordered_map<int, CodePageTable> tables;
    std::lock_guard lock(mutex);
    auto it = tables.find(codePage);
    if (it == tables.end()) it = tables.emplace(codePage, BuildTable(codePage)).first;
    return it->second;
}

const CodePageTable& Table() {
    return Table(g_codePage);
}

}  // namespace

std::string LanguageOfLocaleName(std::string_view locale) {
    std::string language;
    for (const char c : locale.substr(0, locale.find_first_of("_-.@:")))
        language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return language;
}

int CodePageForLanguage(std::string_view language) {
    const std::string lang = LanguageOfLocaleName(language);
    static const std::unordered_map<std::string, int> kCodePages = {
        {"cs", 1250}, {"pl", 1250}, {"hu", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250}, {"ro", 1250},
        {"sq", 1250}, {"bs", 1250}, {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"mk", 1251},
        {"sr", 1251}, {"kk", 1251}, {"ky", 1251}, {"tt", 1251}, {"mn", 1251}, {"el", 1253}, {"tr", 1254},
        {"az", 1254}, {"uz", 1254}, {"he", 1255}, {"yi", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256},
        {"lt", 1257}, {"lv", 1257}, {"et", 1257}, {"vi", 1258}, {"th", 874},
    };
    const auto it = kCodePages.find(lang);
    return it == kCodePages.end() ? 1252 : it->second;
}

int SystemCodePage() {
    return g_codePage;
}
void SetSystemCodePage(int codePage) {
    g_codePage = codePage;
}

bool IsKnownCodePage() {
    const auto& characters = Table().charOfCode;
    return std::any_of(characters.begin() + 128, characters.end(),
                       [](char32_t ch) { return ch != kReplacement; });
}

std::string ToUtf8(std::string_view text8) {
    return ToUtf8(text8, g_codePage);
}

std::string ToUtf8(std::string_view text8, int codePage) {
    const auto& table = Table(codePage);
    std::string out;
    out.reserve(text8.size());
    for (char c : text8) AppendUtf8(out, table.charOfCode[static_cast<unsigned char>(c)]);
    return out;
}

std::string FromUtf8(std::string_view utf8) {
    return FromUtf8(utf8, g_codePage);
}

std::string FromUtf8(std::string_view utf8, int codePage) {
    const auto& codeOfChar = Table(codePage).codeOfChar;
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t ch;
        if (!DecodeUtf8(utf8, i, ch)) {
            out += '?';
            ++i;
            continue;
        }
        if (ch < 0x80) {
            out += static_cast<char>(ch);
            continue;
        }
        const auto it = codeOfChar.find(ch);
        out += it != codeOfChar.end() ? static_cast<char>(it->second) : '?';
    }
    return out;
}

bool CodePageHolds(std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t ch;
        if (!DecodeUtf8(utf8, i, ch) || !CodeOfChar(ch)) return false;
    }
    return true;
}

std::optional<unsigned char> CodeOfChar(char32_t ch) {
    return CodeOfChar(ch, g_codePage);
}

std::optional<unsigned char> CodeOfChar(char32_t ch, int codePage) {
    if (ch < 0x80) return static_cast<unsigned char>(ch);
    const auto& map = Table(codePage).codeOfChar;
    const auto it = map.find(ch);
    if (it == map.end()) return std::nullopt;
    return it->second;
}

char32_t CharOfCode(unsigned char code) {
    return CharOfCode(code, g_codePage);
}

char32_t CharOfCode(unsigned char code, int codePage) {
    return Table(codePage).charOfCode[code];
}

bool IsUtf8WithNonAscii(std::string_view bytes) {
    bool nonAscii = false;
    size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t ch;
        if (!DecodeUtf8(bytes, i, ch)) return false;
        nonAscii = true;
    }
    return nonAscii;
}

bool HoldsUtf8Sequence(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t ch;
        if (static_cast<unsigned char>(bytes[i]) >= 0x80 && DecodeUtf8(bytes, i, ch)) return true;
        ++i;
    }
    return false;
}

std::string FileTextToCodePage(std::string_view bytes) {
    return FileTextToCodePage(bytes, g_codePage);
}

bool FileReadsAsUtf8(std::string_view fileBytes) {
    const TextEncoding encoding = MarkedEncoding(fileBytes);
    if (IsUtf16(encoding)) return true;
    fileBytes.remove_prefix(ByteOrderMark(encoding).size());
    // A file marked as UTF-8 that holds UTF-8 letters is UTF-8, though a
    // line pasted from an 8-bit file left a stray byte in it (a '?' then).
    return IsUtf8WithNonAscii(fileBytes) || (encoding == TextEncoding::Utf8 && HoldsUtf8Sequence(fileBytes));
}

std::string FileTextToCodePage(std::string_view bytes, int codePage) {
    // The mark goes even when the rest turns out not to be UTF-8.
    const TextEncoding encoding = MarkedEncoding(bytes);
    const bool utf8 = FileReadsAsUtf8(bytes);
    bytes.remove_prefix(ByteOrderMark(encoding).size());
    if (IsUtf16(encoding)) return FromUtf8(Utf16ToUtf8(bytes, encoding), codePage);
    return utf8 ? FromUtf8(bytes, codePage) : std::string(bytes);
}

}  // namespace zq
