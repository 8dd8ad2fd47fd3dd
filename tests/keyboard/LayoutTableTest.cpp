#include "keyboard/LayoutTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>

#include "base/CodePage.h"
#include "keyboard/EnvironmentLayoutBackend.h"
#include "keyboard/TKeyboardLayoutAgent.h"
#include "keyboard/XkbLayoutGroups.h"
#include "keyboard/XkbRegistry.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

std::string XkbText(const LayoutTableEntry& entry) {
    std::string text(entry.xkbLayout);
    if (!entry.xkbVariant.empty()) {
        text += '(';
        text += entry.xkbVariant;
        text += ')';
    }
    return text;
}

TEST(LayoutTableTest, EveryEntryNamesALayoutOfThisSystemsXkbData) {
    const XkbRegistry registry;
    ASSERT_FALSE(registry.Empty()) << "the XKB registry could not be read";
    for (const LayoutTableEntry& entry : LayoutTable()) {
        EXPECT_TRUE(registry.Knows(entry.xkbLayout, entry.xkbVariant))
            << LayoutIdentifierText(entry.identifier) << " " << XkbText(entry);
    }
}

TEST(LayoutTableTest, IdentifiersAndXkbNamesAreUniqueAndLanguagesKnown) {
    std::set<std::uint32_t> identifiers;
    std::set<std::string> xkbNames;
    for (const LayoutTableEntry& entry : LayoutTable()) {
        const std::string id = LayoutIdentifierText(entry.identifier);
        EXPECT_TRUE(identifiers.insert(entry.identifier).second) << "twice: " << id;
        EXPECT_TRUE(xkbNames.insert(XkbText(entry)).second) << "twice: " << XkbText(entry);
        EXPECT_EQ(entry.languageId, entry.identifier & 0xFFFF) << id;
        EXPECT_LT(entry.identifier >> 16, 0x1000u) << id << ": the variant number must fit a handle";
        EXPECT_FALSE(LocaleNameOfLanguage(entry.languageId).empty()) << id;
    }
    EXPECT_GE(LayoutTable().size(), 60u);
}

TEST(LayoutTableTest, MapsTheMostUsedLayouts) {
    const std::pair<std::uint32_t, const char*> expected[] = {
        {0x00000409, "us"}, {0x00010409, "us(dvorak)"}, {0x00020409, "us(intl)"}, {0x00000809, "gb"},
        {0x00000407, "de"}, {0x00000807, "ch"},         {0x0000040C, "fr"},       {0x0000080C, "be"},
        {0x00000410, "it"}, {0x0000040A, "es"},         {0x0000080A, "latam"},    {0x00000816, "pt"},
        {0x00000416, "br"}, {0x00000413, "nl"},         {0x00000406, "dk"},       {0x00000414, "no"},
        {0x0000041D, "se"}, {0x0000040B, "fi"},         {0x00000415, "pl"},       {0x00000405, "cz"},
        {0x0000041B, "sk"}, {0x0000040E, "hu"},         {0x00000419, "ru"},       {0x00000422, "ua"},
        {0x00000408, "gr"}, {0x0000041F, "tr"},         {0x0000040D, "il"},       {0x00000411, "jp"},
        {0x00000412, "kr"}, {0x0000100C, "ch(fr)"},     {0x00001009, "ca"},       {0x0000040F, "is"},
        {0x00000C1A, "rs"}, {0x0000081A, "rs(latin)"},  {0x0001041F, "tr(f)"},
    };
    for (const auto& [identifier, xkb] : expected) {
        const LayoutTableEntry* entry = FindLayoutByIdentifier(identifier);
        ASSERT_NE(entry, nullptr) << LayoutIdentifierText(identifier);
        EXPECT_EQ(XkbText(*entry), xkb) << LayoutIdentifierText(identifier);
    }
}

