#include "stats/DamagedFile.h"

#include <ctime>
#include <filesystem>

namespace zq {

namespace {

std::string LocalTimeStamp(std::int64_t utcMilliseconds) {
    const auto seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

std::string FreeName(const std::string& base) {
    namespace fs = std::filesystem;
    std::string name = base;
    for (int attempt = 2; fs::exists(name) || fs::exists(name + "-wal"); ++attempt)
        name = base + "-" + std::to_string(attempt);
    return name;
}

}  // namespace

std::string SetDamagedFileAside(const std::string& path, std::int64_t utcMilliseconds) {
    namespace fs = std::filesystem;
    std::string aside = FreeName(path + ".damaged-" + LocalTimeStamp(utcMilliseconds));
    fs::rename(path, aside);
    for (const char* companion : {"-wal", "-shm"}) {
        std::error_code ignored;  // a companion that is missing has nothing to keep
        if (fs::exists(path + companion)) fs::rename(path + companion, aside + companion, ignored);
    }
    return aside;
}

}  // namespace zq
