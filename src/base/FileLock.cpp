#include "base/FileLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zq {

FileLock::FileLock(const std::string& lockPath, std::int64_t offset, Wait wait) {
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
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
