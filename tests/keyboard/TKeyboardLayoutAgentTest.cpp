#include "keyboard/TKeyboardLayoutAgent.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "base/LibraryError.h"

namespace zq {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

constexpr std::uint32_t kUsHandle = 0x04090409;
constexpr std::uint32_t kUsDvorakHandle = 0xF0010409;
constexpr std::uint32_t kFrenchHandle = 0x040C040C;
constexpr std::uint32_t kGermanHandle = 0x04070407;

// A system whose layouts, loaded list and locales the test sets.
class FakeLayoutBackend : public LayoutBackend {
public:
    std::vector<InstalledLayout> installed{{0x00000409, "US", 0, "us"},
                                           {0x00010409, "United States-Dvorak", 1, "us(dvorak)"},
                                           {0x0000040C, "French", 0, "fr"},
                                           {0x00000407, "German", 0, "de"}};
    std::vector<std::uint32_t> loaded{kUsHandle};
    std::uint32_t active = kUsHandle;
    // Identifiers this system can load, with the handle each gets.
    std::map<std::uint32_t, std::uint32_t> loadable{
        {0x0000040C, kFrenchHandle}, {0x00000407, kGermanHandle}, {0x00010409, kUsDvorakHandle}};
    std::vector<std::uint32_t> activationRequests;

    std::vector<InstalledLayout> InstalledLayouts() override { return installed; }
    std::vector<std::uint32_t> LoadedLayouts() override { return loaded; }
    std::uint32_t ActiveLayout() override { return active; }
    bool Activate(std::uint32_t identifier) override {
        activationRequests.push_back(identifier);
        const auto found = loadable.find(identifier);
        if (found == loadable.end()) return false;
        loaded.push_back(found->second);
        active = found->second;
        return true;
    }
    std::string LocaleText(std::uint16_t languageId, LocaleInfo info) override {
        static const std::map<std::uint16_t, std::vector<std::string>> texts{
            {0x0409, {"0409", "English (United States)", "United States"}},
            {0x040C, {"040C", "French (France)", "France"}},
            {0x0407, {"0407", "German (Germany)", "Germany"}},
            {0x080C, {"080C", "French (Belgium)", "Belgium"}}};
        const auto found = texts.find(languageId);
        return found == texts.end() ? std::string() : found->second[static_cast<std::size_t>(info)];
    }
};

class KeyboardLayoutAgentTest : public ::testing::Test {
protected:
    TKeyboardLayoutAgent& Agent() {
        if (!agent_) {
            auto backend = std::make_unique<FakeLayoutBackend>(system_);
            fake_ = backend.get();
            agent_ = std::make_unique<TKeyboardLayoutAgent>(std::move(backend));
            agent_->Refresh();
        }
        return *agent_;
    }
    FakeLayoutBackend& System() { return agent_ ? *fake_ : system_; }

private:
    FakeLayoutBackend system_;  // set up before the agent exists
    FakeLayoutBackend* fake_ = nullptr;
    std::unique_ptr<TKeyboardLayoutAgent> agent_;
};

TEST(LayoutIdentifierTextTest, WritesEightUpperCaseHexDigitsAndReadsThemBack) {
    EXPECT_EQ(LayoutIdentifierText(0x40C), "0000040C");
    EXPECT_EQ(LayoutIdentifierText(0xF0020409), "F0020409");
    EXPECT_EQ(ParseLayoutIdentifier("0000040C"), 0x40Cu);
    EXPECT_EQ(ParseLayoutIdentifier("0000040c"), 0x40Cu);  // the system reads either case
    EXPECT_EQ(ParseLayoutIdentifier("F0020409"), 0xF0020409u);
    for (const char* invalid : {"", "000000409", "0x409", " 409", "-409", "40G", "$409"}) {
        EXPECT_FALSE(ParseLayoutIdentifier(invalid)) << invalid;
    }
}

TEST_F(KeyboardLayoutAgentTest, ListsFrenchWithCapitalCAndFindsOnlyTheExactText) {
    EXPECT_THAT(Agent().LayoutList(), ElementsAre("US - 00000409", "United States-Dvorak - 00010409",
                                                  "French - 0000040C", "German - 00000407"));
    EXPECT_EQ(Agent().LayoutIdAt(2), "0000040C");
    EXPECT_EQ(Agent().IndexOfLayout("0000040C"), 2);
    EXPECT_EQ(Agent().IndexOfLayout("0000040c"), -1);
    EXPECT_EQ(Agent().IndexOfLayout("40C"), -1);
    EXPECT_EQ(Agent().IndexOfLayout("00000419"), -1);
}

TEST(XkbLayoutNameTest, ReadsALayoutAndItsVariant) {
    EXPECT_EQ(ParseXkbLayoutName("pl"), (XkbLayoutName{"pl", ""}));
    EXPECT_EQ(ParseXkbLayoutName("us(dvorak-intl)"), (XkbLayoutName{"us", "dvorak-intl"}));
    EXPECT_EQ(ParseXkbLayoutName("gb(colemak_dh)"), (XkbLayoutName{"gb", "colemak_dh"}));
    for (const char* invalid : {"", "us()", "(dvorak)", "us(dvorak", "us dvorak", "us(dv(orak))", "pl,de"})
        EXPECT_FALSE(ParseXkbLayoutName(invalid)) << invalid;
}

// A system whose layouts are XKB's: a layout that no Windows identifier
// names (Colemak) is listed and activated by its XKB name.
class XkbLayoutAgentTest : public ::testing::Test {
protected:
    class XkbBackend : public FakeLayoutBackend {
    public:
        XkbBackend() { installed.push_back({0, "English (Colemak)", 0, "us(colemak)"}); }
        bool ActivateXkbLayout(const XkbLayoutName& name) override {
            xkbRequests.push_back(name);
            if (name != XkbLayoutName{"us", "colemak"}) return FakeLayoutBackend::ActivateXkbLayout(name);
            loaded.push_back(0);  // no handle names Colemak
            return true;
        }
        std::vector<XkbLayoutName> xkbRequests;
    };

