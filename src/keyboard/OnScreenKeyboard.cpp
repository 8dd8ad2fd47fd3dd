#include "keyboard/OnScreenKeyboard.h"

#include "keyboard/TDataMod.h"

namespace zq {

OnScreenKeyboard::OnScreenKeyboard(TDataMod& store, KeyboardView& view, KeyAreaView* areaView)
    : store_(store), view_(view), area_(areaView) {}

void OnScreenKeyboard::LoadTemplate(const std::string& path) {
    // The current key goes with the keys, before anything can fail.
    currentKey_ = nullptr;
    area_.ClearKeys();
    store_.LoadTemplate(path);  // whatever it read, the keys come from the store's content

    // The window keeps the key area's size even when building stops early.
    struct FitWindow {
        OnScreenKeyboard& keyboard;
        ~FitWindow() { keyboard.view_.SetClientSize(keyboard.area_.Width(), keyboard.area_.Height()); }
    } fitWindow{*this};

    const std::int32_t background = store_.IntSetting("bkcolor");
    area_.FitToKeys(store_.MainTbl, background);
    area_.BuildKeys(store_.MainTbl, background, BlinkMode);
}

int OnScreenKeyboard::HighlightKey(unsigned char character) {
    if (currentKey_) currentKey_->SetHighlight(false);
    currentKey_ = nullptr;
    const FoundKey found = area_.FindKey(store_.Ctbl, store_.MainTbl, character);
    currentKey_ = found.Key;
    return found.Key ? found.Finger : -1;
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
        currentKey_->SetHighlight(blinkState_);
        blinkState_ = !blinkState_;
    } else if (!currentKey_->Down()) {
        currentKey_->SetHighlight(true);
    }
}

}  // namespace zq
