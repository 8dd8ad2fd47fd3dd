#include "keyboard/LayoutKeyReader.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdarg>

namespace zq {
namespace {

constexpr const char* kRules = "evdev";
constexpr const char* kModel = "pc105";

// A layout the system lacks is reported by the caller, in its own words.
void SilentLog(xkb_context*, xkb_log_level, const char*, va_list) {}

}  // namespace

std::unique_ptr<LayoutKeyReader> LayoutKeyReader::ForLayout(const XkbLayoutName& layout) {
    if (layout.layout.empty()) return nullptr;
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                       xkb_context_unref);
    if (!context) return nullptr;
    xkb_context_set_log_fn(context.get(), SilentLog);
    const xkb_rule_names names{kRules, kModel, layout.layout.c_str(), layout.variant.c_str(), ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) return nullptr;
    return std::unique_ptr<LayoutKeyReader>(new LayoutKeyReader(layout, keymap));
}

LayoutKeyReader::LayoutKeyReader(XkbLayoutName layout, xkb_keymap* keymap)
    : layout_(std::move(layout)), keymap_(keymap), state_(xkb_state_new(keymap)) {}

LayoutKeyReader::~LayoutKeyReader() {
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
}

LayoutKeyReader::Key LayoutKeyReader::KeyOf(std::uint32_t keycode) const {
    if (state_ == nullptr) return {};
    return {xkb_state_key_get_one_sym(state_, keycode), xkb_state_key_get_utf32(state_, keycode)};
}

LayoutKeyReader::Key LayoutKeyReader::Press(std::uint32_t keycode) {
    const Key key = KeyOf(keycode);
    if (state_ != nullptr) xkb_state_update_key(state_, keycode, XKB_KEY_DOWN);
    return key;
}

LayoutKeyReader::Key LayoutKeyReader::Repeat(std::uint32_t keycode) const {
    return KeyOf(keycode);
}

void LayoutKeyReader::Release(std::uint32_t keycode) {
    if (state_ != nullptr) xkb_state_update_key(state_, keycode, XKB_KEY_UP);
}

bool LayoutKeyReader::LockActive(const char* modifierName) const {
    return xkb_state_mod_name_is_active(state_, modifierName, XKB_STATE_MODS_LOCKED) > 0;
}

// A lock that differs is toggled by tapping its key, as the keyboard would.
void LayoutKeyReader::SetLocks(bool capsLock, bool numLock) {
    if (state_ == nullptr) return;
    const auto follow = [&](const char* modifierName, const char* keyName, bool on) {
        const xkb_keycode_t key = xkb_keymap_key_by_name(keymap_, keyName);
        if (LockActive(modifierName) == on || key == XKB_KEYCODE_INVALID) return;
        xkb_state_update_key(state_, key, XKB_KEY_DOWN);
        xkb_state_update_key(state_, key, XKB_KEY_UP);
    };
    follow(XKB_MOD_NAME_CAPS, "CAPS", capsLock);
    follow(XKB_MOD_NAME_NUM, "NMLK", numLock);
}

void LayoutKeyReader::Reset() {
    xkb_state_unref(state_);
    state_ = xkb_state_new(keymap_);
}

}  // namespace zq
