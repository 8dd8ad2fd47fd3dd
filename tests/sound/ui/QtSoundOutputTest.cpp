#include "sound/ui/QtSoundOutput.h"

#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <thread>

#include "../../support/TempFolder.h"
#include "SoundTestSupport.h"
#include "sound/TWavePlayer.h"

namespace zq {
namespace {

class QtSoundOutputTest : public ::testing::Test {
protected:
    QtSoundOutputTest()
        : output_(
              [this] {
                  ++bells_;
                  bellThread_ = QThread::currentThread();
              },
              {}) {}

    test::TempFolder folder_;
    std::atomic<int> bells_ = 0;
    QThread* bellThread_ = nullptr;
    QtSoundOutput output_;
    TWavePlayer player_{output_};
};

TEST_F(QtSoundOutputTest, AMissingCueRingsTheBellOnTheUserInterfaceThread) {
    player_.PlayCue(folder_.File("missing.wav"));
    ASSERT_TRUE(testing::RunEventsUntil([&] { return bells_ == 1; }));
    EXPECT_EQ(bellThread_, QCoreApplication::instance()->thread());
}

TEST_F(QtSoundOutputTest, ACueRaisedOnTheGameThreadRingsTheBellOnTheUserInterfaceThreadToo) {
    std::thread game([&] { player_.PlayCue(folder_.File("missing.wav")); });
    game.join();
    ASSERT_TRUE(testing::RunEventsUntil([&] { return bells_ == 1; }));
    EXPECT_EQ(bellThread_, QCoreApplication::instance()->thread());
}

}  // namespace
}  // namespace zq