TEST(LayoutTableTest, HandlesAndXkbLookups) {
    EXPECT_EQ(LayoutHandle(*FindLayoutByIdentifier(0x00000409)), 0x04090409u);
    EXPECT_EQ(LayoutHandle(*FindLayoutByIdentifier(0x00010409)), 0xF0010409u);
    EXPECT_EQ(LayoutHandle(*FindLayoutByIdentifier(0x0001083B)), 0xF001083Bu);

    EXPECT_EQ(FindLayoutByXkbName("us", "dvorak")->identifier, 0x00010409u);
    EXPECT_EQ(FindLayoutByXkbName("de", "nodeadkeys"), nullptr);
    EXPECT_EQ(ClosestLayoutForXkbName("de", "nodeadkeys")->identifier, 0x00000407u);
    EXPECT_EQ(ClosestLayoutForXkbName("custom", ""), nullptr);

    EXPECT_EQ(LocaleNameOfLanguage(0x040C), "fr_FR");
    EXPECT_EQ(LocaleNameOfLanguage(0x0401), "ar_SA");  // first of the sorted table
    EXPECT_EQ(LocaleNameOfLanguage(0x1809), "en_IE");  // last
    EXPECT_EQ(LocaleNameOfLanguage(0x0417), "");
}

TEST(XkbLayoutGroupsTest, SplitsAndJoinsRulesNames) {
    EXPECT_THAT(SplitXkbGroups("us,de", ",nodeadkeys"),
                ElementsAre(XkbLayoutName{"us", ""}, XkbLayoutName{"de", "nodeadkeys"}));
    EXPECT_THAT(SplitXkbGroups("fr, de(neo)", ""),
                ElementsAre(XkbLayoutName{"fr", ""}, XkbLayoutName{"de", "neo"}));
    EXPECT_TRUE(SplitXkbGroups("", "dvorak").empty());

    const std::vector<XkbLayoutName> groups{{"us", ""}, {"de", "nodeadkeys"}, {"fr", ""}};
    EXPECT_EQ(JoinXkbLayouts(groups), "us,de,fr");
    EXPECT_EQ(JoinXkbVariants(groups), ",nodeadkeys,");
    EXPECT_EQ(JoinXkbVariants({{"us", ""}, {"fr", ""}}), "");
    EXPECT_EQ(SplitXkbGroups(JoinXkbLayouts(groups), JoinXkbVariants(groups)), groups);
}

TEST(XkbLayoutGroupsTest, AddsAWantedLayoutOnlyWhenMissingAndReplacesTheLastOfFour) {
    const XkbLayoutName french{"fr", ""};
    const auto present = GroupsWithLayout({{"us", ""}, {"fr", ""}}, french);
    EXPECT_EQ(present.groups.size(), 2u);
    EXPECT_EQ(present.index, 1u);

    const auto added = GroupsWithLayout({{"us", ""}, {"fr", "bepo_afnor"}}, french);
    EXPECT_THAT(added.groups,
                ElementsAre(XkbLayoutName{"us", ""}, XkbLayoutName{"fr", "bepo_afnor"}, french));
    EXPECT_EQ(added.index, 2u);

    const auto full = GroupsWithLayout({{"us", ""}, {"de", ""}, {"ru", ""}, {"gr", ""}}, french);
    EXPECT_THAT(full.groups, ElementsAre(XkbLayoutName{"us", ""}, XkbLayoutName{"de", ""},
                                         XkbLayoutName{"ru", ""}, french));
    EXPECT_EQ(full.index, 3u);

    EXPECT_EQ(GroupsWithLayout({}, french).index, 0u);
}

TEST(XkbLayoutGroupsTest, ReadsTheKeyboardSettingsFile) {
    const char* file =
        "# KEYBOARD CONFIGURATION FILE\n"
        "XKBMODEL=\"pc105\"\n"
        "XKBLAYOUT=\"de,us\"\r\n"
        "  XKBVARIANT='nodeadkeys,'\n"
        "#XKBLAYOUT=\"fr\"\n"
        "XKBOPTIONS=\"grp:alt_shift_toggle\"\n";
    EXPECT_THAT(GroupsFromKeyboardSettings(file),
                ElementsAre(XkbLayoutName{"de", "nodeadkeys"}, XkbLayoutName{"us", ""}));
    EXPECT_TRUE(GroupsFromKeyboardSettings("XKBMODEL=pc105\n").empty());
}

