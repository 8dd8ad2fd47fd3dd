#include "keyboard/ZipBuilder.h"

#include <memory>
#include <stdexcept>

#include "keyboard/ZipLibrary.h"

namespace zq {

namespace {

constexpr zip_uint64_t kReadChunk = zip_uint64_t{64} * 1024;

struct ZipFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const ZipLibrary& OpenedZip() {
    const ZipLibrary* zip = Zip();
    if (zip == nullptr) throw ZipFailure("the ZIP library " ZQ_LIBZIP_SONAME " cannot be opened");
    return *zip;
}

// libzip's report of a failure, freed however the making ends.
class ZipError {
public:
    explicit ZipError(const ZipLibrary& zip) : zip_(zip) { zip_.error_init(&error_); }
    ~ZipError() { zip_.error_fini(&error_); }
    ZipError(const ZipError&) = delete;
    ZipError& operator=(const ZipError&) = delete;

    zip_error_t* get() { return &error_; }
    std::string Reason() { return zip_.error_strerror(&error_); }

private:
    const ZipLibrary& zip_;
    zip_error_t error_;
};

// One reference to a source; libzip counts them.
struct SourceReference {
    const ZipLibrary* zip;
    void operator()(zip_source_t* source) const { zip->source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceReference>;

// An archive that has not been closed is discarded.
struct ArchiveDiscard {
    const ZipLibrary* zip;
    void operator()(zip_t* archive) const { zip->discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveDiscard>;

void AddEntries(const ZipLibrary& zip, zip_t* archive, const std::vector<ZipEntry>& entries) {
    for (const ZipEntry& entry : entries) {
        // The bytes are read when the archive is closed, while `entries` lives.
        Source source(zip.source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0), {&zip});
        if (!source || zip.file_add(archive, entry.name.c_str(), source.get(), ZIP_FL_ENC_UTF_8) < 0) {
            throw ZipFailure("cannot add " + entry.name + " to the archive: " + zip.strerror(archive));
        }
        static_cast<void>(source.release());  // the archive owns it now
    }
}

// Closing writes the archive into the buffer it was opened on.
void Close(const ZipLibrary& zip, Archive& archive) {
    if (zip.close(archive.get()) != 0) {
        throw ZipFailure(std::string("cannot make the archive: ") + zip.strerror(archive.get()));
    }
    static_cast<void>(archive.release());  // zip_close has freed it
}

std::string ReadAll(const ZipLibrary& zip, zip_source_t* buffer) {
    if (zip.source_open(buffer) != 0) throw ZipFailure("cannot read the archive made");
    std::string bytes;
    for (;;) {
        const std::size_t filled = bytes.size();
        bytes.resize(filled + kReadChunk);
        const zip_int64_t read = zip.source_read(buffer, bytes.data() + filled, kReadChunk);
        if (read <= 0) {
            bytes.resize(filled);
            zip.source_close(buffer);
            if (read < 0) throw ZipFailure("cannot read the archive made");
            return bytes;
        }
        bytes.resize(filled + static_cast<std::size_t>(read));
    }
}

}  // namespace

std::string BuildZipArchive(const std::vector<ZipEntry>& entries) {
    // Without entries libzip makes no archive at all.
    if (entries.empty()) throw std::invalid_argument("a ZIP archive needs at least one entry");
    const ZipLibrary& zip = OpenedZip();
    ZipError error(zip);
    Source buffer(zip.source_buffer_create(nullptr, 0, 0, error.get()), {&zip});
    if (!buffer) throw ZipFailure("cannot make an archive: " + error.Reason());
    Archive archive(zip.open_from_source(buffer.get(), ZIP_TRUNCATE, error.get()), {&zip});
    if (!archive) throw ZipFailure("cannot make an archive: " + error.Reason());
    // The archive took the buffer's reference; this one keeps the buffer
    // after the archive is closed.
    zip.source_keep(buffer.get());
    AddEntries(zip, archive.get(), entries);
    Close(zip, archive);
    return ReadAll(zip, buffer.get());
}

}  // namespace zq
