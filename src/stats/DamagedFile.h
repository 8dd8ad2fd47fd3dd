#pragma once

#include <cstdint>
#include <string>

namespace zq {

// Moves a damaged database out of the way, never deleting it: the file
// becomes "<path>.damaged-YYYYMMDD-HHMMSS" (with "-2", "-3"... when that name
// is taken), and its "-wal" and "-shm" companions follow it under the new
// name. Returns the new path; raises std::filesystem::filesystem_error when
// the file cannot be renamed.
std::string SetDamagedFileAside(const std::string& path, std::int64_t utcMilliseconds);

}  // namespace zq
