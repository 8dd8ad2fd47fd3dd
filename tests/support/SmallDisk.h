#pragma once

// A small file system of its own (tmpfs) mounted over a temporary folder,
// which a test fills to the last byte: a full disk as a learner meets it,
// with the system's own "No space left on device". Mounting needs the
// superuser, as the tests have in continuous integration; elsewhere
// Mounted() is false and a test that needs it skips.
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace zq::test {

class SmallDisk {
public:
    explicit SmallDisk(std::size_t megabytes = 1) {
        const std::string options = "size=" + std::to_string(megabytes) + "m,mode=0777";
        mounted_ = geteuid() == 0 && mount("tmpfs", folder_.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                                           options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) umount2(folder_.Path().c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const TempFolder& Folder() const { return folder_; }
    std::string Dir() const { return folder_.Dir(); }
    std::string File(const std::string& name) const { return folder_.File(name); }

    // Takes every free byte with a file of its own.
    void Fill() {
        std::FILE* filler = std::fopen(folder_.File(kFiller).c_str(), "wb");
        if (filler == nullptr) return;
        const std::vector<char> block(65536, 'f');
        std::setvbuf(filler, nullptr, _IONBF, 0);
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
        }
        // What is left of the last block, a byte at a time.
        while (std::fwrite(block.data(), 1, 1, filler) == 1) {
        }
        std::fclose(filler);
    }
    // Gives the room back.
    void Free() { std::filesystem::remove(folder_.File(kFiller)); }

private:
    static constexpr const char* kFiller = "disk-filler";

    TempFolder folder_;
    bool mounted_ = false;
};

}  // namespace zq::test
