#pragma once

#include <string>
#include <vector>

#include "keyboard/KeyArea.h"
#include "keyboard/KeyStrokes.h"

namespace zq {

class TDataMod;

// What the keyboard's rules ask of the keyboard window.
class KeyboardView {
public:
    virtual ~KeyboardView() = default;
    virtual void SetClientSize(int width, int height) = 0;
    virtual void StartBlinkTimer() = 0;
    virtual void StopBlinkTimer() = 0;
};

// The rules of the on-screen keyboard window: it builds its key area from
// the template store and lights the key of the next character, steadily or
// blinking.
class OnScreenKeyboard {
public:
    static constexpr int kBlinkIntervalMs = 250;

    OnScreenKeyboard(TDataMod& store, KeyboardView& view, KeyAreaView* areaView);

    // Reads a template into the store and rebuilds the keys from whatever
    // the store holds afterwards, read or not; true when the whole template
    // was read (TDataMod::LoadTemplate). Errors of the key table pass to the
    // caller; the keys built before stay.
    bool LoadTemplate(const std::string& path);

    // Lights the key of a character (an 8-bit code) and gives the finger that
    // presses it, or -1 when the character has no key (nothing is lit then).
    // With ShowModifiers, the Shift, AltGr and dead keys the character needs
    // are lit too, and the finger is that of the first key to press.
    int HighlightKey(unsigned char character);

    // Steady (false) or blinking (true); the keys take it when they are built.
    bool BlinkMode = true;
    // Off: exactly one key is lit for a character, whatever it needs.
    bool ShowModifiers = false;
    const std::vector<ButtonType*>& LitModifiers() const { return litModifiers_; }
    bool BlinkState() const { return blinkState_; }
    ButtonType* CurrentKey() const { return currentKey_; }
    // The index of the lit key among the keys, -1 when none is lit.
    int CurrentKeyIndex() const;

    // What a screen reader calls a key, by its index among the keys (UTF-8,
    // in the language of the program's texts; see KeyNames8 and
    // TranslatedKeyName, and "key 12" for a key the template tells nothing of).
    std::string KeyName(int index) const;
    // What a screen reader says of the lit key (UTF-8): "Next key: f, left
    // index finger", with the Shift, AltGr or dead keys lit beside it.
    // Empty when no key is lit.
    std::string LitKeyText() const;

    // The window was shown or hidden: the blink timer runs only in between.
    void Shown();
    void Hidden();
    // Every 250 ms while shown.
    void BlinkTick();

    KeyArea& KbFrame() { return area_; }
    const KeyArea& KbFrame() const { return area_; }

private:
    // Lights the Shift, AltGr and dead keys of a character whose own key is
    // lit, and gives the finger of the first key to press.
    int LightModifiers(unsigned char character, int mainFinger);
    int IndexOf(const ButtonType* key) const;

    TDataMod& store_;
    KeyboardView& view_;
    KeyArea area_;
    ModifierKeys modifierKeys_;
    std::vector<std::string> keyNames8_;
    ButtonType* currentKey_ = nullptr;
    std::vector<ButtonType*> litModifiers_;
    bool blinkState_ = true;
};

}  // namespace zq
