#pragma once

#include <string>

namespace zq {

// Copies the practice history at `from` to `to`, a path where no file lies
// yet, through SQLite's backup: the copy is whole and consistent even while
// another program writes the history, and holds what its write-ahead log
// holds. It is made under a temporary name beside `to` and takes its name
// only once complete. `from` is only read. Raises SqliteError when the
// history cannot be read or copied, and std::filesystem::filesystem_error
// when the copy cannot be named; nothing is left behind either way.
void CopyHistoryFile(const std::string& from, const std::string& to);

}  // namespace zq
