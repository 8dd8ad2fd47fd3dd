#include "base/FileLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zq {

namespace {

// The lock file, made when missing. Whoever makes it lets every account
// lock it, whatever their file mode mask: in a folder several accounts share
// a lock file that only its maker could write would leave the others'
// runs without any lock. It holds nothing.
int OpenLockFile(const std::string& lockPath) {
    const int made = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (made >= 0) {
        ::fchmod(made, 0666);
        return made;
    }
    return ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, std::int64_t offset, Wait wait) {
    const int fd = OpenLockFile(lockPath);
    if (fd < 0) return;
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = offset;
    range.l_len = 1;
    const int command = wait == Wait::UntilFree ? F_OFD_SETLKW : F_OFD_SETLK;
    int result = 0;
    do {
        result = ::fcntl(fd, command, &range);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        fd_ = fd;
        return;
    }
    heldElsewhere_ = errno == EAGAIN || errno == EACCES;
    ::close(fd);
}

FileLock::~FileLock() {
    Release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), heldElsewhere_(other.heldElsewhere_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        heldElsewhere_ = other.heldElsewhere_;
    }
    return *this;
}

// Closing the file drops its lock.
void FileLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace zq
