#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct xkb_compose_table;
struct xkb_compose_state;

namespace zq {

// Dead keys and compose sequences, as a compose table of the desktop defines
// them: a dead key types nothing by itself and changes the character of the
// next key ("´" then "e" types "é"). A key that continues no sequence types
// its own character and the keys before it are dropped, as Qt's own
// composing does on X11.
//
// Keysyms are XKB keysyms.
class KeyComposer {
public:
    // The table a program of `locale` ("de_DE.UTF-8") reads: the user's
    // XCompose file when the environment names one or the home folder has
    // one, else the locale's. Null when none can be read.
    static std::unique_ptr<KeyComposer> ForLocale(const std::string& locale);
    // The table of one compose file, read as for `locale`; null when it
    // cannot be read.
    static std::unique_ptr<KeyComposer> FromFile(const std::string& path, const std::string& locale);
    ~KeyComposer();
    KeyComposer(const KeyComposer&) = delete;
    KeyComposer& operator=(const KeyComposer&) = delete;

    // What a key press types: `alone` is what the key types by itself.
    // Modifier keys leave a sequence in progress as it is.
    std::u32string Press(std::uint32_t keysym, std::u32string_view alone);
    // A sequence has begun and waits for its next key.
    bool Composing() const;
    // Forgets a sequence in progress.
    void Reset();

private:
    explicit KeyComposer(xkb_compose_table* table);

    xkb_compose_table* table_;
    xkb_compose_state* state_;
};

}  // namespace zq
