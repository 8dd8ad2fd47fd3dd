// How long reading a course's keyboard template takes (goal: under 5 ms for
// the shipped English (US) template), and the share of decoding its key
// table packet. Without a built English template, a template of the same
// size made here stands in.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "course/Course.h"
#include "keyboard/DatasetPacket.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ZipArchive.h"
#include "support/TempFolder.h"

namespace {

const std::string kShippedTemplate = zq::Course(ZQ_PROGRAM_DIR "/", "English").LayoutPath();

// A 104-key template with 36 x 36 pictures (3.9 KB each) and 98 characters,
// written once a run into a temporary folder that goes when the run ends.
std::string StandInTemplate() {
    static const zq::test::TempFolder folder;
    static const std::string path = [] {
        const std::string file = folder.File("stand-in.zqt");
        std::vector<std::vector<zq::FieldValue>> keys, chars;
        for (std::int64_t key = 0; key < 104; ++key) {
            std::string glyph(36 * 36 * 3 + 54, static_cast<char>(0xF0 + key % 8));
            glyph.replace(0, 2, "BM");
            std::string name = "K";
            name += std::to_string(1000 - key);
            keys.push_back({std::move(name), key, std::int64_t{1}, std::int64_t{0}, key % 10,
                            std::move(glyph), std::int64_t{36}, std::int64_t{36}, key * 38 % 600,
                            key / 15 * 38, std::string("a key of the stand-in template")});
        }
        for (std::int64_t code = 32; code < 130; ++code) {
            std::string name = "char ";
            name += std::to_string(code);
            chars.push_back({std::move(name), code, code % 104, code % 2 == 0, false, std::int64_t{0}});
        }
        const std::string entries[] = {zq::WriteDatasetPacket(zq::KeyTableFields(), keys),
                                       zq::WriteDatasetPacket(zq::CharTableFields(), chars),
                                       "bkcolor=$C0C0C0\r\nLLittle=40\r\nRLittleColor=255\r\n"};
        const char* names[] = {"key.cds", "char.cds", "readme"};
        int error = 0;
        zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        for (int i = 0; archive && i < 3; ++i) {
            zip_file_add(archive, names[i],
                         zip_source_buffer(archive, entries[i].data(), entries[i].size(), 0), 0);
        }
        if (archive) zip_close(archive);
        return file;
    }();
    return path;
}

std::string TemplatePath(benchmark::State& state) {
    if (std::filesystem::exists(kShippedTemplate)) {
        state.SetLabel("English (US)");
        return kShippedTemplate;
    }
    state.SetLabel("stand-in");
    return StandInTemplate();
}

void LoadTemplate(benchmark::State& state) {
    const std::string path = TemplatePath(state);
    zq::TDataMod store;
    for (auto _ : state) {
        if (!store.LoadTemplate(path)) state.SkipWithError("the template does not load");
        benchmark::DoNotOptimize(store.MainTbl.RowCount());
    }
}
BENCHMARK(LoadTemplate)->Unit(benchmark::kMillisecond);

void ReadKeyTablePacket(benchmark::State& state) {
    const zq::ZipArchive archive(TemplatePath(state));
    const std::string packet = archive.Extract("key.cds").bytes;
    for (auto _ : state) {
        auto read = zq::ReadDatasetPacket(packet);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(ReadKeyTablePacket)->Unit(benchmark::kMicrosecond);

}  // namespace
