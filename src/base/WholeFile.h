#pragma once

#include <cstddef>
#include <functional>
#include <limits>
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
    // might never end; EFBIG for a file larger than the reader's budget.
    int error = 0;
};

// Reads the file at `path` whole. A file of more than `maxBytes` bytes is
// refused (EFBIG) rather than read: a reader of files a user names sets a
// budget, so that a wrong path (a disk image) cannot exhaust memory.
WholeFile ReadWholeFile(const std::string& path,
                        std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// The first `count` bytes of the file at `path` (all of a shorter one), to
// judge a file before it is read whole. Refuses what ReadWholeFile refuses,
// but never for its size.
WholeFile ReadFileStart(const std::string& path, std::size_t count);

// Told, as a long file is read, how many of its bytes have been read of how
// many it has; false stops the reading, which then gives ECANCELED.
using ReadProgress = std::function<bool(std::size_t bytesRead, std::size_t fileSize)>;

// ReadWholeFile, telling `progress` after every part read.
WholeFile ReadWholeFile(const std::string& path, std::size_t maxBytes, const ReadProgress& progress);

}  // namespace zq
