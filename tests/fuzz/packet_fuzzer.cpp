// Dataset packets ("key.cds", "char.cds" of a keyboard template): the reader
// must refuse what it cannot read, quickly and within bounded memory, and
// whatever it reads must be rows of whole fields.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "keyboard/DatasetPacket.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto packet = zq::ReadDatasetPacket(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!packet) return 0;
    for (const auto& row : packet->rows) {
        if (row.size() != packet->fields.size()) __builtin_trap();
    }
    return 0;
}
