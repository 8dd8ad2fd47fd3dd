#include "keyboard/KeyHintWords.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <array>

#include "base/Translation.h"

namespace zq {
namespace {

struct NamedKey {
    std::string_view xkbName;
    const char* word;
};
constexpr std::array kNamedKeys = {
    NamedKey{"ESC", N_("Esc")},
    NamedKey{"PRSC", N_("Print Screen")},
    NamedKey{"SCLK", N_("Scroll Lock")},
    NamedKey{"PAUS", N_("Pause")},
    NamedKey{"BKSP", N_("Backspace")},
    NamedKey{"INS", N_("Ins")},
    NamedKey{"HOME", N_("Home")},
    NamedKey{"PGUP", N_("PgUp")},
    NamedKey{"NMLK", N_("Num Lock")},
    NamedKey{"TAB", N_("Tab")},
    NamedKey{"RTRN", N_("Enter")},
    NamedKey{"DELE", N_("Del")},
    NamedKey{"END", N_("End")},
    NamedKey{"PGDN", N_("PgDn")},
    NamedKey{"CAPS", N_("Caps Lock")},
    NamedKey{"LFSH", N_("Left Shift")},
    NamedKey{"RTSH", N_("Right Shift")},
    NamedKey{"UP", N_("Up arrow")},
    NamedKey{"KPEN", N_("Keypad Enter")},
    NamedKey{"LCTL", N_("Left Ctrl")},
    NamedKey{"LWIN", N_("Left Windows")},
    NamedKey{"LALT", N_("Left Alt")},
    NamedKey{"RALT", N_("Right Alt")},  // on a layout without AltGr
    NamedKey{"RWIN", N_("Right Windows")},
    NamedKey{"COMP", N_("Menu")},
    NamedKey{"RCTL", N_("Right Ctrl")},
    NamedKey{"LEFT", N_("Left arrow")},
    NamedKey{"DOWN", N_("Down arrow")},
    NamedKey{"RGHT", N_("Right arrow")},
};

struct DeadKey {
    std::uint32_t keysym;
    const char* word;
};
constexpr std::array kDeadKeys = {
    DeadKey{XKB_KEY_dead_grave, N_("dead grave")},
    DeadKey{XKB_KEY_dead_acute, N_("dead acute")},
    DeadKey{XKB_KEY_dead_circumflex, N_("dead circumflex")},
    DeadKey{XKB_KEY_dead_tilde, N_("dead tilde")},
    DeadKey{XKB_KEY_dead_diaeresis, N_("dead diaeresis")},
    DeadKey{XKB_KEY_dead_abovering, N_("dead ring")},
    DeadKey{XKB_KEY_dead_caron, N_("dead caron")},
    DeadKey{XKB_KEY_dead_cedilla, N_("dead cedilla")},
    DeadKey{XKB_KEY_dead_macron, N_("dead macron")},
    DeadKey{XKB_KEY_dead_breve, N_("dead breve")},
    DeadKey{XKB_KEY_dead_abovedot, N_("dead dot above")},
    DeadKey{XKB_KEY_dead_doubleacute, N_("dead double acute")},
    DeadKey{XKB_KEY_dead_ogonek, N_("dead ogonek")},
};

constexpr const char* kSpace = N_("space");

constexpr std::array kPrefixes = {
    HintPrefix{"Shift+AltGr ", N_("Shift+AltGr %s")},
    HintPrefix{"Shift ", N_("Shift %s")},
    HintPrefix{"AltGr ", N_("AltGr %s")},
    HintPrefix{"Keypad ", N_("Keypad %s")},
};

}  // namespace

const char* NamedKeyWord(std::string_view xkbName) {
    for (const NamedKey& key : kNamedKeys)
        if (key.xkbName == xkbName) return key.word;
    return nullptr;
}

const char* DeadKeyWord(std::uint32_t keysym) {
    for (const DeadKey& key : kDeadKeys)
        if (key.keysym == keysym) return key.word;
    return nullptr;
}

const char* SpaceWord() {
    return kSpace;
}

const char* FindKeyHintWord(std::string_view text) {
    for (const NamedKey& key : kNamedKeys)
        if (text == key.word) return key.word;
    for (const DeadKey& key : kDeadKeys)
        if (text == key.word) return key.word;
    return text == kSpace ? kSpace : nullptr;
}

std::span<const HintPrefix> HintPrefixes() {
    return kPrefixes;
}

std::string_view LevelPrefix(std::size_t level) {
    constexpr std::array<std::string_view, 4> kLevels = {"", kPrefixes[1].english, kPrefixes[2].english,
                                                         kPrefixes[0].english};
    return level < kLevels.size() ? kLevels[level] : std::string_view();
}

std::string_view KeypadPrefix() {
    return kPrefixes[3].english;
}

}  // namespace zq
