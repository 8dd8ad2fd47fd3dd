#include "keyboard/OnScreenKeyboard.h"

#include <algorithm>

#include "base/CodePage.h"
#include "base/Translation.h"
#include "keyboard/FingerNames.h"
#include "keyboard/KeyNames.h"
#include "keyboard/TDataMod.h"
#include "keyboard/TranslatedKeyName.h"

namespace zq {

OnScreenKeyboard::OnScreenKeyboard(TDataMod& store, KeyboardView& view, KeyAreaView* areaView)
    : store_(store), view_(view), area_(areaView) {}

bool OnScreenKeyboard::LoadTemplate(const std::string& path) {
    // The current key goes with the keys, before anything can fail.
    currentKey_ = nullptr;
    litModifiers_.clear();
    keyNames8_.clear();
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
    keyNames8_ = KeyNames8(store_);
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

std::string OnScreenKeyboard::KeyName(int index) const {
    const auto at = static_cast<std::size_t>(index);
    if (index >= 0 && at < keyNames8_.size() && !keyNames8_[at].empty())
        return TranslatedKeyName(ToUtf8(keyNames8_[at]));
    return Format(Tr("key %d"), {std::to_string(index + 1)});
}

int OnScreenKeyboard::IndexOf(const ButtonType* key) const {
    const auto& keys = area_.Keys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].get() == key) return static_cast<int>(i);
    }
    return -1;
}

int OnScreenKeyboard::CurrentKeyIndex() const {
    return currentKey_ ? IndexOf(currentKey_) : -1;
}

std::string OnScreenKeyboard::LitKeyText() const {
    const int lit = CurrentKeyIndex();
    if (lit < 0) return {};
    const std::string name = KeyName(lit);
    const std::string finger = FingerNameInText(currentKey_->Finger);
    std::string text =
        finger.empty() ? Format(Tr("Next key: %s"), {name}) : Format(Tr("Next key: %s, %s"), {name, finger});
    std::string modifiers;
    for (const ButtonType* key : litModifiers_) {
        if (!modifiers.empty()) modifiers += " + ";
        modifiers += KeyName(IndexOf(key));
    }
    if (!modifiers.empty()) text += Format(Tr(", with %s"), {modifiers});
    return text;
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
