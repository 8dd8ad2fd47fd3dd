#include "profile/ColorList.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

std::vector<std::string> Names(const ColorList& list) {
    std::vector<std::string> names;
    for (const ColorEntry& entry : list.Entries()) names.push_back(entry.name);
    return names;
}

TEST(ColorListTest, NamedColorsThemeColorsNoneAndDefaultInTheirOrder) {
    const ColorList list;
    const std::vector<std::string> names = Names(list);
    ASSERT_EQ(names.size(), 54u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
              (std::vector<std::string>{"Black", "Maroon", "Green", "Olive"}));
    EXPECT_EQ(names[17], "White");
    EXPECT_EQ(names[21], "Medium Gray");
    EXPECT_EQ(names[22], "ScrollBar");
    EXPECT_EQ(names[51], "MenuBar");
    EXPECT_EQ(names[52], "None");
    EXPECT_EQ(names[53], "Default");

    const auto& entries = list.Entries();
    EXPECT_EQ(entries[18].color, Rgb(192, 220, 192));  // Money Green
    EXPECT_EQ(entries[19].color, Rgb(166, 202, 240));  // Sky Blue
    EXPECT_EQ(entries[20].color, Rgb(255, 251, 240));  // Cream
    EXPECT_EQ(entries[22].color, static_cast<TColor>(0x80000000));
    EXPECT_EQ(entries[37].color, -2147483633);                      // Button Face
    EXPECT_EQ(entries[47].color, static_cast<TColor>(0x8000001A));  // Hot Light: index 25 has no colour
    EXPECT_EQ(entries[52].color, 536870911);
    EXPECT_EQ(entries[53].color, 536870912);
}

TEST(ColorListTest, AColorSelectsItsFirstLine) {
    ColorList list;
    list.Select(Rgb(192, 192, 192));
    EXPECT_EQ(list.SelectedIndex(), 8);  // "Silver", not "Light Gray"
    list.SelectIndex(15);
    EXPECT_EQ(list.SelectedColor(), Rgb(192, 192, 192));
    EXPECT_EQ(list.Entries().size(), 54u);
}

TEST(ColorListTest, OneCustomLineTakesColorsOutsideTheListBeforeTheChooser) {
    ColorList list(ColorList::Chooser::With);
    ASSERT_EQ(list.Entries().back(), (ColorEntry{"Custom...", 0, true}));
    list.Select(Rgb(1, 2, 3));
    ASSERT_EQ(list.Entries().size(), 56u);
    EXPECT_EQ(list.SelectedIndex(), 54);
    EXPECT_EQ(list.Entries()[54], (ColorEntry{"Custom", Rgb(1, 2, 3)}));
    list.Select(clRed);
    list.Select(Rgb(4, 5, 6));
    EXPECT_EQ(list.Entries().size(), 56u) << "the custom line is reused";
    EXPECT_EQ(list.SelectedColor(), Rgb(4, 5, 6));
    EXPECT_TRUE(list.Entries().back().opensChooser);

    ColorList plain;
    plain.Select(-5);
    EXPECT_EQ(plain.Entries().back(), (ColorEntry{"Custom", -5}));
}

TEST(ColorListTest, TheChooserLineIsNeverSelectedAndNamesMatchWithoutCase) {
    ColorList list(ColorList::Chooser::With);
    list.Select(clBlue);
    const int chooser = static_cast<int>(list.Entries().size()) - 1;
    EXPECT_TRUE(list.OpensChooser(chooser));
    EXPECT_FALSE(list.OpensChooser(0));
    EXPECT_FALSE(list.OpensChooser(-1));
    list.SelectIndex(chooser);
    list.SelectIndex(1000);
    EXPECT_EQ(list.SelectedColor(), clBlue);
    EXPECT_EQ(list.IndexOfName("sky blue"), 19);
    EXPECT_EQ(list.IndexOfName("Sky"), -1);
    EXPECT_EQ(list.IndexOfName("custom..."), chooser);
}

}  // namespace
}  // namespace zq
