#pragma once

#include <string_view>

namespace zq::fuzz {

// A keyboard template given as its three entries rather than as an archive,
// so that mutations reach the packets and the settings instead of failing
// the archive's checksums: "key.cds", "char.cds" and "readme", in this order,
// each followed by this separator.
inline constexpr std::string_view kEntrySeparator("\0ZQ-ENTRY\0", 10);

}  // namespace zq::fuzz
