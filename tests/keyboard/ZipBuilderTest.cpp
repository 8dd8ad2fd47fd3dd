// Archives made in memory, read back as a template is read.
#include "keyboard/ZipBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zip.h>

#include <random>
#include <stdexcept>

#include "../support/TempFolder.h"
#include "keyboard/ZipArchive.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace std::string_literals;

// The stored names of an archive file, in their order.
std::vector<std::string> EntryNames(const std::string& path) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (archive == nullptr) return {};
    std::vector<std::string> names;
    for (zip_int64_t index = 0; index < zip_get_num_entries(archive, 0); ++index)
        names.emplace_back(zip_get_name(archive, static_cast<zip_uint64_t>(index), 0));
    zip_discard(archive);
    return names;
}

std::string NoiseOf(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    return bytes;
}

TEST(ZipBuilder, EntriesComeBackInTheirOrderWithTheirBytes) {
    test::TempFolder folder;
    // Larger than one read of the finished archive, and not compressible.
    const std::string noise = NoiseOf(300 * 1000);
    const std::string binary = "\x00\x01\xFF\r\n"s;
    folder.Write(
        "made.zip",
        BuildZipArchive(
            {{"readme", "bkcolor=1\r\n"}, {"key.cds", noise}, {"Touche \xC3\xA9", binary}, {"empty", ""}}));

    EXPECT_THAT(EntryNames(folder.File("made.zip")),
                ElementsAre("readme", "key.cds", "Touche \xC3\xA9", "empty"));
    const ZipArchive archive(folder.File("made.zip"));
    ASSERT_TRUE(archive.IsOpen());
    EXPECT_EQ(archive.Extract("README").bytes, "bkcolor=1\r\n");
    EXPECT_EQ(archive.Extract("key.cds").bytes, noise);
    EXPECT_EQ(archive.Extract("Touche \xC3\xA9").bytes, binary);
    const ZipArchive::Entry empty = archive.Extract("empty");
    EXPECT_EQ(empty.status, ZipArchive::Status::Found);
    EXPECT_EQ(empty.bytes, "");
}

TEST(ZipBuilder, EntriesAreDeflated) {
    const std::string archive = BuildZipArchive({{"blanks", std::string(100'000, ' ')}});
    EXPECT_LT(archive.size(), 1000u);
}

TEST(ZipBuilder, TwoEntriesOfOneNameAreRefusedByName) {
    try {
        BuildZipArchive({{"readme", "a"}, {"readme", "b"}});
        FAIL() << "an archive with two entries of one name was made";
    } catch (const std::runtime_error& error) {
        EXPECT_THAT(error.what(), HasSubstr("cannot add readme"));
    }
}

TEST(ZipBuilder, AnArchiveNeedsAnEntry) {
    EXPECT_THROW(BuildZipArchive({}), std::invalid_argument);
}

}  // namespace
}  // namespace zq
