#include "sound/TWavePlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <thread>

#include "SoundFakes.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

TEST(TWavePlayer, ANewCueBecomesTheCurrentFileAndPlays) {
    testing::RecordingSoundOutput output;
    TWavePlayer player(output);
    EXPECT_EQ(player.FileName(), "");
    player.PlayCue("/m/ok.wav");
    EXPECT_EQ(player.FileName(), "/m/ok.wav");
    player.PlayCue("/m/err.wav");
    EXPECT_EQ(player.FileName(), "/m/err.wav");
    EXPECT_THAT(output.played, ElementsAre("/m/ok.wav", "/m/err.wav"));
}

TEST(TWavePlayer, TheSameCueTwiceKeepsTheFileAndPlaysItAgainFromTheStart) {
    testing::RecordingSoundOutput output;
    TWavePlayer player(output);
    player.PlayCue("/m/ok.wav");
    player.PlayCue("/m/ok.wav");
    EXPECT_EQ(player.FileName(), "/m/ok.wav");
    EXPECT_THAT(output.played, ElementsAre("/m/ok.wav", "/m/ok.wav"));
}

TEST(TWavePlayer, AnEmptyNameBecomesCurrentAndPlaysNothing) {
    testing::RecordingSoundOutput output;
    TWavePlayer player(output);
    player.PlayCue("/m/ok.wav");
    player.PlayCue("");
    EXPECT_EQ(player.FileName(), "");
    EXPECT_THAT(output.played, ElementsAre("/m/ok.wav"));
}

// An output that, like the program's, may be called from two threads, and
// checks that the player never calls it from both at once.
class ExclusiveOutput : public SoundOutput {
public:
    std::vector<std::string> played;
    bool overlapped = false;

    void Play(const std::string& path8) override {
        std::unique_lock lock(mutex_, std::try_to_lock);
        if (!lock.owns_lock()) {
            overlapped = true;
            return;
        }
        played.push_back(path8);
        std::this_thread::yield();
    }

private:
    std::mutex mutex_;
};

TEST(TWavePlayer, CuesOfTheGameThreadAndTheUserInterfaceThreadReachTheOutputOneAfterTheOther) {
    ExclusiveOutput output;
    TWavePlayer player(output);
    constexpr int kCues = 2000;
    std::thread game([&] {
        for (int i = 0; i < kCues; ++i) player.PlayCue("game" + std::to_string(i));
    });
    for (int i = 0; i < kCues; ++i) player.PlayCue("drill" + std::to_string(i));
    game.join();

    EXPECT_FALSE(output.overlapped);
    ASSERT_EQ(output.played.size(), 2u * kCues);
    // Each thread's cues keep their order.
    std::vector<std::string> gameCues;
    std::copy_if(output.played.begin(), output.played.end(), std::back_inserter(gameCues),
                 [](const std::string& cue) { return cue.starts_with("game"); });
    std::vector<std::string> raised;
    for (int i = 0; i < kCues; ++i) raised.push_back("game" + std::to_string(i));
    EXPECT_EQ(gameCues, raised);
}

}  // namespace
}  // namespace zq
