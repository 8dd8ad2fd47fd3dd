#include "keyboard/ZipArchive.h"

#include <memory>
#include <optional>

#include "base/AsciiText.h"
#include "keyboard/ZipLibrary.h"

namespace zq {

namespace {

// Index of the first entry named `name` (raw stored bytes, ASCII case ignored).
std::optional<zip_uint64_t> FindEntry(const ZipLibrary& zip, zip_t* archive, std::string_view name) {
    const zip_int64_t count = zip.get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* stored = zip.get_name(archive, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW);
        if (stored && EqualsIgnoringAsciiCase(stored, name)) return static_cast<zip_uint64_t>(index);
    }
    return std::nullopt;
}

// The entry's bytes when it inflates to exactly its stated size.
std::optional<std::string> ReadEntry(const ZipLibrary& zip, zip_t* archive, zip_uint64_t index) {
    zip_stat_t stat;
    zip.stat_init(&stat);
    if (zip.stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) return std::nullopt;
    if (stat.size > ZipArchive::kMaxEntrySize) return std::nullopt;

    std::string bytes(stat.size, '\0');
    // Closed however the reading ends, a failed allocation included.
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip.fopen_index(archive, index, 0), zip.fclose);
    if (!file) return std::nullopt;
    zip_uint64_t filled = 0;
    while (filled < stat.size) {
        const zip_int64_t read = zip.fread(file.get(), bytes.data() + filled, stat.size - filled);
        if (read <= 0) return std::nullopt;  // an error, or fewer bytes than stated
        filled += static_cast<zip_uint64_t>(read);
    }
    char extra;
    if (zip.fread(file.get(), &extra, 1) != 0) return std::nullopt;  // more bytes than stated, or a CRC error
    if (zip.fclose(file.release()) != 0) return std::nullopt;
    return bytes;
}

}  // namespace

ZipArchive::ZipArchive(const std::string& path) : zip_(Zip()) {
    if (zip_ == nullptr) return;  // without libzip no archive opens
    int error = 0;
    archive_ = zip_->open(path.c_str(), ZIP_RDONLY, &error);
}

ZipArchive::~ZipArchive() {
    if (archive_) zip_->discard(archive_);
}

ZipArchive::Entry ZipArchive::Extract(std::string_view name) const {
    if (!archive_) return {Status::Failed, {}};
    const auto index = FindEntry(*zip_, archive_, name);
    if (!index) return {Status::Missing, {}};
    auto bytes = ReadEntry(*zip_, archive_, *index);
    if (!bytes) return {Status::Failed, {}};
    return {Status::Found, std::move(*bytes)};
}

}  // namespace zq
