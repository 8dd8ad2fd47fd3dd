#pragma once

#include <optional>

class QKeyEvent;

namespace zq {

// The Windows virtual-key code of a key event (the key-down handlers of the
// drills speak in these); 0 for a key without one.
int VirtualKeyOf(const QKeyEvent& event);

// The character a key press types, as the drills judge it: Backspace (8),
// Tab (9), Enter (13) and Escape (27) by their keys, otherwise the text of
// the event. Nothing for keys that type nothing and for control shortcuts.
std::optional<char32_t> TypedCharacterOf(const QKeyEvent& event);

}  // namespace zq
