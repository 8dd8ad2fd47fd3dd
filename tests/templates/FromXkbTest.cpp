// The characters, keys and fingers that from-xkb reads from the system's
// XKB data for the layouts the program ships.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "base/CodePage.h"
#include "base/Utf8Char.h"
#include "keyboard/KeyHintWords.h"
#include "templates/XkbLayout.h"
#include "templates/XkbTemplate.h"

namespace zq {
namespace {

// Scan codes of the keys the tests look at.
constexpr int kKeyE = 18, kKeyQ = 16, kKeyA = 30, kGermanSharpS = 12, kFrenchEAcute = 3;
constexpr int kGermanUUmlaut = 26, kGermanAUmlaut = 40, kFrenchCircumflex = 26, kTildeKey = 41,
              kGermanAcute = 13;
constexpr int kIsoKey = 86, kRightAlt = 312, kSpace = 57, kEnter = 28;

KeyboardDescription Describe(const std::string& layout, int codePage = 1252) {
    SetSystemCodePage(codePage);
    const XkbLayout xkb(layout);
    KeyboardDescription description = DescribeLayout(xkb, layout);
    SetSystemCodePage(1252);
    return description;
}

// The rows of one character, in the order the keyboard searches them.
std::vector<DescribedChar> WaysOf(const KeyboardDescription& description, int code) {
    std::vector<DescribedChar> ways;
    for (const DescribedChar& row : description.chars)
        if (row.code == code) ways.push_back(row);
    return ways;
}

const DescribedKey* KeyWithValue(const KeyboardDescription& description, int keyValue) {
    for (const DescribedKey& key : description.keys)
        if (key.keyValue == keyValue) return &key;
    return nullptr;
}

// The first row of a character, checked to exist.
DescribedChar FirstWay(const KeyboardDescription& description, int code) {
    const std::vector<DescribedChar> ways = WaysOf(description, code);
    EXPECT_FALSE(ways.empty()) << "no way to type code " << code;
    return ways.empty() ? DescribedChar{} : ways.front();
}

void ExpectWay(const DescribedChar& way, int keyValue, bool shift, bool altGr, int accent) {
    EXPECT_EQ(way.keyValue, keyValue) << way.name;
    EXPECT_EQ(way.shift, shift) << way.name;
    EXPECT_EQ(way.altGr, altGr) << way.name;
    EXPECT_EQ(way.accent, accent) << way.name;
}

class ShippedLayouts : public ::testing::TestWithParam<const char*> {};

// Rules every generated keyboard keeps, whatever the layout.
TEST_P(ShippedLayouts, KeysAreDistinctDoNotOverlapAndEveryRowFindsItsKey) {
    const KeyboardDescription description = Describe(GetParam());
    std::set<int> keyValues;
    std::set<std::string> names;
    for (const DescribedKey& key : description.keys) {
        EXPECT_TRUE(keyValues.insert(key.keyValue).second) << "key value twice: " << key.keyValue;
        EXPECT_TRUE(names.insert(key.name).second) << "key name twice: " << key.name;
        EXPECT_LE(key.name.size(), 20u) << key.name;
        EXPECT_GE(key.finger, 0) << key.name;
        EXPECT_LE(key.finger, 9) << key.name;
        EXPECT_GT(key.width, 0);
        EXPECT_GT(key.height, 0);
    }
    for (std::size_t i = 0; i < description.keys.size(); ++i)
        for (std::size_t j = i + 1; j < description.keys.size(); ++j) {
            const DescribedKey& a = description.keys[i];
            const DescribedKey& b = description.keys[j];
            const bool overlap =
                a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
            EXPECT_FALSE(overlap) << description.keys[i].name << " overlaps " << description.keys[j].name;
        }
    for (const DescribedChar& row : description.chars) {
        EXPECT_TRUE(keyValues.contains(row.keyValue)) << row.name << " on a missing key";
        EXPECT_LE(row.name.size(), 30u) << row.name;
    }
    // Drills light the keys of the line end and the space between words.
    ExpectWay(FirstWay(description, 13), kEnter, false, false, 0);
    ExpectWay(FirstWay(description, ' '), kSpace, false, false, 0);
    EXPECT_EQ(KeyWithValue(description, kSpace)->finger, 5);
    EXPECT_EQ(KeyWithValue(description, kKeyA)->finger, 0);
}

// The keyboard lights the first row of a character: the simplest way.
// No way through a dead key comes before a direct one, and direct ways
// come in order of fewer modifiers.
TEST_P(ShippedLayouts, SimplestWayOfEachCharacterComesFirst) {
    const KeyboardDescription description = Describe(GetParam());
    std::map<int, std::vector<DescribedChar>> byCode;
    for (const DescribedChar& row : description.chars) byCode[row.code].push_back(row);
    for (const auto& [code, ways] : byCode)
        for (std::size_t i = 1; i < ways.size(); ++i) {
            const DescribedChar &before = ways[i - 1], &after = ways[i];
            EXPECT_FALSE(before.accent != 0 && after.accent == 0) << "code " << code;
            if (before.accent == 0 && after.accent == 0) {
                EXPECT_LE(before.shift + before.altGr, after.shift + after.altGr) << "code " << code;
            }
        }
}

// What a hint names one way of typing with, its level ("Shift ") or block
// ("Keypad ") taken off.
std::string_view Named(std::string_view way) {
    for (const HintPrefix& prefix : HintPrefixes())
        if (way.size() > prefix.english.size() && way.starts_with(prefix.english))
            return way.substr(prefix.english.size());
    return way;
}

bool IsOneCharacter(std::string_view name) {
    std::size_t at = 0;
    char32_t ch = 0;
    return DecodeUtf8(name, at, ch) && at == name.size();
}

bool IsFunctionKey(std::string_view name) {
    return name.size() >= 2 && name[0] == 'F' && std::ranges::all_of(name.substr(1), ::isdigit);
}

// The words of the hints are those the windows translate for screen
// readers: no English word reaches a learner of another language.
TEST_P(ShippedLayouts, EveryWordOfTheHintsIsOneTheWindowsTranslate) {
    const KeyboardDescription description = Describe(GetParam());
    for (const DescribedKey& key : description.keys) {
        const std::string_view hint = key.hint;
        // ", " separates the ways; a comma key's hint begins with a comma.
        for (std::size_t start = 0; start < hint.size();) {
            std::size_t end = hint.find(", ", start + 1);
            if (end == std::string_view::npos) end = hint.size();
            const std::string_view name = Named(hint.substr(start, end - start));
            start = end + 2;
            if (IsOneCharacter(name) || name == "AltGr" || IsFunctionKey(name))
                continue;  // a character, or no word
            EXPECT_NE(FindKeyHintWord(name), nullptr) << "'" << name << "' in '" << hint << "'";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FromXkb, ShippedLayouts, ::testing::Values("us", "de", "fr", "hu", "it", "pt"));

TEST(FromXkbGerman, TypesSharpSUmlautsAndAltGrCharacters) {
    const KeyboardDescription de = Describe("de");
    // ß has a key of its own and is no letter: Caps Lock does not make it "?".
    ExpectWay(FirstWay(de, 0xDF), kGermanSharpS, false, false, 0);
    EXPECT_EQ(KeyWithValue(de, kGermanSharpS)->kind, kCharacterKeyType);
    EXPECT_EQ(KeyWithValue(de, kGermanSharpS)->label, "?\n\u00DF");
    // The umlauts are letters of their own keys.
    ExpectWay(FirstWay(de, 0xFC), kGermanUUmlaut, false, false, 0);
    ExpectWay(FirstWay(de, 0xDC), kGermanUUmlaut, true, false, 0);
    EXPECT_EQ(KeyWithValue(de, kGermanUUmlaut)->kind, kLetterKeyType);
    EXPECT_EQ(KeyWithValue(de, kGermanUUmlaut)->label, "\u00DC");
    // AltGr: the euro sign (128 in code page 1252) on E, @ on Q.
    ExpectWay(FirstWay(de, 128), kKeyE, false, true, 0);
    ExpectWay(FirstWay(de, '@'), kKeyQ, false, true, 0);
    ExpectWay(FirstWay(de, 'A'), kKeyA, true, false, 0);
    EXPECT_EQ(KeyWithValue(de, kRightAlt)->kind, kAltGrKeyType);
    // The key left of Z types < and > and nothing else does.
    ExpectWay(FirstWay(de, '<'), kIsoKey, false, false, 0);
    EXPECT_EQ(de.keys.size(), 105u);
}

TEST(FromXkbGerman, DeadKeysCarryTheirAccents) {
    const KeyboardDescription de = Describe("de");
    EXPECT_EQ(KeyWithValue(de, kTildeKey)->kind, kAccentCircumflex);
    EXPECT_EQ(KeyWithValue(de, kGermanAcute)->kind, kAccentAcute);
    EXPECT_EQ(KeyWithValue(de, kGermanAcute)->kind2, kAccentGrave);  // with Shift
    EXPECT_EQ(KeyWithValue(de, kGermanAUmlaut)->kind, kLetterKeyType);
    EXPECT_EQ(KeyWithValue(de, kGermanAUmlaut)->kind2, kAccentCircumflex);  // with AltGr
    ExpectWay(FirstWay(de, 0xE9), kKeyE, false, false, kAccentAcute);
    ExpectWay(FirstWay(de, 0xC8), kKeyE, true, false, kAccentGrave);
    // An accent typed on its own lights the accent's key (the dead key
    // pressed twice), not the space bar.
    EXPECT_EQ(FirstWay(de, '^').keyValue, kTildeKey);
    EXPECT_EQ(FirstWay(de, 0xB4).keyValue, kGermanAcute);
}

TEST(FromXkbFrench, AccentedLettersUnmodifiedAndCircumflexThroughTheDeadKey) {
    const KeyboardDescription fr = Describe("fr");
    ExpectWay(FirstWay(fr, 0xE9), kFrenchEAcute, false, false, 0);  // é
    ExpectWay(FirstWay(fr, '2'), kFrenchEAcute, true, false, 0);
    ExpectWay(FirstWay(fr, 'A'), kKeyQ, true, false, 0);  // AZERTY: A where QWERTY has Q
    ExpectWay(FirstWay(fr, 'q'), kKeyA, false, false, 0);
    for (const int code : {0xE8, 0xE0, 0xE7}) EXPECT_EQ(FirstWay(fr, code).accent, 0) << code;  // è à ç

    // ^ gives the dead circumflex, with Shift the dead diaeresis.
    EXPECT_EQ(KeyWithValue(fr, kFrenchCircumflex)->kind, kAccentCircumflex);
    EXPECT_EQ(KeyWithValue(fr, kFrenchCircumflex)->kind2, kAccentUmlaut);
    EXPECT_EQ(KeyWithValue(fr, kFrenchCircumflex)->label, "\u00A8\n^");
    const std::vector<DescribedChar> eCircumflex = WaysOf(fr, 0xEA);
    ASSERT_EQ(eCircumflex.size(), 1u);
    ExpectWay(eCircumflex.front(), kKeyE, false, false, kAccentCircumflex);
    ExpectWay(FirstWay(fr, 0xEB), kKeyE, false, false, kAccentUmlaut);     // ë
    ExpectWay(FirstWay(fr, 0xCA), kKeyE, true, false, kAccentCircumflex);  // Ê
    // ^ itself is AltGr+9, simpler than the dead key.
    ExpectWay(FirstWay(fr, '^'), 10, false, true, 0);
    EXPECT_EQ(WaysOf(fr, '^').back().accent, kAccentCircumflex);
    EXPECT_EQ(fr.keys.size(), 105u);
}

// A layout that puts characters of its own on the key left of Z keeps
// that key, with the tall Enter, even when each of them can be typed
// elsewhere too; the learner is shown the plainest way.
TEST(FromXkbIsoKey, LayoutsWithCharactersOnTheKeyLeftOfZKeepItAndTypeThemThere) {
    const KeyboardDescription hu = Describe("hu", 1250);
    ASSERT_NE(KeyWithValue(hu, kIsoKey), nullptr);
    EXPECT_EQ(KeyWithValue(hu, kIsoKey)->finger, 0);  // the left little finger
    EXPECT_EQ(KeyWithValue(hu, kIsoKey)->kind, kLetterKeyType);
    EXPECT_EQ(hu.keys.size(), 105u);
    ExpectWay(FirstWay(hu, 0xED), kIsoKey, false, false, 0);  // í, not AltGr+J
    ExpectWay(FirstWay(hu, 0xCD), kIsoKey, true, false, 0);   // Í
    const DescribedKey* enter = KeyWithValue(hu, kEnter);
    EXPECT_GT(enter->height, KeyWithValue(hu, kKeyA)->height);

    for (const char* layout : {"it", "pt"}) {
        const KeyboardDescription description = Describe(layout);
        ASSERT_NE(KeyWithValue(description, kIsoKey), nullptr) << layout;
        EXPECT_EQ(description.keys.size(), 105u) << layout;
        ExpectWay(FirstWay(description, '<'), kIsoKey, false, false, 0);
        ExpectWay(FirstWay(description, '>'), kIsoKey, true, false, 0);
    }
}

// Colemak repeats its minus key on the key left of Z, level by level: a
// copy that adds no way of typing, so the keyboard keeps the American shape.
TEST(FromXkbIsoKey, AKeyThatOnlyRepeatsAnotherKeyIsLeftOut) {
    const KeyboardDescription colemak = Describe("us(colemak)");
    EXPECT_EQ(KeyWithValue(colemak, kIsoKey), nullptr);
    EXPECT_EQ(colemak.keys.size(), 104u);
}

TEST(FromXkbUs, AmericanKeyboardTypesExactlyPrintableAscii) {
    const KeyboardDescription us = Describe("us");
    std::set<int> codes;
    for (const DescribedChar& row : us.chars) {
        codes.insert(row.code);
        EXPECT_FALSE(row.altGr) << row.name;
        EXPECT_EQ(row.accent, 0) << row.name;
    }
    std::set<int> expected = {8, 9, 13};
    for (int code = ' '; code <= '~'; ++code) expected.insert(code);
    EXPECT_EQ(codes, expected);
    // No AltGr and no key left of Z: the American shape with 104 keys.
    EXPECT_EQ(KeyWithValue(us, kRightAlt)->kind, 18);
    EXPECT_EQ(KeyWithValue(us, kRightAlt)->label, "Alt");
    EXPECT_EQ(KeyWithValue(us, kIsoKey), nullptr);
    EXPECT_EQ(us.keys.size(), 104u);
    EXPECT_EQ(KeyWithValue(us, kKeyQ)->kind, kLetterKeyType);
    EXPECT_EQ(KeyWithValue(us, kKeyQ)->label, "Q");
}

TEST(FromXkbCodePage, KeepsOnlyCharactersOfTheChosenCodePage) {
    const KeyboardDescription de = Describe("de", 1251);  // Cyrillic: no umlauts
    EXPECT_EQ(de.codePage, 1251);
    for (const DescribedChar& row : de.chars) EXPECT_NE(row.name, "udiaeresis");
    ExpectWay(FirstWay(de, 0x88), kKeyE, false, true, 0);  // the euro sign's code in 1251
}

TEST(FromXkbLayout, LayoutTheSystemLacksFailsWithItsName) {
    try {
        XkbLayout layout("zz(nothing)");
        FAIL() << "an unknown layout compiled";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("'zz(nothing)'"), std::string::npos) << error.what();
    }
    EXPECT_THROW(XkbLayout("de(unterminated"), std::runtime_error);
}

}  // namespace
}  // namespace zq
