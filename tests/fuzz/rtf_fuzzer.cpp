// Rich text and plain text files loaded into the paragraph drill: reading
// never fails, stays quick, and gives text with every line break as CR LF.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "drills/RtfReader.h"
#include "drills/TFmLongText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zq::RtfToText(bytes);
    const std::string text = zq::LongTextFromFile(bytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crWithoutLf = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
        const bool lfWithoutCr = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
        if (crWithoutLf || lfWithoutCr || text[i] == '\0') __builtin_trap();
    }
    return 0;
}
