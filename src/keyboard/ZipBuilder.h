#pragma once

#include <string>
#include <vector>

namespace zq {

// One file of a ZIP archive being made.
struct ZipEntry {
    std::string name;  // stored as UTF-8
    std::string bytes;
};

// The bytes of a ZIP archive that holds `entries` (at least one), deflated,
// in their order. The archive is made in memory with libzip, opened at first
// use (see ZipLibrary); writing it to a file is the caller's, through
// ReplaceFileContents, so that nobody ever sees half an archive. Throws
// std::runtime_error, with libzip's reason, when libzip cannot be opened or
// fails; std::invalid_argument without entries.
std::string BuildZipArchive(const std::vector<ZipEntry>& entries);

}  // namespace zq
