#pragma once

#include <iconv.h>

#include <string>
#include <string_view>
#include <unordered_map>

namespace zq {

// Bytes of any Windows code page (or 10000, Mac Roman) to Unicode through
// iconv, one converter per code page, opened when first needed. Invalid or
// incomplete sequences become U+FFFD; an unknown code page keeps ASCII and
// replaces every other byte.
class CodePageDecoder {
public:
    CodePageDecoder() = default;
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;
    ~CodePageDecoder();

    std::u32string Decode(int codePage, std::string_view bytes);

private:
    iconv_t Converter(int codePage);

    std::unordered_map<int, iconv_t> converters_;
};

}  // namespace zq
