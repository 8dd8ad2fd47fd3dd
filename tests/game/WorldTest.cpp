#include <gtest/gtest.h>

#include <vector>

#include "GameFakes.h"
#include "base/CodePage.h"
#include "game/bulletType.h"
#include "game/cityType.h"
#include "game/strikerType.h"

namespace zq {
namespace {

using testing::RecordingSurface;
using testing::ScriptedRandom;

// A 3-row city on the line y = 100 with 10-pixel cells: row 1 spans y 70..80,
// row 2 80..90, row 3 90..100.
class WorldTest : public ::testing::Test {
protected:
    WorldTest() {
        settings.CellSize = 10;
        settings.Columns = 8;
        settings.CityRows = 3;
        settings.BackColor = 0x102030;
        settings.WordColor = 0x00FF00;
        settings.WordFontName = "Mono";
        settings.WordStyle.Bold = true;
        settings.TypedStyle.Italic = true;
    }

    // A city without bricks, for the test to lay them.
    cityType EmptyCity() {
        random.script.assign(64, 99);
        cityType city(100, settings, random);
        random.script.clear();
        return city;
    }

    strikerType Word(const std::string& text, std::int32_t column, std::int32_t y) {
        strikerType word;
        word.Text = text;
        word.Len = static_cast<std::int32_t>(text.size());
        word.Column = column;
        word.X = (column - 1) * settings.CellSize;
        word.Y = y;
        return word;
    }

    TGameSettings settings;
    ScriptedRandom random;
    RecordingSurface surface;
};

TEST_F(WorldTest, EveryColumnOfTheCityIsASolidStackFromItsHighestBrickDown) {
    settings.Columns = 4;
    // Row 1: a brick only in column 1. Row 2: columns 2 to 4 roll (column 1
    // has a brick above): a brick in column 3. Row 3: columns 2 and 4 roll.
    random.script = {0, 99, 99, 99, 99, 0, 99, 0, 99};
    cityType city(100, settings, random);
    EXPECT_EQ(random.seeds, 1) << "the generator is seeded from the clock when the city is built";
    EXPECT_EQ(random.draws, 9) << "a cell under a brick rolls no chance";
    const std::vector<std::vector<bool>> expected = {
        {true, false, false, false},
        {true, false, true, false},
        {true, true, true, false},
    };
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c) EXPECT_EQ(city.HasBrick(r, c), expected[r - 1][c - 1]) << r << "," << c;
    EXPECT_EQ(city.CountBricks(), 6);

