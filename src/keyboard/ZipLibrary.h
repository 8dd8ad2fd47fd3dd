#pragma once

#include <zip.h>

namespace zq {

// The few functions of libzip that reading a template needs. The library is
// opened the first time a template is read rather than when the program
// starts: it brings the cryptography library along (over a megabyte), and
// the logon dialog reads no template.
struct ZipLibrary {
    decltype(&zip_open) open;
    decltype(&zip_discard) discard;
    decltype(&zip_get_num_entries) get_num_entries;
    decltype(&zip_get_name) get_name;
    decltype(&zip_stat_init) stat_init;
    decltype(&zip_stat_index) stat_index;
    decltype(&zip_fopen_index) fopen_index;
    decltype(&zip_fread) fread;
    decltype(&zip_fclose) fclose;
};

// libzip, opened at the first call; nullptr when it cannot be opened (the
// next call tries again). Safe from any thread.
const ZipLibrary* Zip();

}  // namespace zq
