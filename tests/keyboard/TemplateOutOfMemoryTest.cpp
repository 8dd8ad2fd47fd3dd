// Reading a template when memory runs out: every allocation after the first
// n fails, for every n, and the reading must report failure rather than
// raise.

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "AllocationFailure.h"
#include "TemplateArchive.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using testing::CharRow;
using testing::KeyRow;
using testing::WithMemoryFor;

TEST(TemplateOutOfMemory, EveryFailedAllocationFailsTheReadingQuietly) {
    test::TempFolder folder;
    const std::string path = folder.File("layout.zqt");
    testing::WriteZip(path, {{"key.cds", testing::KeyPacket({KeyRow("b", 2), KeyRow("a", 1)})},
                             {"char.cds", testing::CharPacket({CharRow("a", 97, 1), CharRow("b", 98, 2)})},
                             {"readme", "bkcolor=255\nLThumb=30\n"}});
    bool read = false;
    for (long allocations = 0; !read && allocations < 100'000; ++allocations) {
        TDataMod store;
        bool raised = false;
        WithMemoryFor(allocations, [&] {
            try {
                read = store.LoadTemplate(path);
            } catch (...) {
                raised = true;
            }
        });
        ASSERT_FALSE(raised) << "after " << allocations << " allocations";
        // Whatever the reading left behind, the next reading succeeds.
        ASSERT_TRUE(store.LoadTemplate(path)) << "after " << allocations << " allocations";
        EXPECT_EQ(store.MainTbl.RowCount(), 2);
        EXPECT_EQ(store.IntSetting("LThumb"), 30);
    }
    EXPECT_TRUE(read);
}

}  // namespace
}  // namespace zq
