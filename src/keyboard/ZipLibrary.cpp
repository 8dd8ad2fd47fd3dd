#include "keyboard/ZipLibrary.h"

#include <dlfcn.h>

#include <mutex>
#include <optional>

namespace zq {
namespace {

// The function `name` of the opened library, as the type of `function`.
template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<ZipLibrary> Open() {
    // The name the build linked against (ZQ_LIBZIP_SONAME, e.g. "libzip.so.4").
    void* library = dlopen(ZQ_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    ZipLibrary zip{};
    const bool canRead =
        Resolve(library, "zip_open", zip.open) && Resolve(library, "zip_discard", zip.discard) &&
        Resolve(library, "zip_get_num_entries", zip.get_num_entries) &&
        Resolve(library, "zip_get_name", zip.get_name) && Resolve(library, "zip_stat_init", zip.stat_init) &&
        Resolve(library, "zip_stat_index", zip.stat_index) &&
        Resolve(library, "zip_fopen_index", zip.fopen_index) && Resolve(library, "zip_fread", zip.fread) &&
        Resolve(library, "zip_fclose", zip.fclose);
    const bool canMake = Resolve(library, "zip_source_buffer_create", zip.source_buffer_create) &&
                         Resolve(library, "zip_source_buffer", zip.source_buffer) &&
                         Resolve(library, "zip_source_keep", zip.source_keep) &&
                         Resolve(library, "zip_source_free", zip.source_free) &&
                         Resolve(library, "zip_source_open", zip.source_open) &&
                         Resolve(library, "zip_source_read", zip.source_read) &&
                         Resolve(library, "zip_source_close", zip.source_close) &&
                         Resolve(library, "zip_open_from_source", zip.open_from_source) &&
                         Resolve(library, "zip_file_add", zip.file_add) &&
                         Resolve(library, "zip_close", zip.close) &&
                         Resolve(library, "zip_strerror", zip.strerror) &&
                         Resolve(library, "zip_error_init", zip.error_init) &&
                         Resolve(library, "zip_error_strerror", zip.error_strerror) &&
                         Resolve(library, "zip_error_fini", zip.error_fini);
    if (!canRead || !canMake) {
        dlclose(library);
        return std::nullopt;
    }
    return zip;  // stays open for the rest of the run
}

}  // namespace

const ZipLibrary* Zip() {
    static std::mutex mutex;
    static std::optional<ZipLibrary> library;
    const std::lock_guard lock(mutex);
    if (!library) library = Open();
    return library ? &*library : nullptr;
}

}  // namespace zq
