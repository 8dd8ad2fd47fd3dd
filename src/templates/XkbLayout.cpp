#include "templates/XkbLayout.h"

#include <xkbcommon/xkbcommon-compose.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <stdexcept>

#include "base/WholeFile.h"

namespace zq {
namespace {

// Layouts are read for a standard 105-key PC keyboard with the rules of the
// evdev driver, the ones a Linux desktop uses.
constexpr const char* kRules = "evdev";
constexpr const char* kModel = "pc105";

// The dead-key sequences of the system's compose table for US English in
// UTF-8, the table most locales include. Read from the system's file so
// that a user's own compose file cannot change a generated template.
constexpr const char* kComposeLocale = "en_US.UTF-8";

// Splits "de(nodeadkeys)" into "de" and "nodeadkeys".
void SplitLayoutAndVariant(const std::string& text, std::string& layout, std::string& variant) {
    const auto open = text.find('(');
    if (open == std::string::npos) {
        layout = text;
        variant.clear();
        return;
    }
    if (text.back() != ')' || open == 0)
        throw std::runtime_error("'" + text +
                                 "' is not a keyboard layout (expected LAYOUT or LAYOUT(VARIANT))");
    layout = text.substr(0, open);
    variant = text.substr(open + 1, text.size() - open - 2);
}

std::string SystemComposeFile() {
    const char* localeDir = std::getenv("XLOCALEDIR");
    return std::string(localeDir && *localeDir ? localeDir : "/usr/share/X11/locale") + "/" + kComposeLocale +
           "/Compose";
}

xkb_compose_table* LoadComposeTable(xkb_context* context) {
    const WholeFile file = ReadWholeFile(SystemComposeFile());
    if (file.error == 0) {
        xkb_compose_table* table =
            xkb_compose_table_new_from_buffer(context, file.bytes.data(), file.bytes.size(), kComposeLocale,
                                              XKB_COMPOSE_FORMAT_TEXT_V1, XKB_COMPOSE_COMPILE_NO_FLAGS);
        if (table) return table;
    }
    return xkb_compose_table_new_from_locale(context, kComposeLocale, XKB_COMPOSE_COMPILE_NO_FLAGS);
}

// Names that can stand inside a keymap's include statement as they are.
bool IsPlainName(const std::string& name) {
    return std::ranges::all_of(
        name, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'; });
}

// The layout's own symbols on the evdev key codes, without the "pc" symbols
// the rules put under every layout.
xkb_keymap* CompileOwnSymbols(xkb_context* context, const std::string& layout, const std::string& variant) {
    if (!IsPlainName(layout) || !IsPlainName(variant)) return nullptr;
    const std::string symbols = variant.empty() ? layout : layout + "(" + variant + ")";
    const std::string text =
        "xkb_keymap {\n"
        "  xkb_keycodes { include \"evdev+aliases(qwerty)\" };\n"
        "  xkb_types { include \"complete\" };\n"
        "  xkb_compat { include \"complete\" };\n"
        "  xkb_symbols { include \"" +
        symbols +
        "\" };\n"
        "};\n";
    return xkb_keymap_new_from_string(context, text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                      XKB_KEYMAP_COMPILE_NO_FLAGS);
}

// libxkbcommon's own messages are left out: a failure is reported once, in
// the tool's words.
void SilentLog(xkb_context*, xkb_log_level, const char*, va_list) {}

}  // namespace

void XkbLayout::ContextDeleter::operator()(xkb_context* context) const {
    xkb_context_unref(context);
}
void XkbLayout::KeymapDeleter::operator()(xkb_keymap* keymap) const {
    xkb_keymap_unref(keymap);
}
void XkbLayout::ComposeTableDeleter::operator()(xkb_compose_table* table) const {
    xkb_compose_table_unref(table);
}

XkbLayout::XkbLayout(const std::string& layoutAndVariant) {
    std::string layout, variant;
    SplitLayoutAndVariant(layoutAndVariant, layout, variant);
    if (layout.empty() || layout.find(',') != std::string::npos)
        throw std::runtime_error("'" + layoutAndVariant + "' is not a single keyboard layout");

    context_.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!context_) throw std::runtime_error("cannot start libxkbcommon");
    xkb_context_set_log_fn(context_.get(), SilentLog);

