#include "base/CodePageDecoder.h"

#include <vector>

namespace zq {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsOpen(iconv_t cd) {
    return cd != reinterpret_cast<iconv_t>(-1);
}

}  // namespace

CodePageDecoder::~CodePageDecoder() {
    for (const auto& entry : converters_)
        if (IsOpen(entry.second)) iconv_close(entry.second);
}

std::u32string CodePageDecoder::Decode(int codePage, std::string_view bytes) {
    std::u32string chars;
    iconv_t cd = Converter(codePage);
    if (!IsOpen(cd)) {
        for (char b : bytes)
            chars += static_cast<unsigned char>(b) < 0x80 ? static_cast<char32_t>(b) : kReplacement;
        return chars;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::vector<char32_t> buffer(bytes.size() + 1);
    std::string input(bytes);
    char* in = input.data();
    size_t inLeft = input.size();
    // Appends what one iconv call wrote into the buffer.
    const auto take = [&](size_t outLeft) {
        chars.append(buffer.data(), buffer.size() - outLeft / sizeof(char32_t));
    };
    while (inLeft > 0) {
        char* out = reinterpret_cast<char*>(buffer.data());
        size_t outLeft = buffer.size() * sizeof(char32_t);
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        take(outLeft);
        if (result == static_cast<size_t>(-1) && inLeft > 0) {
            // An invalid or incomplete sequence: one replacement, and go on
            // after its first byte.
            chars += kReplacement;
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    // Code pages with combining marks (1255, 1258) hold the last letter back
    // in case a mark follows; the flush hands it out.
    char* out = reinterpret_cast<char*>(buffer.data());
    size_t outLeft = buffer.size() * sizeof(char32_t);
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    take(outLeft);
    return chars;
}

iconv_t CodePageDecoder::Converter(int codePage) {
    auto it = converters_.find(codePage);
    if (it == converters_.end()) {
        const std::string name = codePage == 10000 ? "MACINTOSH" : "CP" + std::to_string(codePage);
        it = converters_.emplace(codePage, iconv_open("UTF-32LE", name.c_str())).first;
    }
    return it->second;
}

}  // namespace zq