    settings.Columns = 120;
    cityType randomCity(100, settings, random);
    for (int c = 1; c <= 120; ++c) {
        for (int r = 1; r < 3; ++r) {
            if (randomCity.HasBrick(r, c)) {
                EXPECT_TRUE(randomCity.HasBrick(r + 1, c)) << r << "," << c;
            }
        }
    }
}

TEST_F(WorldTest, TheBrickGridIsAsWideAsTheColumns) {
    settings.Columns = 200;  // a wide screen with a small font
    random.script.assign(200, 0);
    cityType wide(100, settings, random);
    EXPECT_EQ(wide.CountBricks(), 600);
    EXPECT_TRUE(wide.HasBrick(1, 200));
    EXPECT_FALSE(wide.HasBrick(1, 201));

    settings.Columns = 0;
    cityType none(100, settings, random);
    EXPECT_EQ(none.CountBricks(), 0);
}

TEST_F(WorldTest, TheCityDrawsItsBricksAndClearsStrips) {
    cityType city = EmptyCity();
    city.SetBrick(1, 1, true);
    city.SetBrick(3, 2, true);
    EXPECT_EQ(city.Top(), 70);
    city.Draw(surface);
    ASSERT_EQ(surface.fills.size(), 2u);
    EXPECT_EQ(surface.fills[0], std::make_pair(GameRect{0, 70, 10, 80}, BrickColor));
    EXPECT_EQ(surface.fills[1], std::make_pair(GameRect{10, 90, 20, 100}, BrickColor));

    surface.Clear();
    city.EraseBricks(surface, 2, 3, 6);
    ASSERT_EQ(surface.fills.size(), 1u);
    EXPECT_EQ(surface.fills[0], std::make_pair(GameRect{20, 80, 50, 90}, settings.BackColor));
}

TEST_F(WorldTest, AWordMeetsTheCityWhenItsBottomReachesTheCityTop) {
    cityType city = EmptyCity();
    for (int c = 1; c <= 8; ++c) city.SetBrick(3, c, true);
    EXPECT_EQ(city.Contact(Word("abc", 2, 59)).kind, CityContact::None) << "bottom 69, above the top";

    // Only row 3 holds bricks: the word hits row 3 at once.
    const strikerType word = Word("abc", 2, 60);
    const CityContact contact = city.Contact(word);
    ASSERT_EQ(contact.kind, CityContact::Hit);
    EXPECT_EQ(contact.row, 3);
    city.KnockDown(surface, contact.row, word);
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(city.HasBrick(3, c), c < 2 || c > 4) << c;
    ASSERT_EQ(surface.fills.size(), 1u);
    EXPECT_EQ(surface.fills[0].first, (GameRect{10, 90, 40, 100})) << "the strip under the letters";
}

TEST_F(WorldTest, TheHighestRowWithABrickUnderAnyLetterIsHitAndOnlyThatRowFalls) {
    cityType city = EmptyCity();
    for (int r = 1; r <= 3; ++r) city.SetBrick(r, 1, true);  // a full column under the first letter
    city.SetBrick(3, 2, true);
    city.SetBrick(3, 3, true);
    const strikerType word = Word("abc", 1, 60);
    const CityContact contact = city.Contact(word);
    ASSERT_EQ(contact.kind, CityContact::Hit);
    EXPECT_EQ(contact.row, 1);
    city.KnockDown(surface, contact.row, word);
    EXPECT_FALSE(city.HasBrick(1, 1));
    EXPECT_TRUE(city.HasBrick(2, 1));
    EXPECT_TRUE(city.HasBrick(3, 1));
    EXPECT_TRUE(city.HasBrick(3, 2));
    EXPECT_EQ(city.CountBricks(), 4);

    // Sunk below row 1's bottom line, the word meets row 2 next.
    EXPECT_EQ(city.Contact(Word("abc", 1, 71)).row, 2);
}

TEST_F(WorldTest, TheCityKnowsTheBricksItStartedWithAfterSomeHaveFallen) {
    cityType city = EmptyCity();
    for (int c = 1; c <= 4; ++c) city.SetBrick(3, c, true);
    city.SetBrick(2, 2, true);
    EXPECT_EQ(city.InitialBricks(), 5);
    // Over columns 2 to 5, of which only 2 to 4 hold a brick in row 3.
    city.KnockDown(surface, 3, Word("abcd", 2, 85));
    city.KnockDown(surface, 2, Word("ab", 1, 75));
    EXPECT_EQ(city.CountBricks(), 1);
    EXPECT_EQ(city.InitialBricks(), 5) << "the fallen bricks count, the empty cells under a word do not";
}

TEST_F(WorldTest, AWordWithNoBrickUnderItSinksUntilItsTopReachesTheBottomLine) {
    cityType city = EmptyCity();
    city.SetBrick(3, 1, true);
    city.SetBrick(3, 5, true);
    EXPECT_EQ(city.Contact(Word("abc", 2, 75)).kind, CityContact::None);
    EXPECT_EQ(city.Contact(Word("abc", 2, 99)).kind, CityContact::None);
    EXPECT_EQ(city.Contact(Word("abc", 2, 100)).kind, CityContact::Ground);
    EXPECT_EQ(city.CountBricks(), 2);
}

TEST_F(WorldTest, AWordLongerThanTheColumnsIsCutAtTheRightEdge) {
    cityType city = EmptyCity();
    const strikerType word = Word(std::string(100'000, 'w'), 1, 60);
    EXPECT_EQ(word.VisibleLen(settings), 8);
    word.Draw(surface, settings);
    EXPECT_EQ(surface.chars.size(), 8u);
    EXPECT_EQ(surface.chars.back().x, 70);

    city.SetBrick(3, 8, true);
    const CityContact contact = city.Contact(word);
    ASSERT_EQ(contact.kind, CityContact::Hit);
    surface.Clear();
    city.KnockDown(surface, contact.row, word);
    EXPECT_EQ(surface.fills[0].first, (GameRect{0, 90, 80, 100})) << "the strip ends at the right edge";
}

TEST_F(WorldTest, TypedLettersShowInRedWithTheTypedStyleAndTheOthersInTheWordColor) {
    strikerType word = Word("ab\xE9", 3, 40);  // the third letter is é in code page 1252
    word.Draw(surface, settings);
    ASSERT_EQ(surface.chars.size(), 3u);
    const GameFont untyped{"Mono", 10, 0x00FF00, settings.WordStyle};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(surface.chars[i].x, 20 + 10 * i);
        EXPECT_EQ(surface.chars[i].y, 40);
        EXPECT_EQ(surface.chars[i].font, untyped);
        EXPECT_EQ(surface.chars[i].background, settings.BackColor);
    }
    EXPECT_EQ(surface.chars[2].ch, CharOfCode(0xE9));

    surface.Clear();
    word.Typed = 2;
    word.Draw(surface, settings);
    const GameFont typed{"Mono", 10, TypedColor, settings.TypedStyle};
    EXPECT_EQ(surface.chars[0].font, typed);
    EXPECT_EQ(surface.chars[1].font, typed);
    EXPECT_EQ(surface.chars[2].font, untyped);

    surface.Clear();
    word.Typed = -1;  // a wrong key: all letters in the word colour again
    word.Draw(surface, settings);
    for (const auto& drawn : surface.chars) EXPECT_EQ(drawn.font, untyped);
}

TEST_F(WorldTest, TypedLettersTakeTheColourTheSettingsGive) {
    strikerType word = Word("abc", 3, 40);
    settings.TypedLettersColor = 0x00FFFF;  // yellow, as large print has it
    word.Typed = 1;
    word.Draw(surface, settings);
    ASSERT_EQ(surface.chars.size(), 3u);
    EXPECT_EQ(surface.chars[0].font.color, 0x00FFFF);
    EXPECT_EQ(surface.chars[1].font.color, 0x00FF00) << "the others keep the word colour";
}

TEST_F(WorldTest, ABulletRisesSixPixelsAStepAndArrivesAtTheWordsBottomEdge) {
    strikerType word = Word("abcd", 3, 0);  // bottom edge at y = 10
    word.State = wsShot;
    bulletType bullet(surface, 41, word, settings);
    EXPECT_EQ(bullet.X, 20 + 4 * 10 / 2) << "below the middle of the word";
    EXPECT_EQ(bullet.Y, 41);

    bullet.Step(settings);
    EXPECT_EQ(bullet.Y, 35);
    ASSERT_EQ(surface.rects.size(), 2u);
    const GamePen xorPen{11184725, 3, PenMode::Xor};
    EXPECT_EQ(surface.rects[0].rect, (GameRect{40, 41, 44, 49})) << "the previous image goes";
    EXPECT_EQ(surface.rects[0].pen, xorPen);
    EXPECT_EQ(surface.rects[0].fill, settings.BackColor);
    EXPECT_EQ(surface.rects[1].rect, (GameRect{40, 35, 44, 43}));
    EXPECT_EQ(surface.rects[1].pen, xorPen);

    std::vector<std::int32_t> heights;
    while (!bullet.Done) {
        bullet.Step(settings);
        heights.push_back(bullet.Y);
    }
    EXPECT_EQ(heights, (std::vector<std::int32_t>{29, 23, 17, 11, 5, 5}))
        << "at y 5 the bottom edge is below it";
    EXPECT_EQ(word.State, wsGone);
    EXPECT_EQ(surface.rects.back().rect, (GameRect{40, 5, 45, 14})) << "the wipe";
    EXPECT_EQ(surface.rects.back().pen, (GamePen{settings.BackColor, 3, PenMode::Replace}));

    surface.Clear();
    bullet.ForgetTarget();
    bullet.Step(settings);
    EXPECT_TRUE(surface.rects.empty()) << "a bullet whose word was discarded draws nothing";
}

}  // namespace
}  // namespace zq
