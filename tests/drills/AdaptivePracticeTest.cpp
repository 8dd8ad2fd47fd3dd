// The adaptive drill's window shows the keys its source practises: when the
// drill begins, and after every line, as the source reports them then.
#include "drills/AdaptivePractice.h"

#include <gtest/gtest.h>

#include "DrillFakes.h"

namespace zq {
namespace {

using testing::DrillSurroundings;

// A source whose keys gain a key with every completed line.
class GrowingKeys : public LineSource {
public:
    std::optional<std::string> Line() const override { return std::string("fj fj"); }
    LineStep LineEnded(const LineEnd& end) override {
        if (end.outcome != LineOutcome::loCompleted) change_.clear();
        return {};
    }
    void LineCompleted(const CompletedLine&) override {
        keys_.push_back(
            {.caption = std::string(1, static_cast<char>('a' + keys_.size())), .progressPercent = 40});
        change_ = "New key: " + keys_.back().caption;
    }
    KeysInPlay Keys() const override { return {keys_, change_}; }

private:
    std::vector<KeyInPlay> keys_{{.caption = "f", .progressPercent = 100, .focus = true}};
    std::string change_;
};

class RecordingKeysView : public AdaptiveKeysView {
public:
    void ShowKeysInPlay(const KeysInPlay& keys) override { shown.push_back(keys); }
    std::vector<KeysInPlay> shown;
};

class AdaptivePracticeTest : public ::testing::Test {
protected:
    AdaptivePracticeTest() : drill(world.view, keysView, world.watch, world.Guidance()) {
        drill.FormCreate();
    }

    void Type(std::string_view keys) {
        for (const char key : keys) {
            world.clock.now += 200;
            auto code = static_cast<unsigned char>(key);
            drill.InputEditKeyPress(code);
        }
    }

    DrillSurroundings world;
    RecordingKeysView keysView;
    AdaptivePractice drill;
    GrowingKeys source;
};

TEST_F(AdaptivePracticeTest, TheKeysShowWhenTheDrillBeginsAndAfterEveryLine) {
    drill.Practise(source);
    ASSERT_EQ(keysView.shown.size(), 1u);
    ASSERT_EQ(keysView.shown[0].keys.size(), 1u);
    EXPECT_EQ(keysView.shown[0].keys[0].caption, "f");
    EXPECT_TRUE(keysView.shown[0].keys[0].focus);
    EXPECT_EQ(keysView.shown[0].change, "");

    Type("fj fj ");
    ASSERT_EQ(keysView.shown.size(), 2u);
    EXPECT_EQ(keysView.shown[1].keys.size(), 2u);
    EXPECT_EQ(keysView.shown[1].change, "New key: b");
    EXPECT_EQ(drill.Sample(), "fj fj");
}

TEST_F(AdaptivePracticeTest, ALineEndedWithEnterShowsTheKeysWithoutAChange) {
    drill.Practise(source);
    Type("fj fj ");
    Type("fj\r");
    ASSERT_EQ(keysView.shown.size(), 3u);
    EXPECT_EQ(keysView.shown[2].keys.size(), 2u);
    EXPECT_EQ(keysView.shown[2].change, "");
}

TEST_F(AdaptivePracticeTest, WithoutASourceNothingIsShown) {
    unsigned char key = 'f';
    drill.InputEditKeyPress(key);
    EXPECT_TRUE(keysView.shown.empty());
}

}  // namespace
}  // namespace zq
