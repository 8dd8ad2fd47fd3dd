#pragma once

#include <zip.h>

namespace zq {

// The few functions of libzip that reading and making a template need. The
// library is opened the first time a template is read or made rather than
// when the program starts: it brings the cryptography library along (over a
// megabyte), and the logon dialog reads no template.
struct ZipLibrary {
    // Reading an archive (ZipArchive).
    decltype(&zip_open) open;
    decltype(&zip_discard) discard;
    decltype(&zip_get_num_entries) get_num_entries;
    decltype(&zip_get_name) get_name;
    decltype(&zip_stat_init) stat_init;
    decltype(&zip_stat_index) stat_index;
    decltype(&zip_fopen_index) fopen_index;
    decltype(&zip_fread) fread;
    decltype(&zip_fclose) fclose;

    // Making an archive in memory (ZipBuilder).
    decltype(&zip_source_buffer_create) source_buffer_create;
    decltype(&zip_source_buffer) source_buffer;
    decltype(&zip_source_keep) source_keep;
    decltype(&zip_source_free) source_free;
    decltype(&zip_source_open) source_open;
    decltype(&zip_source_read) source_read;
    decltype(&zip_source_close) source_close;
    decltype(&zip_open_from_source) open_from_source;
    decltype(&zip_file_add) file_add;
    decltype(&zip_close) close;
    decltype(&zip_strerror) strerror;
    decltype(&zip_error_init) error_init;
    decltype(&zip_error_strerror) error_strerror;
    decltype(&zip_error_fini) error_fini;
};

// libzip, opened at the first call; nullptr when it cannot be opened (the
// next call tries again). Safe from any thread.
const ZipLibrary* Zip();

}  // namespace zq
