// zq-virtual-keyboard: types on a Wayland compositor as a person at a real
// keyboard would, for the end-to-end tests under sway. It joins the seat as a
// keyboard with a real XKB layout, so that the program sees the kernel's key
// codes of the keys pressed, and types text by the places of its characters
// on a layout, the way a touch typist's fingers find them.
//
//   zq-virtual-keyboard [--keymap LAYOUT] [--positions LAYOUT] [--delay MS] ACTION...
//
// LAYOUT is an XKB layout, "de" or "de(nodeadkeys)". --keymap is the layout
// the keyboard announces (the desktop's layout; "us" when not given),
// --positions the layout whose places the text is typed by (the keymap's
// when not given). --delay is the time per key in milliseconds (120).
// ACTION is one of:
//   key NAMES   keys by their XKB keysym names on the keymap, joined with
//               '+' to the modifiers held with them: "Return", "alt+c"
//   type TEXT   the characters of TEXT (UTF-8), with Shift, AltGr and dead
//               keys as the positions' layout needs them
//   wait MS     a pause

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "base/Utf8Char.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace {

using std::chrono::milliseconds;

// XKB keycodes (the kernel's codes plus 8) of the modifier keys pressed.
constexpr xkb_keycode_t kLeftShift = 50;
constexpr xkb_keycode_t kLeftAlt = 64;
constexpr xkb_keycode_t kLeftControl = 37;
constexpr xkb_keycode_t kLeftSuper = 133;
constexpr xkb_keycode_t kRightAlt = 108;  // AltGr on layouts that have one
constexpr xkb_keycode_t kEvdevOffset = 8;

// The time a compositor takes to give the seat its new keyboard and a
// client to take it: keys sent before are lost.
constexpr milliseconds kSettleTime(300);

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <typename T, void (*Free)(T*)>
struct Deleter {
    void operator()(T* object) const { Free(object); }
};
using Context = std::unique_ptr<xkb_context, Deleter<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Deleter<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Deleter<xkb_state, xkb_state_unref>>;
using ComposeTable = std::unique_ptr<xkb_compose_table, Deleter<xkb_compose_table, xkb_compose_table_unref>>;
using ComposeState = std::unique_ptr<xkb_compose_state, Deleter<xkb_compose_state, xkb_compose_state_unref>>;

// A key and the level of it that gives a keysym: 0 alone, 1 with Shift, 2
// with AltGr, 3 with both, as the PC layouts arrange their levels.
struct KeyPlace {
    xkb_keycode_t keycode = 0;
    xkb_level_index_t level = 0;
};

// One stroke of a text: perhaps a dead key first, then the key itself.
struct Stroke {
    std::optional<KeyPlace> dead;
    KeyPlace key;
};

Keymap CompileLayout(xkb_context* context, const std::string& text) {
    std::string layout = text;
    std::string variant;
    const std::size_t open = text.find('(');
    if (open != std::string::npos && text.back() == ')') {
        layout = text.substr(0, open);
        variant = text.substr(open + 1, text.size() - open - 2);
    }
    const xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), ""};
    Keymap keymap(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) throw Failure("no XKB layout " + text);
    return keymap;
}

// Where a keysym is on a keymap: the lowest level first, so that a character
// typed without Shift is typed so.
std::optional<KeyPlace> Find(xkb_keymap* keymap, xkb_keysym_t keysym) {
    for (xkb_level_index_t level = 0; level < 4; ++level) {
        for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap);
             ++key) {
            if (level >= xkb_keymap_num_levels_for_key(keymap, key, 0)) continue;
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap, key, 0, level, &syms) == 1 && syms[0] == keysym) {
                return KeyPlace{key, level};
            }
        }
    }
    return std::nullopt;
}

// Every keysym a keymap types, with its place.
std::vector<std::pair<xkb_keysym_t, KeyPlace>> AllKeysyms(xkb_keymap* keymap) {
    std::vector<std::pair<xkb_keysym_t, KeyPlace>> all;
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap); ++key) {
        const xkb_level_index_t levels =
            std::min<xkb_level_index_t>(4, xkb_keymap_num_levels_for_key(keymap, key, 0));
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap, key, 0, level, &syms) == 1) {
                all.push_back({syms[0], KeyPlace{key, level}});
            }
        }
    }
    return all;
}

bool IsDead(xkb_keysym_t keysym) {
    return keysym >= XKB_KEY_dead_grave && keysym <= XKB_KEY_dead_longsolidusoverlay;
}

