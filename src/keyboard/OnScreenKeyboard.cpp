#include "keyboard/OnScreenKeyboard.h"

#include <algorithm>

#include "keyboard/TDataMod.h"

namespace zq {

OnScreenKeyboard::OnScreenKeyboard(TDataMod& store, KeyboardView& view, KeyAreaView* areaView)
    : store_(store), view_(view), area_(areaView) {}

bool OnScreenKeyboard::LoadTemplate(const std::string& path) {
    // The current key goes with the keys, before anything can fail.
    currentKey_ = nullptr;
    litModifiers_.clear();
    area_.ClearKeys();
    // Whatever it read, the keys come from the store's content.
    const bool readWhole = store_.LoadTemplate(path);

    // The window keeps the key area's size even when building stops early.
    struct FitWindow {
        OnScreenKeyboard& keyboard;
        ~FitWindow() { keyboard.view_.SetClientSize(keyboard.area_.Width(), keyboard.area_.Height()); }
    } fitWindow{*this};

    const std::int32_t background = store_.IntSetting("bkcolor");
    area_.FitToKeys(store_.MainTbl, background);
    area_.BuildKeys(store_.MainTbl, background, BlinkMode);
    modifierKeys_.Find(store_.MainTbl);
    return readWhole;
}

int OnScreenKeyboard::HighlightKey(unsigned char character) {
    if (currentKey_) currentKey_->SetHighlight(false);
    currentKey_ = nullptr;
    for (ButtonType* key : litModifiers_) key->SetHighlight(false);
    litModifiers_.clear();
    const FoundKey found = area_.FindKey(store_.Ctbl, store_.MainTbl, character);
    currentKey_ = found.Key;
    if (!found.Key) return -1;
    return ShowModifiers ? LightModifiers(character, found.Finger) : found.Finger;
}

int OnScreenKeyboard::LightModifiers(unsigned char character, int mainFinger) {
    const KeyStrokes strokes = modifierKeys_.StrokesOf(store_.Ctbl, store_.MainTbl, character);
    const auto& keys = area_.Keys();
    for (const int index : strokes.modifiers) {
        // A key the building stopped before has no button.
        if (index < 0 || index >= static_cast<int>(keys.size())) continue;
        ButtonType* key = keys[static_cast<std::size_t>(index)].get();
        if (key == currentKey_) continue;
        key->SetHighlight(true);
        litModifiers_.push_back(key);
    }
    // The character's own key last, so that a shared group shows it pressed.
    currentKey_->SetHighlight(true);
    return litModifiers_.empty() ? mainFinger : strokes.firstFinger;
}

void OnScreenKeyboard::Shown() {
    view_.StartBlinkTimer();
}

void OnScreenKeyboard::Hidden() {
    view_.StopBlinkTimer();
}

void OnScreenKeyboard::BlinkTick() {
    if (!currentKey_) return;
    if (BlinkMode) {
        for (ButtonType* key : litModifiers_) key->SetHighlight(blinkState_);
        currentKey_->SetHighlight(blinkState_);
        blinkState_ = !blinkState_;
        return;
    }
    if (!currentKey_->Down()) currentKey_->SetHighlight(true);
    // A lit key whose group already shows another lit key pressed (a dead
    // key typed with AltGr beside its character's key, both Shift keys for
    // a shifted accent) keeps only its inverted picture: pressing it at
    // every tick would take the press from the other.
    const auto groupShowsPressed = [this](const ButtonType* key) {
        if (currentKey_->Down() && currentKey_->GroupIndex() == key->GroupIndex()) return true;
        return std::ranges::any_of(litModifiers_, [key](const ButtonType* other) {
            return other != key && other->Down() && other->GroupIndex() == key->GroupIndex();
        });
    };
    for (ButtonType* key : litModifiers_) {
        if (!key->Down() && !groupShowsPressed(key)) key->SetHighlight(true);
    }
}

}  // namespace zq
