// The layout agent where the desktop's layout cannot be switched: activating
// a layout makes the program read the keys through it, and the learner is
// told so once.
#include "keyboard/KeyReadingLayoutBackend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keyboard/LayoutSwitchAdvice.h"
#include "keyboard/LayoutTable.h"
#include "keyboard/TKeyboardLayoutAgent.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// XKB keycodes of two letter keys, and what a US desktop types with them.
constexpr std::uint32_t kKeyQ = 24;
constexpr std::uint32_t kKeyY = 29;

// A desktop configured with `configured` (US English when not said).
std::unique_ptr<KeyReadingLayoutBackend> Backend(const std::string& desktop,
                                                 std::vector<XkbLayoutName> configured = {{"us", ""}}) {
    return std::make_unique<KeyReadingLayoutBackend>(
        nullptr, std::move(configured),
        KeyComposer::FromFile("/usr/share/X11/locale/en_US.UTF-8/Compose", "en_US.UTF-8"), desktop);
}

std::u32string TypeKeyY(KeyTyping& typing) {
    return typing.Press({.keycode = kKeyY, .keysym = 'y', .text = U"y"}).text;
}

std::u32string TypeKeyQ(KeyTyping& typing) {
    return typing.Press({.keycode = kKeyQ, .keysym = 'q', .text = U"q"}).text;
}

TEST(KeyReadingLayoutBackendTest, ActivatingALayoutReadsTheKeysThroughItAndMakesItTheActiveOne) {
    auto owned = Backend("sway");
    KeyReadingLayoutBackend& backend = *owned;
    TKeyboardLayoutAgent agent(std::move(owned));
    EXPECT_EQ(TypeKeyY(backend.Typing()), U"y");
    EXPECT_EQ(agent.OriginalLayoutName(), "English (US)");

    ASSERT_TRUE(agent.ActivateLayout("00000407"));
    EXPECT_EQ(TypeKeyY(backend.Typing()), U"z");
    EXPECT_EQ(backend.ActiveLayout(), 0x04070407u);
    EXPECT_THAT(agent.LoadedLayouts(), ElementsAre(0x04090409u, 0x04070407u));

    ASSERT_TRUE(agent.ActivateLayout("00000409"));
    EXPECT_EQ(TypeKeyY(backend.Typing()), U"y");
    EXPECT_THAT(agent.LoadedLayouts(), ElementsAre(0x04090409u)) << "listed once";
}

TEST(KeyReadingLayoutBackendTest, ALayoutThatIsNotInstalledIsRefusedAndTheKeysStayAsTheyWere) {
    auto owned = Backend("GNOME");
    KeyReadingLayoutBackend& backend = *owned;
    TKeyboardLayoutAgent agent(std::move(owned));
    ASSERT_TRUE(agent.ActivateLayout("0000040C"));
    agent.TakeLayoutNotice();

    EXPECT_FALSE(agent.ActivateLayout("0000FFFF")) << "no such layout";
    EXPECT_FALSE(agent.ActivateLayout("not a layout"));
    EXPECT_EQ(TypeKeyQ(backend.Typing()), U"a") << "still French";
    EXPECT_EQ(backend.ActiveLayout(), 0x040C040Cu);
    EXPECT_EQ(agent.TakeLayoutNotice(), "");
}

TEST(KeyReadingLayoutBackendTest, TheLearnerIsToldOnceARunWhatHappensAndHowToSwitchTheDesktop) {
    TKeyboardLayoutAgent agent(Backend("sway"));
    EXPECT_EQ(agent.TakeLayoutNotice(), "") << "nothing before an activation";
    ASSERT_TRUE(agent.ActivateLayout("00000409"));
    EXPECT_EQ(agent.TakeLayoutNotice(), "") << "the layout the desktop is set up with";
    ASSERT_TRUE(agent.ActivateLayout("00000407"));
    const std::string notice = agent.TakeLayoutNotice();
    EXPECT_THAT(notice, HasSubstr("as on the German layout"));
    EXPECT_THAT(notice, HasSubstr(SwayLayoutCommand({"de", ""})));
    EXPECT_EQ(agent.TakeLayoutNotice(), "");

    ASSERT_TRUE(agent.ActivateLayout("0000040C"));
    EXPECT_EQ(agent.TakeLayoutNotice(), "") << "once a run";
}

TEST(KeyReadingLayoutBackendTest, ADesktopConfiguredWithNoLayoutIsTakenToTypeXkbsDefault) {
    TKeyboardLayoutAgent usual(Backend("GNOME", {}));
    ASSERT_TRUE(usual.ActivateLayout("00000409"));
    EXPECT_EQ(usual.TakeLayoutNotice(), "");

    TKeyboardLayoutAgent german(Backend("GNOME", {{"de", ""}, {"us", ""}}));
    ASSERT_TRUE(german.ActivateLayout("00000409"));
    EXPECT_THAT(german.TakeLayoutNotice(), HasSubstr("Input Sources"));
}

TEST(LayoutSwitchAdviceTest, EachDesktopGetsItsOwnWayOfSwitchingTheLayout) {
    const XkbLayoutName german{"de", ""};
    EXPECT_THAT(LayoutSwitchAdvice("GNOME", "German", german), HasSubstr("Input Sources"));
    EXPECT_THAT(LayoutSwitchAdvice("ubuntu:GNOME", "German", german), HasSubstr("Super+Space"));
    EXPECT_THAT(LayoutSwitchAdvice("KDE", "German", german), HasSubstr("System Settings"));
    EXPECT_THAT(LayoutSwitchAdvice("sway", "German", german), HasSubstr("swaymsg"));
    EXPECT_THAT(LayoutSwitchAdvice("", "German", german), HasSubstr("your desktop's keyboard settings"));
    EXPECT_THAT(LayoutSwitchAdvice("XFCE", "German", german), HasSubstr("your desktop's keyboard settings"));
    for (const char* desktop : {"GNOME", "KDE", "sway", ""}) {
        const std::string advice = LayoutSwitchAdvice(desktop, "German", german);
        EXPECT_THAT(advice, HasSubstr("the German layout")) << desktop;
        EXPECT_EQ(advice.find(". "), std::string::npos) << "one sentence: " << advice;
    }
}

TEST(LayoutSwitchAdviceTest, SwaysCommandSetsTheVariantTooSoThatNoneStaysFromBefore) {
    EXPECT_EQ(SwayLayoutCommand({"de", "nodeadkeys"}),
              "swaymsg 'input type:keyboard xkb_layout de; input type:keyboard xkb_variant \"nodeadkeys\"'");
    EXPECT_EQ(SwayLayoutCommand({"fr", ""}),
              "swaymsg 'input type:keyboard xkb_layout fr; input type:keyboard xkb_variant \"\"'");
}

}  // namespace
}  // namespace zq