std::u32string Decode(const std::string& utf8) {
    std::u32string text;
    std::size_t at = 0;
    for (char32_t ch = 0; at < utf8.size() && zq::DecodeUtf8(utf8, at, ch);) text += ch;
    if (at != utf8.size()) throw Failure("the text is not UTF-8");
    return text;
}

// How a character is typed on a layout: directly, or as a dead key and a
// key that the compose table joins into it.
class Typist {
public:
    Typist(xkb_context* context, xkb_keymap* positions) : positions_(positions) {
        table_.reset(xkb_compose_table_new_from_locale(context, "en_US.UTF-8", XKB_COMPOSE_COMPILE_NO_FLAGS));
    }

    Stroke StrokeOf(char32_t ch) const {
        const xkb_keysym_t keysym = xkb_utf32_to_keysym(ch);
        if (const std::optional<KeyPlace> place = Find(positions_, keysym)) return {std::nullopt, *place};
        if (table_) {
            const auto all = AllKeysyms(positions_);
            for (const auto& [dead, deadPlace] : all) {
                if (!IsDead(dead)) continue;
                for (const auto& [base, basePlace] : all) {
                    if (Composes(dead, base) == ch) return {deadPlace, basePlace};
                }
            }
        }
        throw Failure("the layout cannot type U+" + std::to_string(static_cast<unsigned>(ch)));
    }

private:
    char32_t Composes(xkb_keysym_t dead, xkb_keysym_t base) const {
        ComposeState state(xkb_compose_state_new(table_.get(), XKB_COMPOSE_STATE_NO_FLAGS));
        xkb_compose_state_feed(state.get(), dead);
        xkb_compose_state_feed(state.get(), base);
        if (xkb_compose_state_get_status(state.get()) != XKB_COMPOSE_COMPOSED) return 0;
        return xkb_keysym_to_utf32(xkb_compose_state_get_one_sym(state.get()));
    }

    xkb_keymap* positions_;
    ComposeTable table_;
};

// The keyboard on the compositor's seat.
class VirtualKeyboard {
public:
    VirtualKeyboard(xkb_keymap* keymap, milliseconds delay) : state_(xkb_state_new(keymap)), delay_(delay) {
        display_ = wl_display_connect(nullptr);
        if (display_ == nullptr) throw Failure("no Wayland display (WAYLAND_DISPLAY)");
        wl_registry* registry = wl_display_get_registry(display_);
        wl_registry_add_listener(registry, &kRegistryListener, this);
        wl_display_roundtrip(display_);
        if (seat_ == nullptr || manager_ == nullptr)
            throw Failure("the compositor offers no seat or no zwp_virtual_keyboard_manager_v1");
        keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager_, seat_);
        UploadKeymap(keymap);
        wl_display_roundtrip(display_);
        std::this_thread::sleep_for(kSettleTime);
    }
    ~VirtualKeyboard() {
        wl_display_roundtrip(display_);
        std::this_thread::sleep_for(delay_);
        zwp_virtual_keyboard_v1_destroy(keyboard_);
        wl_display_roundtrip(display_);
        wl_display_disconnect(display_);
    }

    void Press(xkb_keycode_t keycode) { Send(keycode, true); }
    void Release(xkb_keycode_t keycode) { Send(keycode, false); }

    // Presses the key at its level, with Shift and AltGr as the level needs.
    void Tap(const KeyPlace& place) {
        const bool shift = place.level == 1 || place.level == 3;
        const bool altGr = place.level >= 2;
        if (shift) Press(kLeftShift);
        if (altGr) Press(kRightAlt);
        Press(place.keycode);
        Release(place.keycode);
        if (altGr) Release(kRightAlt);
        if (shift) Release(kLeftShift);
    }