    const xkb_rule_names names{kRules, kModel, layout.c_str(), variant.c_str(), ""};
    keymap_.reset(xkb_keymap_new_from_names(context_.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap_) throw std::runtime_error("the system has no keyboard layout '" + layoutAndVariant + "'");

    ownKeymap_.reset(CompileOwnSymbols(context_.get(), layout, variant));

    composeTable_.reset(LoadComposeTable(context_.get()));
    if (!composeTable_)
        throw std::runtime_error(std::string("cannot read the system's compose table for ") + kComposeLocale);

    hasAltGr_ = PressKey("RALT", {}).keysym == XKB_KEY_ISO_Level3_Shift;
}

XkbLayout::~XkbLayout() = default;

XkbLayout::Press XkbLayout::PressKey(const std::string& keyName, Modifiers modifiers) const {
    const xkb_keycode_t key = xkb_keymap_key_by_name(keymap_.get(), keyName.c_str());
    if (key == XKB_KEYCODE_INVALID) return {};

    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(keymap_.get()),
                                                                 xkb_state_unref);
    const auto press = [&](const char* name) {
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap_.get(), name);
        if (code != XKB_KEYCODE_INVALID) xkb_state_update_key(state.get(), code, XKB_KEY_DOWN);
    };
    const auto toggle = [&](const char* name) {
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap_.get(), name);
        if (code == XKB_KEYCODE_INVALID) return;
        xkb_state_update_key(state.get(), code, XKB_KEY_DOWN);
        xkb_state_update_key(state.get(), code, XKB_KEY_UP);
    };
    if (modifiers.capsLock) toggle("CAPS");
    if (modifiers.numLock) toggle("NMLK");
    if (modifiers.shift) press("LFSH");
    if (modifiers.altGr) press("RALT");
    const xkb_layout_index_t group = xkb_state_key_get_layout(state.get(), key);
    return {xkb_state_key_get_one_sym(state.get(), key), xkb_state_key_get_level(state.get(), key, group)};
}

bool XkbLayout::DefinesKey(const std::string& keyName) const {
    if (!ownKeymap_) return false;
    const xkb_keycode_t key = xkb_keymap_key_by_name(ownKeymap_.get(), keyName.c_str());
    if (key == XKB_KEYCODE_INVALID) return false;
    for (xkb_layout_index_t group = 0; group < xkb_keymap_num_layouts_for_key(ownKeymap_.get(), key); ++group)
        for (xkb_level_index_t level = 0; level < xkb_keymap_num_levels_for_key(ownKeymap_.get(), key, group);
             ++level) {
            const xkb_keysym_t* keysyms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(ownKeymap_.get(), key, group, level, &keysyms) > 0)
                return true;
        }
    return false;
}

std::optional<xkb_keysym_t> XkbLayout::Compose(xkb_keysym_t dead, xkb_keysym_t base) const {
    std::unique_ptr<xkb_compose_state, decltype(&xkb_compose_state_unref)> state(
        xkb_compose_state_new(composeTable_.get(), XKB_COMPOSE_STATE_NO_FLAGS), xkb_compose_state_unref);
    xkb_compose_state_feed(state.get(), dead);
    xkb_compose_state_feed(state.get(), base);
    if (xkb_compose_state_get_status(state.get()) != XKB_COMPOSE_COMPOSED) return std::nullopt;
    // Sequences that give a text of several characters have no keysym; no
    // template row can hold them.
    const xkb_keysym_t result = xkb_compose_state_get_one_sym(state.get());
    if (result == XKB_KEY_NoSymbol) return std::nullopt;
    return result;
}

std::string KeysymName(xkb_keysym_t keysym) {
    char name[64] = {};
    if (xkb_keysym_get_name(keysym, name, sizeof name) <= 0) return {};
    return name;
}

bool IsDeadKeysym(xkb_keysym_t keysym) {
    return KeysymName(keysym).starts_with("dead_");
}

char32_t KeysymCharacter(xkb_keysym_t keysym) {
    return xkb_keysym_to_utf32(keysym);
}

}  // namespace zq
