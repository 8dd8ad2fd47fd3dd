// Keyboard descriptions as a course author may have written them: whatever
// parses is written out in a text that parses back to the same description.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "templates/Description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zq::DescriptionResult parsed =
        zq::ParseDescription(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.description) {
        if (parsed.errorLine < 1 || parsed.error.empty()) __builtin_trap();  // a fault without its line
        return 0;
    }
    const std::string text = zq::FormatDescription(*parsed.description);
    const zq::DescriptionResult again = zq::ParseDescription(text);
    if (!again.description) __builtin_trap();                                 // written but not readable
    if (zq::FormatDescription(*again.description) != text) __builtin_trap();  // read back otherwise
    return 0;
}
