#pragma once

#include <string>

namespace zq {

// The program's one reader of whole files: course and drill texts, word
// files, wave files, ini files, keyboard descriptions, the system's files.
// ReadFileBytes (TextFile.h) reads with it and raises the message the
// program shows for a file it cannot read.

// What reading a whole file gave: its bytes, or why it could not be read.
struct WholeFile {
    std::string bytes;
    // The system's error number (errno), 0 when the file was read: ENOENT or
    // ENOTDIR when there is no such file, EISDIR for a folder, EINVAL for
    // something else that is no regular file (a device, a pipe), which
    // might never end.
    int error = 0;
};

WholeFile ReadWholeFile(const std::string& path);

}  // namespace zq
