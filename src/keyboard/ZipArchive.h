#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct zip;  // libzip's archive handle

namespace zq {

struct ZipLibrary;

// A ZIP archive opened for reading only, whatever its file name extension.
// Nothing is ever written to it and a missing file is never created.
class ZipArchive {
public:
    // Entries larger than this (uncompressed) are refused as hostile.
    static constexpr std::uint64_t kMaxEntrySize = std::uint64_t{16} * 1024 * 1024;

    // Opens the archive at `path`; check IsOpen afterwards.
    explicit ZipArchive(const std::string& path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool IsOpen() const { return archive_ != nullptr; }

    enum class Status { Found, Missing, Failed };
    struct Entry {
        Status status = Status::Missing;
        std::string bytes;  // the whole uncompressed content when found
    };

    // Extracts the entry whose full stored name equals `name` without regard
    // to the case of ASCII letters (the first such entry). Failed: the
    // archive is closed, the entry is over kMaxEntrySize, or it cannot be
    // read or does not inflate to its stated size.
    Entry Extract(std::string_view name) const;

private:
    const ZipLibrary* zip_ = nullptr;
    ::zip* archive_ = nullptr;
};

}  // namespace zq
