#pragma once

#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <optional>
#include <string>

struct xkb_compose_table;

namespace zq {

// The modifiers held (Shift, AltGr) or locked (Caps Lock, Num Lock) while a
// key is pressed.
struct Modifiers {
    bool shift = false;
    bool altGr = false;
    bool capsLock = false;
    bool numLock = false;
};

// One keyboard layout of the system's XKB data, compiled with libxkbcommon,
// and the dead-key sequences of the system's compose table.
class XkbLayout {
public:
    // Compiles LAYOUT or LAYOUT(VARIANT) for a 105-key PC keyboard. Throws
    // std::runtime_error with a message for the user when the layout cannot
    // be compiled.
    explicit XkbLayout(const std::string& layoutAndVariant);
    ~XkbLayout();
    XkbLayout(const XkbLayout&) = delete;
    XkbLayout& operator=(const XkbLayout&) = delete;

    // What pressing the key with this XKB name ("AE01") gives with these
    // modifiers, found by pressing the modifier keys on a fresh keyboard
    // state: the keysym (XKB_KEY_NoSymbol for an unknown key or an empty
    // level) and the shift level it comes from (0 plain, 1 Shift, ...), by
    // which two modifier combinations that give the same level are told apart.
    struct Press {
        xkb_keysym_t keysym = XKB_KEY_NoSymbol;
        xkb_level_index_t level = 0;
    };
    Press PressKey(const std::string& keyName, Modifiers modifiers) const;

    // True when the right Alt key is AltGr (it selects the third level).
    bool HasAltGr() const { return hasAltGr_; }

    // True when the layout's own symbols put something on the key, rather
    // than the PC keyboard's defaults every layout starts from (which give
    // the key left of Z "<" and ">" whatever the layout).
    bool DefinesKey(const std::string& keyName) const;

    // The keysym that typing `dead` and then `base` composes, if any.
    std::optional<xkb_keysym_t> Compose(xkb_keysym_t dead, xkb_keysym_t base) const;

private:
    struct ContextDeleter {
        void operator()(xkb_context* context) const;
    };
    struct KeymapDeleter {
        void operator()(xkb_keymap* keymap) const;
    };
    struct ComposeTableDeleter {
        void operator()(xkb_compose_table* table) const;
    };

    std::unique_ptr<xkb_context, ContextDeleter> context_;
    std::unique_ptr<xkb_keymap, KeymapDeleter> keymap_;
    // The layout's symbols alone, without the PC keyboard's; empty when
    // they cannot be compiled so.
    std::unique_ptr<xkb_keymap, KeymapDeleter> ownKeymap_;
    std::unique_ptr<xkb_compose_table, ComposeTableDeleter> composeTable_;
    bool hasAltGr_ = false;
};

// A readable name of a keysym ("eacute", "EuroSign").
std::string KeysymName(xkb_keysym_t keysym);

// True for the keysyms of dead keys (dead_acute, dead_circumflex, ...).
bool IsDeadKeysym(xkb_keysym_t keysym);

// The Unicode character of a keysym, or 0 when it has none.
char32_t KeysymCharacter(xkb_keysym_t keysym);

}  // namespace zq
