#include "keyboard/KeyComposer.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>

#include "base/Utf8Char.h"

namespace zq {
namespace {

// libxkbcommon's own messages are left out: a table that cannot be read
// only means that nothing is composed.
void SilentLog(xkb_context*, xkb_log_level, const char*, va_list) {}

// A context for reading one table; the table keeps it as long as it needs it.
std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> QuietContext() {
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                       xkb_context_unref);
    if (context) xkb_context_set_log_fn(context.get(), SilentLog);
    return context;
}

std::u32string Characters(const std::string& utf8) {
    std::u32string text;
    std::size_t at = 0;
    char32_t ch = 0;
    while (at < utf8.size() && DecodeUtf8(utf8, at, ch)) text += ch;
    return text;
}

}  // namespace

std::unique_ptr<KeyComposer> KeyComposer::ForLocale(const std::string& locale) {
    const auto context = QuietContext();
    if (!context) return nullptr;
    xkb_compose_table* table =
        xkb_compose_table_new_from_locale(context.get(), locale.c_str(), XKB_COMPOSE_COMPILE_NO_FLAGS);
    return table != nullptr ? std::unique_ptr<KeyComposer>(new KeyComposer(table)) : nullptr;
}

std::unique_ptr<KeyComposer> KeyComposer::FromFile(const std::string& path, const std::string& locale) {
    const auto context = QuietContext();
    std::FILE* file = context ? std::fopen(path.c_str(), "r") : nullptr;
    if (file == nullptr) return nullptr;
    xkb_compose_table* table = xkb_compose_table_new_from_file(
        context.get(), file, locale.c_str(), XKB_COMPOSE_FORMAT_TEXT_V1, XKB_COMPOSE_COMPILE_NO_FLAGS);
    std::fclose(file);
    return table != nullptr ? std::unique_ptr<KeyComposer>(new KeyComposer(table)) : nullptr;
}

KeyComposer::KeyComposer(xkb_compose_table* table)
    : table_(table), state_(xkb_compose_state_new(table, XKB_COMPOSE_STATE_NO_FLAGS)) {}

KeyComposer::~KeyComposer() {
    xkb_compose_state_unref(state_);
    xkb_compose_table_unref(table_);
}

std::u32string KeyComposer::Press(std::uint32_t keysym, std::u32string_view alone) {
    if (state_ == nullptr || xkb_compose_state_feed(state_, keysym) == XKB_COMPOSE_FEED_IGNORED) {
        return std::u32string(alone);
    }
    switch (xkb_compose_state_get_status(state_)) {
        case XKB_COMPOSE_COMPOSING:
            return {};
        case XKB_COMPOSE_COMPOSED: {
            char utf8[64] = {};
            xkb_compose_state_get_utf8(state_, utf8, sizeof utf8);
            xkb_compose_state_reset(state_);
            return Characters(utf8);
        }
        case XKB_COMPOSE_CANCELLED:
            xkb_compose_state_reset(state_);
            return std::u32string(alone);
        case XKB_COMPOSE_NOTHING:
            break;
    }
    return std::u32string(alone);
}

bool KeyComposer::Composing() const {
    return state_ != nullptr && xkb_compose_state_get_status(state_) == XKB_COMPOSE_COMPOSING;
}

void KeyComposer::Reset() {
    if (state_ != nullptr) xkb_compose_state_reset(state_);
}

}  // namespace zq
