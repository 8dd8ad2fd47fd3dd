#include "base/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace zq {
namespace {

// Closes the file however the reading ends.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        // Not blocking: a named pipe opens at once and is then refused.
        : descriptor_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~OpenFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int Descriptor() const { return descriptor_; }

private:
    int descriptor_;
};

// Why the file cannot be read: the opening's error, or 0 for a regular
// file (whose status then fills `status`).
int RefusalOf(const OpenFile& open, struct stat& status) {
    if (open.Descriptor() < 0) return errno;  // the open's, nothing came between
    if (::fstat(open.Descriptor(), &status) != 0) return errno;
    if (S_ISDIR(status.st_mode)) return EISDIR;
    if (!S_ISREG(status.st_mode)) return EINVAL;
    return 0;
}

}  // namespace

WholeFile ReadFileStart(const std::string& path, std::size_t count) {
    WholeFile file;
    const OpenFile open(path);
    struct stat status {};
    file.error = RefusalOf(open, status);
    if (file.error != 0) return file;
    file.bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t read = ::read(open.Descriptor(), file.bytes.data() + got, count - got);
        if (read == 0) break;
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) {
            file.error = errno;
            got = 0;
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    file.bytes.resize(got);
    return file;
}

WholeFile ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    return ReadWholeFile(path, maxBytes, {});
}

WholeFile ReadWholeFile(const std::string& path, std::size_t maxBytes, const ReadProgress& progress) {
    WholeFile file;
    const OpenFile open(path);
    struct stat status {};
    file.error = RefusalOf(open, status);
    if (file.error == 0 && static_cast<std::uintmax_t>(status.st_size) > maxBytes) file.error = EFBIG;
    if (file.error != 0) return file;
    // The size is a hint only: files of the system (/proc) tell none, and a
    // file may grow while it is read.
    const auto fileSize = static_cast<std::size_t>(status.st_size);
    file.bytes.reserve(fileSize);
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(open.Descriptor(), buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            file.error = errno;
            file.bytes.clear();
            break;
        }
        if (static_cast<std::size_t>(count) > maxBytes - file.bytes.size()) {
            file.error = EFBIG;
            file.bytes.clear();
            break;
        }
        file.bytes.append(buffer, static_cast<std::size_t>(count));
        if (progress && !progress(file.bytes.size(), std::max(file.bytes.size(), fileSize))) {
            file.error = ECANCELED;
            file.bytes.clear();
            break;
        }
    }
    return file;
}

}  // namespace zq
