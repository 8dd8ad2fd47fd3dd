#include "templates/XkbTemplate.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

#include "base/CodePage.h"
#include "base/Utf8Char.h"
#include "keyboard/KeyHintWords.h"
#include "templates/HandsLook.h"
#include "templates/PcKeyboard.h"
#include "templates/XkbLayout.h"

namespace zq {
namespace {

// The four shift levels a typist reaches, with how hard each is to reach.
// Shift counts as easier than AltGr because every keyboard has it.
struct Level {
    Modifiers modifiers;
    int cost;
};
constexpr std::array<Level, 4> kLevels = {{
    {{.shift = false, .altGr = false}, 0},
    {{.shift = true, .altGr = false}, 1},
    {{.shift = false, .altGr = true}, 2},
    {{.shift = true, .altGr = true}, 3},
}};
constexpr int kPlain = 0, kShift = 1, kAltGr = 2;

// Any way through a dead key counts as harder than every direct way.
constexpr int kDeadKeyCost = 10;
// The keyboard lights only the key after the dead key. For an accent typed
// on its own, the dead key pressed twice lights the accent's key, which
// tells the learner more than the space bar does.
constexpr int kSpaceAfterDeadKeyCost = 5;

// The XKB name of the key between left Shift and Z on ISO keyboards.
constexpr const char* kIsoKeyName = "LSGT";

// Longest texts the template's tables hold.
constexpr std::size_t kMaxCharNameLength = 30;
constexpr std::size_t kMaxHintLength = 127;

struct DeadKeyLook {
    xkb_keysym_t keysym;
    int accent;
    char32_t spacing;  // the accent as a character of its own, shown on the key
};
constexpr DeadKeyLook kDeadKeys[] = {
    {XKB_KEY_dead_grave, kAccentGrave, U'`'},
    {XKB_KEY_dead_acute, kAccentAcute, U'\u00B4'},
    {XKB_KEY_dead_circumflex, kAccentCircumflex, U'^'},
    {XKB_KEY_dead_tilde, kAccentTilde, U'~'},
    {XKB_KEY_dead_diaeresis, kAccentUmlaut, U'\u00A8'},
    {XKB_KEY_dead_abovering, kAccentRing, U'\u00B0'},
    {XKB_KEY_dead_caron, kAccentCaron, U'\u02C7'},
    {XKB_KEY_dead_cedilla, kAccentCedilla, U'\u00B8'},
    // Accents a template has no code for: shown on their keys only.
    {XKB_KEY_dead_macron, kNoAccent, U'\u00AF'},
    {XKB_KEY_dead_breve, kNoAccent, U'\u02D8'},
    {XKB_KEY_dead_abovedot, kNoAccent, U'\u02D9'},
    {XKB_KEY_dead_doubleacute, kNoAccent, U'\u02DD'},
    {XKB_KEY_dead_ogonek, kNoAccent, U'\u02DB'},
};

const DeadKeyLook* FindDeadKey(xkb_keysym_t keysym) {
    for (const DeadKeyLook& dead : kDeadKeys)
        if (dead.keysym == keysym) return &dead;
    return nullptr;
}

// What one key gives at each level. A level is empty when the key has
// nothing there, or when its modifiers select the same shift level as an
// easier combination (AltGr on a key without a third level types the plain
// character again, which is no way of its own).
struct KeyLevels {
    const PcKey* key;
    std::array<xkb_keysym_t, kLevels.size()> keysyms{};
};

KeyLevels ReadKeyLevels(const XkbLayout& layout, const PcKey& key) {
    KeyLevels result{&key, {}};
    std::set<xkb_level_index_t> seen;
    const std::size_t levelCount = key.role == KeyRole::Control ? 1 : layout.HasAltGr() ? 4 : 2;
    for (std::size_t i = 0; i < levelCount; ++i) {
        const XkbLayout::Press press = layout.PressKey(key.xkbName, kLevels[i].modifiers);
        if (press.keysym != XKB_KEY_NoSymbol && seen.insert(press.level).second)
            result.keysyms[i] = press.keysym;
    }
    return result;
}

// Caps Lock turns the plain character into the Shift character and back.
bool IsLetterKey(const XkbLayout& layout, const KeyLevels& levels) {
    const xkb_keysym_t plain = levels.keysyms[kPlain], shifted = levels.keysyms[kShift];
    if (plain == XKB_KEY_NoSymbol || shifted == XKB_KEY_NoSymbol || plain == shifted) return false;
    const std::string& name = levels.key->xkbName;
    return layout.PressKey(name, {.capsLock = true}).keysym == shifted &&
           layout.PressKey(name, {.shift = true, .capsLock = true}).keysym == plain;
}

// How a keysym is shown on a key cap: dead keys by their accent, the space
// and control characters not at all.
std::string CapText(xkb_keysym_t keysym) {
    if (const DeadKeyLook* dead = FindDeadKey(keysym)) return Utf8OfChar(dead->spacing);
    const char32_t ch = KeysymCharacter(keysym);
    if (ch <= U' ' || ch == 0x7F) return {};
    return Utf8OfChar(ch);
}

int KeyKindOf(const XkbLayout& layout, const KeyLevels& levels) {
    const PcKey& key = *levels.key;
    switch (key.role) {
        case KeyRole::Character:
            if (const DeadKeyLook* dead = FindDeadKey(levels.keysyms[kPlain]))
                return dead->accent != kNoAccent ? dead->accent : kCharacterKeyType;
            return IsLetterKey(layout, levels) ? kLetterKeyType : kCharacterKeyType;
        case KeyRole::CapsLock:
            return kCapsLockKeyType;
        case KeyRole::LeftShift:
            return kLeftShiftKeyType;
        case KeyRole::RightShift:
            return kRightShiftKeyType;
        case KeyRole::RightAlt:
            return layout.HasAltGr() ? kAltGrKeyType : key.virtualKey;
        case KeyRole::Control:
        case KeyRole::Keypad:
        case KeyRole::Other:
            return key.virtualKey;
    }
    return key.virtualKey;
}

// The second kind: the accent a dead key gives with Shift, or the accent a
// character key gives with AltGr.
int SecondKindOf(const KeyLevels& levels, int kind) {
    if (levels.key->role != KeyRole::Character) return 0;
    const bool isDeadKey = kind >= kAccentGrave && kind <= kAccentCedilla;
    const DeadKeyLook* dead = FindDeadKey(levels.keysyms[isDeadKey ? kShift : kAltGr]);
    return dead ? dead->accent : 0;
}

std::string LabelOf(const XkbLayout& layout, const KeyLevels& levels, int kind) {
    const PcKey& key = *levels.key;
    switch (key.role) {
        case KeyRole::Character: {
            if (kind == kLetterKeyType) return CapText(levels.keysyms[kShift]);
            const std::string plain = CapText(levels.keysyms[kPlain]);
            const std::string shifted = CapText(levels.keysyms[kShift]);
            return shifted.empty() || shifted == plain ? plain : shifted + "\n" + plain;
        }
        case KeyRole::Keypad:
            return CapText(layout.PressKey(key.xkbName, {.numLock = true}).keysym);
        case KeyRole::RightAlt:
            return layout.HasAltGr() ? "AltGr" : "Alt";
        default:
            return key.caption;
    }
}

std::string HintOf(const XkbLayout& layout, const KeyLevels& levels) {
    const PcKey& key = *levels.key;
    if (key.role == KeyRole::Keypad) return std::string(KeypadPrefix()) + LabelOf(layout, levels, 0);
    if (key.role == KeyRole::RightAlt) return layout.HasAltGr() ? "AltGr" : NamedKeyWord(key.xkbName);
    if (key.role != KeyRole::Character) {
        const char* word = NamedKeyWord(key.xkbName);
        return word != nullptr ? word : key.caption;
    }
    std::string hint;
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        const xkb_keysym_t keysym = levels.keysyms[i];
        if (keysym == XKB_KEY_NoSymbol) continue;
        std::string what;
        if (const char* dead = DeadKeyWord(keysym))
            what = dead;
        else if (KeysymCharacter(keysym) == U' ')
            what = SpaceWord();
        else if (CodeOfChar(KeysymCharacter(keysym)))  // the hint is stored in the code page
            what = CapText(keysym);
        if (what.empty()) continue;
        hint += (hint.empty() ? "" : ", ") + std::string(LevelPrefix(i)) + what;
    }
    return hint.substr(0, kMaxHintLength);
}

// A way of typing one character, with how hard it is.
struct Way {
    DescribedChar row;
    int cost;
};

std::optional<Way> WayOf(xkb_keysym_t keysym, const KeyLevels& levels, std::size_t level, int accent,
                         int cost) {
    const char32_t ch = KeysymCharacter(keysym);
    if (ch == 0) return std::nullopt;
    // Control characters count only on the keys that exist to type them.
    if ((ch < U' ' || ch == 0x7F) && levels.key->role != KeyRole::Control) return std::nullopt;
    const std::optional<unsigned char> code = CodeOfChar(ch);
    if (!code) return std::nullopt;
    // Named by the character's own keysym: composed characters often come
    // with a "U0160" form where X11 has a name ("Scaron").
    const xkb_keysym_t named = xkb_utf32_to_keysym(ch);
    const std::string name = KeysymName(named != XKB_KEY_NoSymbol ? named : keysym);
    DescribedChar row{
        name.substr(0, kMaxCharNameLength), *code, levels.key->scanCode, kLevels[level].modifiers.shift,
        kLevels[level].modifiers.altGr,     accent};
    return Way{row, cost};
}

// The easiest dead key for each accent the template can name.
struct DeadKeySource {
    xkb_keysym_t keysym;
    int cost;
};
std::map<int, DeadKeySource> DeadKeySources(const std::vector<KeyLevels>& keys) {
    std::map<int, DeadKeySource> sources;
    for (const KeyLevels& levels : keys)
        for (std::size_t i = 0; i < kLevels.size(); ++i) {
            const DeadKeyLook* dead = FindDeadKey(levels.keysyms[i]);
            if (!dead || dead->accent == kNoAccent) continue;
            const auto known = sources.find(dead->accent);
            if (known == sources.end() || known->second.cost > kLevels[i].cost)
                sources[dead->accent] = {dead->keysym, kLevels[i].cost};
        }
    return sources;
}

// Every way of typing each character of the code page, the simplest way
// of a character first; equally simple ways keep the keys' reading order.
std::vector<DescribedChar> CharacterRows(const XkbLayout& layout, const std::vector<KeyLevels>& keys) {
    std::vector<Way> ways;
    for (const KeyLevels& levels : keys)
        for (std::size_t i = 0; i < kLevels.size(); ++i) {
            const xkb_keysym_t keysym = levels.keysyms[i];
            if (keysym == XKB_KEY_NoSymbol || FindDeadKey(keysym)) continue;
            if (auto way = WayOf(keysym, levels, i, kNoAccent, kLevels[i].cost)) ways.push_back(*way);
        }
    for (const auto& [accent, source] : DeadKeySources(keys))
        for (const KeyLevels& levels : keys) {
            if (levels.key->role != KeyRole::Character) continue;
            for (std::size_t i = 0; i < kLevels.size(); ++i) {
                if (levels.keysyms[i] == XKB_KEY_NoSymbol) continue;
                const std::optional<xkb_keysym_t> composed = layout.Compose(source.keysym, levels.keysyms[i]);
                if (!composed) continue;
                const bool onSpaceBar = KeysymCharacter(levels.keysyms[i]) == U' ';
                const int cost =
                    kDeadKeyCost + source.cost + kLevels[i].cost + (onSpaceBar ? kSpaceAfterDeadKeyCost : 0);
                if (auto way = WayOf(*composed, levels, i, accent, cost)) ways.push_back(*way);
            }
        }
    std::stable_sort(ways.begin(), ways.end(), [](const Way& a, const Way& b) {
        return a.row.code != b.row.code ? a.row.code < b.row.code : a.cost < b.cost;
    });
    std::vector<DescribedChar> rows;
    rows.reserve(ways.size());
    for (const Way& way : ways) rows.push_back(way.row);
    return rows;
}

// The key between left Shift and Z is drawn when the layout itself puts
// characters on it (as Hungarian puts í there, also typed with AltGr+J), or
// when it types a character that no other key types (French keyboards get
// their "<" from the PC keyboard's defaults). The defaults alone, "<" and
// ">" as on the American comma and period keys, keep the American shape;
// so does a key that repeats another key level by level, adding no way of
// typing anything.
bool NeedsIsoKey(const XkbLayout& layout, const std::vector<KeyLevels>& keys) {
    const auto isoKey = std::ranges::find_if(
        keys, [](const KeyLevels& levels) { return levels.key->xkbName == kIsoKeyName; });
    if (isoKey == keys.end()) return false;
    std::set<xkb_keysym_t> elsewhere;
    bool repeatsAnotherKey = false;
    for (const KeyLevels& levels : keys) {
        if (&levels == &*isoKey) continue;
        elsewhere.insert(levels.keysyms.begin(), levels.keysyms.end());
        repeatsAnotherKey = repeatsAnotherKey || levels.keysyms == isoKey->keysyms;
    }
    const bool typesOnlyHere = std::ranges::any_of(isoKey->keysyms, [&](xkb_keysym_t keysym) {
        return keysym != XKB_KEY_NoSymbol && !elsewhere.contains(keysym);
    });
    return typesOnlyHere || (layout.DefinesKey(kIsoKeyName) && !repeatsAnotherKey);
}

std::vector<KeyLevels> ReadKeyboard(const XkbLayout& layout, const std::vector<PcKey>& keyboard) {
    std::vector<KeyLevels> keys;
    for (const PcKey& key : keyboard)
        if (key.role == KeyRole::Character || key.role == KeyRole::Control)
            keys.push_back(ReadKeyLevels(layout, key));
        else
            keys.push_back({&key, {}});
    return keys;
}

// Key names sort by row, then from left to right: "R1 03 AE03".
std::string KeyName(const PcKey& key, int indexInRow) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "R%d %02d ", key.row, indexInRow);
    return prefix + key.xkbName;
}

}  // namespace