// An agent over the installed layouts of this system, loaded with `groups`.
TKeyboardLayoutAgent AgentWithGroups(std::vector<XkbLayoutName> groups) {
    auto texts = [](std::uint16_t languageId, LocaleInfo info) {
        return info == LocaleInfo::LanguageId ? LayoutIdentifierText(languageId).substr(4) : std::string();
    };
    return TKeyboardLayoutAgent(std::make_unique<EnvironmentLayoutBackend>(texts, std::move(groups)));
}

TEST(EnvironmentLayoutBackendTest, NamesEveryInstalledLayoutThroughItsHandle) {
    TKeyboardLayoutAgent agent = AgentWithGroups({});
    const XkbRegistry registry;
    std::size_t installedCount = 0;
    for (const LayoutTableEntry& entry : LayoutTable()) {
        if (!registry.Knows(entry.xkbLayout, entry.xkbVariant)) continue;
        ++installedCount;
        EXPECT_EQ(agent.VariationName(LayoutHandle(entry)),
                  FromUtf8(registry.Description(entry.xkbLayout, entry.xkbVariant)))
            << LayoutIdentifierText(entry.identifier);
    }
    EXPECT_EQ(agent.IndexOfLayout("00000409"), 0);
    // After the table's layouts come the registry's others, known by their
    // XKB names alone.
    const std::vector<InstalledLayout>& installed = agent.InstalledLayouts();
    ASSERT_GT(installed.size(), installedCount);
    for (std::size_t i = installedCount; i < installed.size(); ++i) {
        const std::optional<XkbLayoutName> name = ParseXkbLayoutName(installed[i].xkbName);
        ASSERT_TRUE(name) << installed[i].xkbName;
        EXPECT_EQ(installed[i].identifier, 0u) << installed[i].xkbName;
        EXPECT_TRUE(registry.Knows(name->layout, name->variant)) << installed[i].xkbName;
        EXPECT_EQ(FindLayoutByXkbName(name->layout, name->variant), nullptr) << installed[i].xkbName;
    }
    EXPECT_GE(agent.IndexOfLayout("us(colemak)"), static_cast<std::int32_t>(installedCount));
}

TEST(EnvironmentLayoutBackendTest, ReportsTheConfiguredLayoutsAndCannotActivate) {
    TKeyboardLayoutAgent agent = AgentWithGroups({{"de", "nodeadkeys"}, {"us", "dvorak"}, {"custom", ""}});
    EXPECT_THAT(agent.LoadedLayouts(), ElementsAre(0x04070407u, 0xF0010409u, 0u));
    EXPECT_EQ(agent.OriginalLayoutName(), "German");
    EXPECT_FALSE(agent.ActivateLayout("00000409"));
    agent.Refresh();
    const std::string dvorak = FromUtf8(XkbRegistry().Description("us", "dvorak"));
    ASSERT_FALSE(dvorak.empty());
    EXPECT_EQ(agent.InfoLines()[2], "   - " + dvorak + " = " + dvorak + "-0409");
}

TEST(EnvironmentLayoutBackendTest, PrefersTheXkbEnvironmentVariables) {
    const char* saved = std::getenv("XKB_DEFAULT_LAYOUT");
    const std::string savedLayout = saved != nullptr ? saved : "";
    setenv("XKB_DEFAULT_LAYOUT", "fr,us", 1);
    setenv("XKB_DEFAULT_VARIANT", ",dvorak", 1);
    EXPECT_THAT(ConfiguredKeyboardGroups(),
                ElementsAre(XkbLayoutName{"fr", ""}, XkbLayoutName{"us", "dvorak"}));
    if (saved != nullptr) {
        setenv("XKB_DEFAULT_LAYOUT", savedLayout.c_str(), 1);
    } else {
        unsetenv("XKB_DEFAULT_LAYOUT");
    }
    unsetenv("XKB_DEFAULT_VARIANT");
}

}  // namespace
}  // namespace zq
