#include "keyboard/CharacterFinger.h"

#include <gtest/gtest.h>

#include "GuidanceFixtures.h"
#include "keyboard/KeyGroups.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using testing::CharTableRow;
using testing::FillStore;

TEST(CharacterFinger, IsTheFingerOfTheKeyTheKeyboardWouldLight) {
    TDataMod store;
    // Stored out of order: the first key in Name order with the KeyValue counts.
    FillStore(store,
              {{.name = "K2", .keyValue = 30, .finger = 6},
               {.name = "K1", .keyValue = 30, .finger = 3},
               {.name = "Space", .keyValue = 57, .finger = 5},
               {.name = "LShift", .keyValue = 42, .keyType = kLeftShiftKeyType, .finger = 0}},
              {CharTableRow('a', 30), CharTableRow('A', 30, true), CharTableRow(' ', 57)});
    EXPECT_EQ(FingerOfCharacter(store, 'a'), 3);
    EXPECT_EQ(FingerOfCharacter(store, 'A'), 3) << "the character's own key, not its Shift";
    EXPECT_EQ(FingerOfCharacter(store, ' '), 5);
}

TEST(CharacterFinger, ACharacterWithoutAKeyOrAFingerHasNone) {
    TDataMod store;
    FillStore(store,
              {{.name = "A", .keyValue = 30, .finger = 0}, {.name = "Odd", .keyValue = 31, .finger = 12}},
              {CharTableRow('a', 30), CharTableRow('q', 99), CharTableRow('o', 31)});
    EXPECT_EQ(FingerOfCharacter(store, 'a'), 0);
    EXPECT_EQ(FingerOfCharacter(store, 'z'), -1) << "no row for the character";
    EXPECT_EQ(FingerOfCharacter(store, 'q'), -1) << "its key number matches no key";
    EXPECT_EQ(FingerOfCharacter(store, 'o'), -1) << "a finger number outside 0 to 9";
    TDataMod noTemplate;
    EXPECT_EQ(FingerOfCharacter(noTemplate, 'a'), -1);
}

}  // namespace
}  // namespace zq
