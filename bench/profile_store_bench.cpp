// The profile file at log-on and at close: loading one user's profile from
// a "zqc.ini" of 200 users, and storing it back (one safe replacing write).
// Goal: both well under 5 ms, so that logging on and closing feel instant.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "profile/ProfileStore.h"
#include "support/TempFolder.h"

namespace {

class ProfileFile {
public:
    // Written at once: two hundred safe replacing writes would take seconds.
    ProfileFile() {
        zq::TProfile profile;
        profile.LoadFromStrings({});
        std::string section;
        for (const std::string& line : profile.SaveToStrings()) section += line + "\n";
        std::ofstream file(Path(), std::ios::binary);
        for (int user = 0; user < 200; ++user) file << "[User " << user << "]\n" << section << "\n";
    }
    std::string Path() const { return folder_.File("zqc.ini"); }

private:
    zq::test::TempFolder folder_;
};

void BM_LoadProfileAmong200Users(benchmark::State& state) {
    const ProfileFile file;
    const zq::ProfileStore store(file.Path());
    zq::TProfile profile;
    for (auto _ : state) {
        store.LoadSection(profile, "User 150");
        benchmark::DoNotOptimize(profile.Progress);
    }
}
BENCHMARK(BM_LoadProfileAmong200Users)->Unit(benchmark::kMicrosecond);

void BM_StoreProfileAmong200Users(benchmark::State& state) {
    const ProfileFile file;
    const zq::ProfileStore store(file.Path());
    zq::TProfile profile;
    store.LoadSection(profile, "User 150");
    for (auto _ : state) {
        ++profile.Progress;
        store.StoreSection(profile, "User 150");
    }
}
BENCHMARK(BM_StoreProfileAmong200Users)->Unit(benchmark::kMicrosecond);

}  // namespace