    XkbLayoutAgentTest() {
        auto backend = std::make_unique<XkbBackend>();
        system = backend.get();
        agent = std::make_unique<TKeyboardLayoutAgent>(std::move(backend));
        agent->Refresh();
    }

    XkbBackend* system = nullptr;
    std::unique_ptr<TKeyboardLayoutAgent> agent;
};

TEST_F(XkbLayoutAgentTest, ALayoutWithoutAWindowsIdentifierIsNamedByItsXkbName) {
    EXPECT_EQ(agent->LayoutList().back(), "English (Colemak) - us(colemak)");
    EXPECT_EQ(agent->IndexOfLayout("us(colemak)"), 4);
    EXPECT_EQ(agent->LayoutIdAt(4), "us(colemak)");
    // A layout that has an identifier is found by its XKB name too, and keeps
    // its identifier in the list (what a profile stores of it).
    EXPECT_EQ(agent->IndexOfLayout("fr"), 2);
    EXPECT_EQ(agent->LayoutIdAt(2), "0000040C");
    EXPECT_EQ(agent->IndexOfLayout("us(workman)"), -1);
    EXPECT_EQ(agent->VariationName(0), "") << "no handle stands for Colemak";
}

TEST_F(XkbLayoutAgentTest, AProfileMayNameAnyLayoutByItsXkbName) {
    ASSERT_TRUE(agent->ActivateLayout("us(colemak)"));
    EXPECT_EQ(agent->LoadedLayouts().size(), 2u) << "the loaded list is reread";
    ASSERT_TRUE(agent->ActivateLayout("de"));
    EXPECT_THAT(system->xkbRequests, ElementsAre(XkbLayoutName{"us", "colemak"}, XkbLayoutName{"de", ""}));
    EXPECT_THAT(system->activationRequests, ElementsAre(0x407u)) << "de, through its table identifier";

    // The program's own identifiers are never taken for XKB names.
    ASSERT_TRUE(agent->ActivateLayout("0000040C"));
    EXPECT_EQ(system->xkbRequests.size(), 2u);
    EXPECT_FALSE(agent->ActivateLayout("us(workman)"));
}

TEST_F(KeyboardLayoutAgentTest, IndexOutsideTheInstalledListStopsWithTheListIndexError) {
    for (std::int32_t index : {-1, 4, 1000}) {
        const std::string message = "List index out of bounds (" + std::to_string(index) + ")";
        try {
            Agent().LayoutIdAt(index);
            ADD_FAILURE() << "LayoutIdAt(" << index << ") returned";
        } catch (const LibraryError& error) {
            EXPECT_EQ(error.what(), message);
        }
        EXPECT_THROW(Agent().ActivateLayoutAt(index), LibraryError);
    }
    EXPECT_TRUE(System().activationRequests.empty());
}

TEST_F(KeyboardLayoutAgentTest, NamesFollowTheHandleWords) {
    // Equal words: a language's basic layout, named by its language alone.
    EXPECT_EQ(Agent().DisplayName(kUsHandle), "English (United States)");
    EXPECT_EQ(Agent().VariationName(kUsHandle), "US");
    // A variant: its number in the high word after 0xF000.
    EXPECT_EQ(Agent().DisplayName(kUsDvorakHandle), "English (United States) - United States-Dvorak");
    EXPECT_EQ(Agent().VariationName(kUsDvorakHandle), "United States-Dvorak");
    // A layout of another language's locale: the high word names no variant.
    EXPECT_EQ(Agent().VariationName(0x040C080C), "");
    EXPECT_EQ(Agent().DisplayName(0x040C080C), "French (Belgium) - ");
    // Unknown locale and layout: empty texts, no failure.
    EXPECT_EQ(Agent().DisplayName(0x04150415), "");
    EXPECT_EQ(Agent().VariationName(0), "");
}

TEST_F(KeyboardLayoutAgentTest, InfoLinesDescribeLoadedAndActiveLayouts) {
    System().loaded = {kUsHandle, kUsDvorakHandle};
    System().active = kUsDvorakHandle;
    EXPECT_THAT(Agent().InfoLines(),
                ElementsAre("Loaded input locale identifiers:", "  English (United States) = US-0409",
                            "  English (United States) - United States-Dvorak = United States-Dvorak-0409",
                            "Current locale identifiers:",
                            "  Display name: English (United States) - United States-Dvorak",
                            "  Variantion name: United States-Dvorak", "  Language: English (United States)",
                            "  Country: United States"));
    EXPECT_EQ(Agent().OriginalLayoutName(), "United States-Dvorak");
}

TEST_F(KeyboardLayoutAgentTest, KeepsAtMostSixteenLoadedLayouts) {
    System().loaded.assign(20, kFrenchHandle);
    System().loaded.front() = kGermanHandle;
    ASSERT_EQ(Agent().LoadedLayouts().size(), 16u);
    EXPECT_EQ(Agent().LoadedLayouts().front(), kGermanHandle);
    EXPECT_EQ(Agent().InfoLines().size(), 1u + 16u + 5u);
    EXPECT_EQ(Agent().InfoLines()[1], "  German (Germany) = German-0407");
    EXPECT_EQ(Agent().InfoLines()[16], "  French (France) = French-040C");
    EXPECT_EQ(Agent().InfoLines()[17], "Current locale identifiers:");

    System().loaded.assign(17, kUsHandle);
    Agent().ActivateLayout("00000407");  // the loaded list is reread after an activation too
    EXPECT_EQ(Agent().LoadedLayouts().size(), 16u);
}

TEST_F(KeyboardLayoutAgentTest, ActivationRereadsLoadedLayoutsButKeepsTheTextsOfTheLastRefresh) {
    const std::vector<std::string> infoBefore = Agent().InfoLines();
    const std::vector<std::string> listBefore = Agent().LayoutList();

    ASSERT_TRUE(Agent().ActivateLayout("0000040C"));
    EXPECT_THAT(System().activationRequests, ElementsAre(0x0000040Cu));
    EXPECT_THAT(Agent().LoadedLayouts(), ElementsAre(kUsHandle, kFrenchHandle));
    EXPECT_EQ(Agent().InfoLines(), infoBefore);
    EXPECT_EQ(Agent().LayoutList(), listBefore);
    EXPECT_EQ(Agent().OriginalLayoutName(), "US");  // never follows activations

    Agent().Refresh();
    EXPECT_THAT(Agent().InfoLines(), Contains("  French (France) = French-040C"));
    EXPECT_THAT(Agent().InfoLines(), Contains("  Variantion name: French"));
}

TEST_F(KeyboardLayoutAgentTest, ActivateLayoutAtUsesTheIdentifierOfTheListLine) {
    ASSERT_TRUE(Agent().ActivateLayoutAt(1));
    EXPECT_THAT(System().activationRequests, ElementsAre(0x00010409u));
    EXPECT_EQ(System().active, kUsDvorakHandle);
}

TEST_F(KeyboardLayoutAgentTest, FailedActivationChangesNothing) {
    EXPECT_FALSE(Agent().ActivateLayout("00000419"));  // the system cannot load it
    EXPECT_FALSE(Agent().ActivateLayout("German"));    // not an identifier: never asked
    EXPECT_FALSE(Agent().ActivateLayout(""));
    EXPECT_THAT(System().activationRequests, ElementsAre(0x00000419u));
    EXPECT_THAT(Agent().LoadedLayouts(), ElementsAre(kUsHandle));
    EXPECT_EQ(System().active, kUsHandle);
}

}  // namespace
}  // namespace zq
