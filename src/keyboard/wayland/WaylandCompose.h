#pragma once

namespace zq {

// On Qt's Wayland platform the program composes dead keys itself, through
// the layout it practises (see KeyTyping), so Qt must pass every key press
// on as it comes: Qt's own input context is asked for, and given a compose
// table without sequences. Programs the program starts (the manual's
// viewer) get the environment back as it was.

// Before the application object exists: asks for Qt's plain compose input
// context when Qt is going to run on Wayland.
void ChooseWaylandComposeContext();

// Once the program has read the compose table it composes with itself, and
// before the first key: Qt's compose table, read at Qt's first key, is to
// have no sequences.
void TakeComposingFromQt();

// The environment as it was before ChooseWaylandComposeContext: for after
// Qt has read it (its first key), or when Qt runs on another platform.
void RestoreComposeEnvironment();

}  // namespace zq
