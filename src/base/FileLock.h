#pragma once

#include <cstdint>
#include <string>

namespace zq {

// A lock on one byte of a lock file, held while the object lives. The lock
// file ("zqc.ini.lock" beside "zqc.ini") is made once and never replaced,
// so every program that opens it locks the same file; its content is never
// read or written. The kernel drops a lock when its program ends, however it
// ends, even killed: no lock outlives its holder. Locks belong to the open
// file, not to the process, so two locks taken in one program exclude each
// other as those of two programs do.
//
// A lock file that cannot be opened (a folder no one may write, say) gives
// no lock at all: the caller goes on unlocked, as it would alone.
class FileLock {
public:
    enum class Wait { UntilFree, No };

    // Locks byte `offset` of the file at `lockPath`, making the file when it
    // is missing. With Wait::UntilFree it returns once the byte is free and
    // locked; with Wait::No at once.
    FileLock(const std::string& lockPath, std::int64_t offset, Wait wait);
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // This object holds the lock.
    bool Held() const { return fd_ >= 0; }
    // Someone else held it (only ever with Wait::No).
    bool HeldElsewhere() const { return heldElsewhere_; }

private:
    void Release();

    int fd_ = -1;
    bool heldElsewhere_ = false;
};

}  // namespace zq