int AccentOfDeadKeysym(xkb_keysym_t keysym) {
    const DeadKeyLook* dead = FindDeadKey(keysym);
    return dead ? dead->accent : kNoAccent;
}

KeyboardDescription DescribeLayout(const XkbLayout& layout, const std::string& layoutName) {
    std::vector<PcKey> keyboard = PcKeyboard(KeyboardShape::Iso);
    std::vector<KeyLevels> keys = ReadKeyboard(layout, keyboard);
    if (!NeedsIsoKey(layout, keys)) {
        keyboard = PcKeyboard(KeyboardShape::Ansi);
        keys = ReadKeyboard(layout, keyboard);
    }

    KeyboardDescription description;
    description.codePage = SystemCodePage();
    const std::vector<std::string> look = KeyboardAndHandsSettings();
    description.readme.push_back(look.front());  // bkcolor
    description.readme.emplace_back("Author=ZQ Typing Tutor");
    description.readme.push_back("misc=Keyboard layout " + layoutName + ", code page " +
                                 std::to_string(description.codePage) + ", made by zq-template from-xkb");
    description.readme.insert(description.readme.end(), look.begin() + 1, look.end());

    int row = -1, indexInRow = 0;
    for (const KeyLevels& levels : keys) {
        const PcKey& key = *levels.key;
        indexInRow = key.row == row ? indexInRow + 1 : 0;
        row = key.row;
        const PixelRect rect = KeyPixels(key);
        DescribedKey& described = description.keys.emplace_back();
        described.name = KeyName(key, indexInRow);
        described.keyValue = key.scanCode;
        described.kind = KeyKindOf(layout, levels);
        described.kind2 = SecondKindOf(levels, described.kind);
        described.finger = key.finger;
        described.x = rect.x;
        described.y = rect.y;
        described.width = rect.width;
        described.height = rect.height;
        described.label = LabelOf(layout, levels, described.kind);
        described.hint = HintOf(layout, levels);
    }
    description.chars = CharacterRows(layout, keys);
    return description;
}

}  // namespace zq