private:
    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t) {
        auto* self = static_cast<VirtualKeyboard*>(data);
        if (std::strcmp(interface, wl_seat_interface.name) == 0) {
            self->seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
            self->manager_ = static_cast<zwp_virtual_keyboard_manager_v1*>(
                wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
        }
    }
    static void GlobalRemoved(void*, wl_registry*, std::uint32_t) {}
    static constexpr wl_registry_listener kRegistryListener{Global, GlobalRemoved};

    void UploadKeymap(xkb_keymap* keymap) {
        std::unique_ptr<char, decltype(&std::free)> text(
            xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1), std::free);
        const std::size_t size = std::strlen(text.get()) + 1;
        const int fd = memfd_create("zq-keymap", MFD_CLOEXEC);
        if (fd < 0 || ftruncate(fd, static_cast<off_t>(size)) != 0 ||
            write(fd, text.get(), size) != static_cast<ssize_t>(size)) {
            throw Failure("cannot hand the keymap to the compositor");
        }
        zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                       static_cast<std::uint32_t>(size));
        wl_display_roundtrip(display_);
        close(fd);
    }

    void Send(xkb_keycode_t keycode, bool down) {
        const auto now =
            std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
        zwp_virtual_keyboard_v1_key(keyboard_, static_cast<std::uint32_t>(now.count()),
                                    keycode - kEvdevOffset,
                                    down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        xkb_state_update_key(state_.get(), keycode, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        zwp_virtual_keyboard_v1_modifiers(
            keyboard_, xkb_state_serialize_mods(state_.get(), XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state_.get(), XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state_.get(), XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state_.get(), XKB_STATE_LAYOUT_EFFECTIVE));
        wl_display_flush(display_);
        std::this_thread::sleep_for(delay_ / 2);
    }

    State state_;
    milliseconds delay_;
    wl_display* display_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
};

// "alt+c": the modifiers held, then the key, found on the keymap.
void PressNamedKeys(VirtualKeyboard& keyboard, xkb_keymap* keymap, const std::string& names) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t plus = names.find('+', start);
        parts.push_back(names.substr(start, plus - start));
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    std::vector<xkb_keycode_t> held;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string& modifier = parts[i];
        if (modifier == "shift")
            held.push_back(kLeftShift);
        else if (modifier == "alt")
            held.push_back(kLeftAlt);
        else if (modifier == "ctrl")
            held.push_back(kLeftControl);
        else if (modifier == "super")
            held.push_back(kLeftSuper);
        else
            throw Failure("no modifier " + modifier);
    }
    xkb_keysym_t keysym = xkb_keysym_from_name(parts.back().c_str(), XKB_KEYSYM_NO_FLAGS);
    if (keysym == XKB_KEY_NoSymbol)
        keysym = xkb_keysym_from_name(parts.back().c_str(), XKB_KEYSYM_CASE_INSENSITIVE);
    const std::optional<KeyPlace> place = Find(keymap, keysym);
    if (!place) throw Failure("no key " + parts.back() + " on the keymap");
    for (xkb_keycode_t modifier : held) keyboard.Press(modifier);
    keyboard.Tap(*place);
    for (auto it = held.rbegin(); it != held.rend(); ++it) keyboard.Release(*it);
}

void TypeText(VirtualKeyboard& keyboard, const Typist& typist, const std::string& utf8) {
    for (const char32_t ch : Decode(utf8)) {
        const Stroke stroke = typist.StrokeOf(ch);
        if (stroke.dead) keyboard.Tap(*stroke.dead);
        keyboard.Tap(stroke.key);
    }
}

int Run(int argc, char** argv) {
    std::string keymapName = "us";
    std::string positionsName;
    milliseconds delay(120);
    int at = 1;
    for (; at + 1 < argc && std::strncmp(argv[at], "--", 2) == 0; at += 2) {
        const std::string option = argv[at];
        if (option == "--keymap")
            keymapName = argv[at + 1];
        else if (option == "--positions")
            positionsName = argv[at + 1];
        else if (option == "--delay")
            delay = milliseconds(std::stoi(argv[at + 1]));
        else
            throw Failure("no option " + option);
    }
    Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    const Keymap keymap = CompileLayout(context.get(), keymapName);
    const Keymap positions = CompileLayout(context.get(), positionsName.empty() ? keymapName : positionsName);
    const Typist typist(context.get(), positions.get());

    VirtualKeyboard keyboard(keymap.get(), delay);
    for (; at + 1 < argc; at += 2) {
        const std::string action = argv[at];
        if (action == "key")
            PressNamedKeys(keyboard, keymap.get(), argv[at + 1]);
        else if (action == "type")
            TypeText(keyboard, typist, argv[at + 1]);
        else if (action == "wait")
            std::this_thread::sleep_for(milliseconds(std::stoi(argv[at + 1])));
        else
            throw Failure("no action " + action);
    }
    if (at != argc) throw Failure("an action without its argument");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "zq-virtual-keyboard: %s\n", failure.what());
        return 1;
    }
}
