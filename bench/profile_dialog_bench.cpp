// Opening the profile dialog: creating the window with its colour boxes and
// filling it from a profile (the user box from a "zqc.ini" of 200 users), up
// to the point where it is shown. Goal: well under 100 ms, so that the
// dialog appears at once when the main window or Add User opens it.
#include <benchmark/benchmark.h>

#include <string>

#include "base/ProgramPaths.h"
#include "profile/ProfileStore.h"
#include "profile/ui/TProfileFm.h"
#include "support/TempFolder.h"

namespace {

class ProfileFile {
public:
    ProfileFile() {
        zq::ProfileStore store(Path());
        zq::TProfile profile;
        profile.LoadFromStrings({});
        for (int user = 0; user < 200; ++user) store.StoreSection(profile, "User " + std::to_string(user));
    }
    std::string Path() const { return folder_.File("zqc.ini"); }

private:
    zq::test::TempFolder folder_;
};

void BM_OpenProfileDialog(benchmark::State& state) {
    const ProfileFile file;
    const zq::ProfileStore store(file.Path());
    zq::TProfile profile;
    store.LoadSection(profile, "User 150");
    profile.UserName = "User 150";
    for (auto _ : state) {
        zq::TProfileFm dialog(store);
        dialog.SetCourses(zq::ProgramPaths(ZQ_PROGRAM_DIR "/"));  // the built program's courses
        dialog.Logic().StartEdit(profile);                        // no layout agent: nothing to activate
        dialog.adjustSize();
        benchmark::DoNotOptimize(dialog.width());
    }
}
BENCHMARK(BM_OpenProfileDialog)->Unit(benchmark::kMillisecond);

}  // namespace
