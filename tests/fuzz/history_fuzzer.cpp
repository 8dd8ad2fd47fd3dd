// Practice history files ("zqstats.db") as a damaged disk, another program
// or a hand with a database tool may leave them: a completed line always
// ends up kept or warned about, never in a crash; a file that cannot be used
// is left as it is or set aside whole, never deleted.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "stats/HistoryStore.h"
#include "stats/PracticeHistory.h"
#include "support/TempFolder.h"

namespace {

// A folder of this process for each input, under $TMPDIR.
std::string FreshFolder() {
    static const zq::test::TempFolder folder;
    static int count = 0;
    const std::filesystem::path input = folder / std::to_string(count++ % 2);
    std::filesystem::remove_all(input);
    std::filesystem::create_directory(input);
    return input.string() + "/";
}

zq::LineRecord ALine() {
    zq::LineRecord line;
    line.user = "Ann";
    line.course = "English";
    line.drill = zq::DrillKind::Course;
    line.localDay = 19'800;
    line.finishedAtMs = std::int64_t{19'800} * 86'400'000;
    line.characters = 3;
    line.lineTimeMs = 600;
    line.keys = {zq::KeyTally{.character = U'a', .typed = 3, .wrong = 1}};
    line.confusions = {zq::Confusion{.expected = U'a', .typed = U's', .count = 1}};
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = FreshFolder();
    const std::string path = folder + zq::kHistoryFileName;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    bool warned = false;
    {
        zq::PracticeHistory history(
            path, [&](const std::string&) { warned = true; }, [] { return std::int64_t{1'709'985'600'000}; });
        history.Record(ALine());
        std::int64_t lines = 0;
        history.Read([&](zq::HistoryStore& store) { lines = store.LineCount(); });
        if (!warned && lines < 1) __builtin_trap();  // the line is neither kept nor warned about
    }
    // Whatever happened, the bytes handed in are still there: in place, or set aside.
    if (!warned && size > 0 && !std::filesystem::exists(path)) __builtin_trap();
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files += entry.is_regular_file();
    if (size > 0 && files == 0) __builtin_trap();
    return 0;
}
