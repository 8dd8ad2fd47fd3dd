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
    const bool complete =
        Resolve(library, "zip_open", zip.open) && Resolve(library, "zip_discard", zip.discard) &&
        Resolve(library, "zip_get_num_entries", zip.get_num_entries) &&
        Resolve(library, "zip_get_name", zip.get_name) && Resolve(library, "zip_stat_init", zip.stat_init) &&
        Resolve(library, "zip_stat_index", zip.stat_index) &&
        Resolve(library, "zip_fopen_index", zip.fopen_index) && Resolve(library, "zip_fread", zip.fread) &&
        Resolve(library, "zip_fclose", zip.fclose);
    if (!complete) {
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
